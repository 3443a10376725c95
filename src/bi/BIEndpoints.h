#pragma once

#include "bi/bilogger/BiLogger.h"

#include <QNetworkRequest>
#include <QString>

// Where the BI service sends its records and asks for the account's country. On a real
// PC these are the production hosts compiled in below. A sandbox machine takes them
// from its profile only ("biServer", "biStageServer", "countryServer", "biCaFile"), so
// a test or the demo reaches its loopback stand-in and nothing else; a missing host
// turns that traffic off.
namespace BIEndpoints {

inline const QString ProductionHost = QStringLiteral("bi.keltnova.com");
inline const QString StageHost = QStringLiteral("bi-stage.keltnova.com");
inline const QString CountryHost = QStringLiteral("store.keltnova.com");

bilogger::Endpoints logger();
// "name[:port]", empty when country look-ups are off.
QString countryHost();
// The only certificate authority to trust, or empty for the system's.
QString caFile();
// A request for path (percent-encoded) on the country host over HTTPS that trusts only
// caFile() when one is set and gives up after timeoutMs; its URL is empty when country
// look-ups are off.
QNetworkRequest countryRequest(const QString &path, int timeoutMs);

} // namespace BIEndpoints
