#pragma once

#include "install/InstallParser.h"
#include "install/SizeProgress.h"

#include <QElapsedTimer>
#include <QProcess>

#include <atomic>

// Parser of one install step run by the updater: progress ("Size:"), the end of the
// run ("ExitCode:") with its retry decision, and the updater process's own end.
// A step gets one outcome (finished, retry or error); later reports are only logged.
class NovaParser : public InstallParser {
    Q_OBJECT

public:
    // The retry counts are the step's earlier attempts. isSelfUpdate: the run updates
    // the updater itself; isForSteamVR: the run installs SteamVR.
    NovaParser(const QString &packageName, const QString &packageNameTr, int updateRetryCount, int downloadRetryCount,
        bool isSelfUpdate, bool isForSteamVR, QObject *parent = nullptr);

    bool parseMessage(const QString &message) override;

    // How long the new copy of a self-updating updater may take to report on the pipe.
    static constexpr int NewCopyTimeoutMs = 120000;
    void setNewCopyTimeout(int ms) { m_newCopyTimeoutMs = ms; }

signals:
    void closePipe();
    void installError();
    void installFinished();
    void showInstallInfo(const QString &packageName, const QString &packageNameTr, double curSize, double totalSize,
        double speed, bool isForSteamVR, bool shouldHideDownload = false);
    void reportDownload(qint64 leftBytes);
    void reportSpeed(double curSpeedMBps);
    void startInstall();
    void autoRetry();

public slots:
    void onProcError(QProcess::ProcessError error);
    void onProcFinished(int exitCode, QProcess::ExitStatus exitStatus);

private:
    enum class Outcome { None, Finished, Retry, Error };

    bool handleExitCode(int code);
    void handleSizes(const QString &text);
    void reportError();
    // Ends the step when nothing has come since the heard-th message.
    void onNewCopySilent(int heard);
    // Takes the step's one outcome; false (logged) when it has one already.
    bool claimOutcome(Outcome outcome);

    const QString m_packageName;
    const QString m_packageNameTr;
    const int m_updateRetryCount;
    const int m_downloadRetryCount;
    const bool m_isSelfUpdate;
    const bool m_isForSteamVR;
    bool m_infoShown = false;
    int m_newCopyTimeoutMs = NewCopyTimeoutMs;
    // Messages received; the new copy's first one moves it on. Counted on the pipe thread.
    std::atomic<int> m_messages { 0 };
    // Written from the pipe thread and from the process slots.
    std::atomic<Outcome> m_outcome { Outcome::None };
    SizeProgress m_progress;
    QElapsedTimer m_clock;
};
