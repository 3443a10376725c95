#pragma once

#include "checks/ProductSite.h"

#include <QString>

// Web pages the dialog texts link to.
namespace Links {

// Where each region's version of the set-up can be downloaded, as a link for a text.
inline const QString SetupDownloadLink
    = QStringLiteral("<a href=\"https://%1/setup\">%1/setup</a>").arg(QLatin1String(ProductSiteHost));

// The help-centre article on installation errors, opened and closed around a word.
inline const QString InstallHelpOpen
    = QStringLiteral("<a href=\"https://help.keltnova.example/hc/articles/360007712712"
                     "?utm_source=pcclient&utm_medium=errormessage\" target=\"_blank\">"
                     "<span style=\"color:#007999\">");
inline const QString InstallHelpClose = QStringLiteral("</span></a>");

} // namespace Links
