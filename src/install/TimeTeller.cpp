#include "install/TimeTeller.h"

#include "install/SpeedEstimate.h"
#include "install/TellerTable.h"

#include <algorithm>

namespace {

double bytesPerSecond(const QString &name, double sharedSpeedMBps)
{
    double speed = sharedSpeedMBps;
    if (speed < 0.0)
        speed = 1.0; // nothing measured yet
    else if (speed == 0.0)
        speed = 0.01;
    // SteamVR comes from Steam's servers, which the updater's measurements say nothing about.
    if (name == TellerName::SteamVR)
        speed = std::max(speed, 1.0);
    return speed * 1024.0 * 1024.0;
}

} // namespace

qint64 tellerSecondsLeft(const QString &name, const TellerFacts &facts, double sharedSpeedMBps, const QDateTime &now)
{
    const double rate = bytesPerSecond(name, sharedSpeedMBps);
    const qint64 floor = facts.installSeconds / 10;
    switch (facts.state) {
    case TellerState::NotStarted:
        return qint64(facts.defaultBytes / rate + facts.installSeconds);
    case TellerState::Downloading:
        return qint64(facts.leftBytes / rate + facts.installSeconds);
    case TellerState::Installing:
    case TellerState::StartedWithoutReports: {
        if (!facts.startTime.isValid()) {
            qWarning("[TimeTeller] WARNING: No record of start time, return 0");
            return 0;
        }
        const double download = facts.state == TellerState::Installing ? 0.0 : facts.defaultBytes / rate;
        const qint64 left = qint64(download + facts.installSeconds - facts.startTime.secsTo(now));
        return std::max(left, floor);
    }
    case TellerState::Finished:
        return 0;
    default:
        qWarning("[TimeTeller] Unknown state: %d. Shouldn't happen.", facts.state);
        return 0;
    }
}

TimeTeller::TimeTeller(
    const QString &name, qint64 defaultBytes, qint64 installSeconds, SpeedEstimate *speed, QObject *parent)
    : QObject(parent)
    , m_name(name)
    , m_speed(speed)
{
    m_facts.defaultBytes = defaultBytes;
    m_facts.leftBytes = defaultBytes;
    m_facts.installSeconds = installSeconds;
}

TellerFacts TimeTeller::facts() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_facts;
}

qint64 TimeTeller::estimate(const QDateTime &now)
{
    const TellerFacts known = facts();
    const qint64 seconds = tellerSecondsLeft(m_name, known, m_speed->estimated(), now);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_estimate = seconds;
    }
    qDebug("[TimeTeller] %s TimeTeller [%d] est left time: %lld", qUtf8Printable(m_name), known.state, seconds);
    return seconds;
}

qint64 TimeTeller::lastEstimate() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_estimate;
}

void TimeTeller::onReportDownload(qint64 leftBytes)
{
    bool changed = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        changed = m_facts.state != TellerState::Downloading;
        m_facts.state = TellerState::Downloading;
        m_facts.leftBytes = leftBytes;
    }
    if (changed)
        logState(TellerState::Downloading);
}

void TimeTeller::onReportSpeed(double curSpeedMBps)
{
    const SpeedEstimate::Report report = m_speed->report(curSpeedMBps);
    qDebug("[TimeTeller] TimeTeller %s received speed %f, est speed %f", qUtf8Printable(m_name), report.used,
        report.estimated);
}

void TimeTeller::onStartInstall()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_facts.state == TellerState::Installing)
            return;
        m_facts.state = TellerState::Installing;
        m_facts.startTime = QDateTime::currentDateTimeUtc();
    }
    logState(TellerState::Installing);
}

void TimeTeller::startWithoutDownload()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_facts.state = TellerState::StartedWithoutReports;
        m_facts.startTime = QDateTime::currentDateTimeUtc();
    }
    logState(TellerState::StartedWithoutReports);
}

void TimeTeller::onFinished()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_facts.state = TellerState::Finished;
    }
    logState(TellerState::Finished);
}

void TimeTeller::logState(int state) const
{
    qDebug("[TimeTeller] %s TimeTeller changes state to %d", qUtf8Printable(m_name), state);
}
