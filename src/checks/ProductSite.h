#pragma once

#include <QString>

// The maker's web site, under which the help, support and legal pages lie.
constexpr char ProductSiteHost[] = "www.keltnova.example";

// "https://" and ProductSiteHost; on a sandbox machine whose profile sets
// "productSite", that address instead, so tests and the demo can serve the pages
// from loopback. Without a trailing '/'.
QString productSite();

// The maker's general support page, where links that are gone lead instead.
QString supportPage();
