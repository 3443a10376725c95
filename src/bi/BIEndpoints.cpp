#include "bi/BIEndpoints.h"

#include "platform/Machine.h"

#include <QJsonObject>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QUrl>

namespace BIEndpoints {

namespace {

QString configured(const char *profileKey, const QString &production)
{
    if (!platform::Machine::isSandbox())
        return production;
    return platform::Machine::profile().value(QLatin1String(profileKey)).toString();
}

} // namespace

bilogger::Endpoints logger()
{
    return { configured("biServer", ProductionHost).toStdString(), configured("biStageServer", StageHost).toStdString(),
        caFile().toStdString() };
}

QString countryHost()
{
    return configured("countryServer", CountryHost);
}

QString caFile()
{
    return configured("biCaFile", QString());
}

QNetworkRequest countryRequest(const QString &path, int timeoutMs)
{
    const QString host = countryHost();
    if (host.isEmpty())
        return QNetworkRequest();
    QNetworkRequest request(QUrl(QStringLiteral("https://") + host + path));
    request.setTransferTimeout(timeoutMs);
    const QString ca = caFile();
    if (!ca.isEmpty()) {
        QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
        ssl.setCaCertificates(QSslCertificate::fromPath(ca));
        request.setSslConfiguration(ssl);
    }
    return request;
}

} // namespace BIEndpoints
