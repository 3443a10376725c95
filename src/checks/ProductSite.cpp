#include "checks/ProductSite.h"

#include "platform/Machine.h"

#include <QJsonValue>

QString productSite()
{
    QString site = platform::Machine::profile().value(QLatin1String("productSite")).toString();
    if (site.isEmpty())
        return QStringLiteral("https://") + QLatin1String(ProductSiteHost);
    if (site.endsWith(QLatin1Char('/')))
        site.chop(1);
    return site;
}

QString supportPage()
{
    return productSite() + QStringLiteral("/support/");
}
