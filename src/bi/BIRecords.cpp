#include "bi/BIRecords.h"

namespace BIRecords {

namespace {

QString seconds(qint64 value)
{
    return QString::number(value);
}

// Whole seconds from the start of the run to a milestone, or "null" before it.
QString secondsSinceStart(const BISessionState &state, const QDateTime &milestone)
{
    return milestone.isValid() ? seconds(state.startTime.secsTo(milestone)) : BINull;
}

// Keys "a0", "a1", ... for values in order.
QVector<QPair<QString, QString>> numbered(const QStringList &values)
{
    QVector<QPair<QString, QString>> pairs;
    pairs.reserve(values.size());
    for (int i = 0; i < values.size(); ++i)
        pairs.append({ QLatin1Char('a') + QString::number(i), values.at(i) });
    return pairs;
}

} // namespace

BIRecord check(const BISessionState &state)
{
    const BIPcInfo &pc = state.pcInfo;
    return { QStringLiteral("oobe_check"),
        numbered({ state.sessionId, pc.listVersion, pc.cpuName, pc.cpuRank, pc.gpuName, pc.gpuRank, pc.osName,
            pc.osRank, pc.memorySize + QStringLiteral(" GB"), pc.memoryRank, pc.overallRank,
            QString::number(state.clicksSteamVRTest), QString::number(state.clicksReadyPC), BINull, BINull, BINull,
            state.deviceType, state.recordVersion }) };
}

QVector<BIRecord> otherGpus(const BISessionState &state)
{
    QVector<BIRecord> records;
    for (const BIGpuInfo &gpu : state.pcInfo.gpus) {
        if (gpu.name != state.pcInfo.gpuName)
            records.append(
                { QStringLiteral("oobe_gpu"), numbered({ state.sessionId, gpu.name, gpu.rank, BINull, BINull }) });
    }
    return records;
}

BIRecord session(const BISessionState &state, const QDateTime &now)
{
    BIRecord record { QStringLiteral("oobe_install_info"),
        { { QStringLiteral("country"), state.country }, { QStringLiteral("locale"), state.locale },
            { QStringLiteral("account_id"), state.accountId } } };
    record.pairs += numbered({ state.sessionId, state.signinKind, state.novaSwStatus, state.steamStatus,
        state.steamVRStatus, state.standaloneSteamVRStatus, state.installProgress, state.steamVRProgress,
        state.lastPage, state.quitReason, state.callerKind, state.region,
        secondsSinceStart(state, state.foregroundInstallTime), secondsSinceStart(state, state.backgroundInstallTime),
        secondsSinceStart(state, now), state.deviceType, state.recordVersion, BINull });
    return record;
}

BIRecord page(const BISessionState &state, const BIPageRecord &record)
{
    return { QStringLiteral("oobe_page"),
        numbered({ state.sessionId, record.page, seconds(record.start.toSecsSinceEpoch()),
            seconds(record.start.secsTo(record.end)), record.how, QString::number(record.helpClicks), BINull,
            state.deviceType, state.recordVersion }) };
}

BIRecord learnMore(const BISessionState &state, const BILearnMoreRecord &record)
{
    return { QStringLiteral("oobe_learn_more"),
        numbered({ state.sessionId, record.page, record.type, seconds(record.start.toSecsSinceEpoch()),
            seconds(record.end.toSecsSinceEpoch()), state.deviceType, state.recordVersion }) };
}

QString quitReasonText(const QString &reason)
{
    if (reason == QLatin1String("done") || reason == QLatin1String("bg done"))
        return QStringLiteral("complete");
    if (reason == QLatin1String("normal"))
        return QStringLiteral("user close");
    return reason;
}

} // namespace BIRecords
