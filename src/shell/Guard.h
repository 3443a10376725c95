#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>

class QNetworkAccessManager;
class QNetworkReply;

namespace platform {
class NamedMutex;
}

// Decides at start-up whether this copy of the wizard may go on: it takes the
// machine-wide single-instance lock, refuses while the updater or the uninstaller runs,
// and in the China edition asks the store's country service whether the user is in the
// region. Each refusal is a dialog id on showDialog. Lives on the user-interface thread.
class Guard : public QObject {
    Q_OBJECT

public:
    // The country service is asked this many times before the system locale decides.
    static constexpr int LocationTries = 5;
    // How long one country request may take; a request past it counts as failed.
    static constexpr int LookupTimeoutMs = 10000;
    // How long "force to resume" waits for the ended set-up programs to be gone.
    static constexpr int ResumeWaitMs = 2000;

    // lockName: the single-instance lock; otherSetupPrograms: the executables that
    // "force to resume" ends; checkLocation: the China edition's country check;
    // skipLocation: no country check at all (test mode).
    Guard(const QString &lockName, const QStringList &otherSetupPrograms, bool checkLocation, bool skipLocation,
        QObject *parent = nullptr);
    ~Guard() override;

    // Whether an updater or uninstaller listed under the PID keys runs: a listed value
    // name (a decimal process id) equals the id of a running process of that program.
    static bool isUpdaterRunning(const QStringList &pidNames, const QStringList &uninstallPidNames,
        const QList<qint64> &updaterIds, const QList<qint64> &uninstallerIds);
    // The country service's address for a host ("name[:port]").
    static QString lookupUrl(const QString &host);

    void setLookupTimeout(int ms) { m_lookupTimeoutMs = ms; }

signals:
    void showDialog(const QString &errId);
    void checkUpdaterPassed();

public slots:
    void check();
    void releaseLock();
    void killAnotherInstance();
    void onWebServerReply(QNetworkReply *reply);

private:
    bool acquireLock();
    bool checkUpdater();
    void checkLocation();
    QNetworkAccessManager *netManager();
    void onResumeWait();

    const QString m_lockName;
    const QStringList m_otherSetupPrograms;
    const bool m_checkUpdater = true;
    const bool m_skipLocation;
    const bool m_checkLocation;
    std::unique_ptr<platform::NamedMutex> m_lock;
    int m_checkLocRetry = 0;
    int m_lookupTimeoutMs = LookupTimeoutMs;
    QNetworkAccessManager *m_netManager = nullptr;
    // Polls, after "force to resume", until the ended programs are gone.
    QTimer m_resumeWait;
    int m_resumePolls = 0;
};
