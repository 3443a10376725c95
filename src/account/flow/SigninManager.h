#pragma once

#include "core/WorkerThread.h"

#include <QObject>
#include <QProcess>
#include <QString>

#include <memory>

class BIService;
class CNetFxUtil;
class KeltSignin;
class SigninWorker;

// Connects the account sign-in page to the sign-in thread, and asks the updater for the
// account package when the account may be used: the request goes through the launcher
// as the install steps do, prepared on a worker thread. Lives on the user-interface
// thread.
class SigninManager : public QObject {
    Q_OBJECT

public:
    SigninManager(
        QObject *root, const CNetFxUtil *netFxUtil, BIService *biService, bool isNoAccount, QObject *parent = nullptr);
    ~SigninManager() override;

    // Run by the worker on its thread.
    void installAccountImpl();

signals:
    void installAccount();
    // Asks the launcher to start proc for the account package; connected directly.
    void updaterInstallAccount(QProcess *proc, const QString &updaterDirPath, const QString &pipeName);

public slots:
    void loadedPSignin();
    // The page's sign-in button: starts the sign-in, or has a running one ask again.
    void onSigninKelt();
    void onSigninKeltFinished();
    void onInstallError();
    void onInstallFinished();

private:
    void setSigninState(int state) const;

    QObject *const m_root;
    const CNetFxUtil *const m_netFxUtil;
    BIService *const m_biService;
    const bool m_isNoAccount;
    std::unique_ptr<KeltSignin> m_signin;
    SigninWorker *m_worker = nullptr;
    WorkerThread m_workerThread { "[SigninManager]" };
};
