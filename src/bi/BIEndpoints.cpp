#include "bi/BIEndpoints.h"

#include "platform/Machine.h"

#include <QJsonObject>

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

} // namespace BIEndpoints
