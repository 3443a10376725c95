#pragma once

#include "InstallRun.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <mutex>

// Keeps the log while it lives, each line with the milliseconds since it began, from
// any thread; nothing is printed.
class BenchLog {
public:
    struct Line {
        qint64 ms;
        QString text;
    };

    BenchLog();
    ~BenchLog();
    BenchLog(const BenchLog &) = delete;
    BenchLog &operator=(const BenchLog &) = delete;

    qint64 elapsedMs() const { return m_clock.elapsed(); }
    QList<Line> lines() const;
    // The last count lines, to show what a run that went wrong was doing.
    QStringList tail(int count) const;

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &message);

    QElapsedTimer m_clock;
    mutable std::mutex m_mutex;
    QList<Line> m_lines;
    QtMessageHandler m_previous;
};

// A CN-mode installation on a sandbox machine with the stand-in updater's settings,
// the folder sizes known, ready for startInstall(): SteamVR comes on its own (there is
// no Steam on the machine and the headset firmware check has run), the store app's
// installer has left its protocol handler and the drivers' check is among the tools the
// installation copies. Null, with the reason printed, when it cannot be set up. The
// stand-in programs are taken from this program's folder unless NOVA_BIN_DIR names one.
std::unique_ptr<InstallRun> cnInstallRun(const QJsonObject &updaterSettings);

// Runs the event loop until condition holds, looking every 10 ms; false when timeoutMs
// pass first.
bool runUntil(const std::function<bool()> &condition, int timeoutMs);
