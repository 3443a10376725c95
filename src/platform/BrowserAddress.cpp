#include "platform/Browser.h"

#include <QUrl>

namespace platform {

QString Browser::openableAddress(const QString &address, QString *refusal)
{
    const QString text = address.trimmed();
    if (text.isEmpty()) {
        *refusal = QStringLiteral("no address");
        return {};
    }
    if (text.startsWith(QLatin1Char('-'))) {
        *refusal = QStringLiteral("it reads as a command-line option");
        return {};
    }
    const QUrl url(text);
    const QString scheme = url.scheme(); // QUrl keeps schemes in lower case
    const bool web = scheme == QLatin1String("http") || scheme == QLatin1String("https");
    if (!url.isValid() || !(web || scheme == QLatin1String("mailto"))) {
        *refusal = QStringLiteral("not an http, https or mailto address");
        return {};
    }
    if (web && url.host().isEmpty()) {
        *refusal = QStringLiteral("no host");
        return {};
    }
    return QString::fromLatin1(url.toEncoded(QUrl::FullyEncoded));
}

} // namespace platform
