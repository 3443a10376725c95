#pragma once

#include <QObject>
#include <QString>

// How long the checks wait.
struct CheckTiming {
    // Between two looks for the store installer's auxiliary process.
    int installerPollMs = 5000;
    // The longest wait for that process to go; a hung installer must not hold the
    // installation forever.
    qint64 installerLimitMs = 30 * 60 * 1000;
};

// The waiting part of the store app launcher, on a worker thread: the installation
// check (mode 1) waits for the store installer to end and confirms the store app by its
// protocol handler; the close-after-launch check (mode 2) keeps the wizard open long
// enough for the store app to appear. Every sleep ends early when the thread is asked
// to stop, and then the check ends without a result.
class CheckingWorker : public QObject {
    Q_OBJECT

public:
    enum Mode { InstallCheck = 1, CloseAfterLaunch = 2 };

    explicit CheckingWorker(const CheckTiming &timing)
        : m_timing(timing)
    {
    }

signals:
    void installFinished();
    void installError();
    void prepareToQuit(const QString &strReason);
    // The check that run() started is over, whatever its outcome.
    void checkEnded();

public slots:
    void run(int mode);

private:
    void checkInstallation();
    void checkLaunch();
    // False when the thread was asked to stop.
    bool waitForInstaller();

    const CheckTiming m_timing;
};
