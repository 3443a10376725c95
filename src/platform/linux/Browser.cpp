#include "platform/Browser.h"

#include "platform/Launch.h"
#include "platform/Machine.h"

#include <QFile>

// Links open through xdg-open, which hands them to the desktop's default browser or
// mail program.

namespace platform {

namespace {

// A text from page content as one log line.
QByteArray printable(QString text)
{
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    text.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return text.toUtf8();
}

// The whole line goes out in one write to a file opened for appending: the system
// places each such write at the end in one piece, so processes that record at the same
// time never mix or lose each other's lines.
bool record(const QString &url)
{
    QFile file(Machine::root() + QLatin1Char('/') + QLatin1String(Browser::RecordFile));
    const QByteArray line = url.toUtf8() + '\n';
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)
        || file.write(line) != line.size()) {
        qWarning("[Browser] WARNING: Cannot record %s in %s: %s", qUtf8Printable(url), qUtf8Printable(file.fileName()),
            qUtf8Printable(file.errorString()));
        return false;
    }
    return true;
}

} // namespace

bool Browser::openUrl(const QString &address)
{
    QString refusal;
    const QString url = openableAddress(address, &refusal);
    if (url.isEmpty()) {
        qWarning(
            "[Browser] WARNING: Refused to open \"%s\": %s", printable(address).constData(), qUtf8Printable(refusal));
        return false;
    }
    if (Machine::isSandbox())
        return record(url);
    if (!hasLaunchUser()) {
        qWarning("[Browser] WARNING: No desktop user to open %s for; no browser started", qUtf8Printable(url));
        return false;
    }
    // The encoded address holds no quote or space: it reaches xdg-open as one argument.
    const LaunchResult launched = launchAsUser(QStringLiteral("/"), QStringLiteral("xdg-open \"%1\"").arg(url), false);
    if (launched.status != LaunchResult::Started) {
        qWarning("[Browser] WARNING: Cannot start xdg-open for %s, error %d", qUtf8Printable(url), launched.error);
        return false;
    }
    return true;
}

} // namespace platform
