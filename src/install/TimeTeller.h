#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

#include <mutex>

class SpeedEstimate;

// Where an install step stands, as its teller sees it.
namespace TellerState {
enum : int {
    NotStarted = 0,
    Downloading = 1,
    Installing = 2,
    StartedWithoutReports = 3, // runs, but sends no download progress (the Steam path)
    Finished = 4,
};
} // namespace TellerState

// What a teller's estimate is made from.
struct TellerFacts {
    int state = TellerState::NotStarted;
    qint64 defaultBytes = 0;
    qint64 leftBytes = 0;
    qint64 installSeconds = 0;
    QDateTime startTime; // invalid until the step starts installing
};

// Whole seconds left for the teller called name at the time now, with the shared speed
// estimate in MB/s (below 0 while unknown). Once installing, the estimate never drops
// below a tenth of the install time, so a slow step does not show "no time left".
qint64 tellerSecondsLeft(const QString &name, const TellerFacts &facts, double sharedSpeedMBps, const QDateTime &now);

// The remaining time of one install step. Lives on the install manager's thread and
// takes the step parser's reports; estimate() may be called from any thread.
class TimeTeller : public QObject {
    Q_OBJECT

public:
    TimeTeller(const QString &name, qint64 defaultBytes, qint64 installSeconds, SpeedEstimate *speed,
        QObject *parent = nullptr);

    QString name() const { return m_name; }
    TellerFacts facts() const;
    // Seconds left at the time now, kept as the last estimate.
    qint64 estimate(const QDateTime &now = QDateTime::currentDateTimeUtc());
    qint64 lastEstimate() const;

public slots:
    void onReportDownload(qint64 leftBytes);
    void onReportSpeed(double curSpeedMBps);
    void onStartInstall();
    // The step runs without download reports: its time counts from now.
    void startWithoutDownload();
    void onFinished();

private:
    void logState(int state) const;

    const QString m_name;
    SpeedEstimate *const m_speed;
    mutable std::mutex m_mutex;
    TellerFacts m_facts;
    qint64 m_estimate = 0;
};
