#pragma once

#include "bi/BIPcInfo.h"

#include <QDateTime>
#include <QPair>
#include <QString>
#include <QVector>

// Texts not known (yet) are sent as "null".
inline const QString BINull = QStringLiteral("null");

// A finished or open page of the wizard.
struct BIPageRecord {
    QString page;
    QDateTime start; // UTC
    QDateTime end; // UTC; invalid while the page is open
    QString how = BINull;
    int helpClicks = 0;
};

// A "learn more" view opened from a page.
struct BILearnMoreRecord {
    QString page;
    QString type;
    QDateTime start; // UTC
    QDateTime end; // UTC; invalid while open
};

// What the BI service knows about this run, as its setters left it.
struct BISessionState {
    QString sessionId;
    QString deviceType = QStringLiteral("tundra");
    QString region = QStringLiteral("not CN");
    QString recordVersion = QStringLiteral("1.0");
    QDateTime startTime; // UTC

    QString novaSwStatus = BINull;
    QString steamStatus = BINull;
    QString steamVRStatus = BINull;
    QString standaloneSteamVRStatus = BINull;
    QString installProgress = QStringLiteral("before install");
    QString steamVRProgress = QStringLiteral("before install");
    QDateTime foregroundInstallTime; // UTC, when "foreground installing" began
    QDateTime backgroundInstallTime; // UTC, when "background installing" began

    QString signinKind = QStringLiteral("none");
    QString accountId = BINull;
    QString country = BINull;
    QString locale = BINull;
    QString lastPage = BINull;
    QString quitReason = BINull;
    QString callerKind = BINull;

    BIPcInfo pcInfo;
    int clicksSteamVRTest = 0;
    int clicksReadyPC = 0;
};

// One record for the logging library: its event name and text pairs, in order.
struct BIRecord {
    QString event;
    QVector<QPair<QString, QString>> pairs;
};

// The records of the BI service, built from its state.
namespace BIRecords {

// "oobe_check": the PC check's results and the check page's two click counters.
BIRecord check(const BISessionState &state);
// "oobe_gpu": one per adapter whose name differs from the representative one.
QVector<BIRecord> otherGpus(const BISessionState &state);
// "oobe_install_info": the run so far; durations are counted up to now.
BIRecord session(const BISessionState &state, const QDateTime &now);
// "oobe_page": one finished page.
BIRecord page(const BISessionState &state, const BIPageRecord &record);
// "oobe_learn_more": one finished learn-more view.
BIRecord learnMore(const BISessionState &state, const BILearnMoreRecord &record);

// The BI wording of a quit reason: "done" and "bg done" are "complete", "normal" is
// "user close"; other reasons stay as they are.
QString quitReasonText(const QString &reason);

} // namespace BIRecords
