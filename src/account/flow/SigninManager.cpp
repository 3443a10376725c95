#include "account/flow/SigninManager.h"

#include "account/KeltSignin.h"
#include "account/flow/SigninWorker.h"
#include "bi/BIService.h"
#include "checks/flow/NetFxUtil.h"
#include "core/QmlCall.h"
#include "core/QmlNames.h"
#include "core/Utils.h"
#include "core/Wiring.h"
#include "install/AccountParser.h"
#include "install/UpdaterRun.h"
#include "platform/Folders.h"

#include <new>

namespace {

const QString AccountPipe = QStringLiteral("account_pipe");

} // namespace

SigninManager::SigninManager(
    QObject *root, const CNetFxUtil *netFxUtil, BIService *biService, bool isNoAccount, QObject *parent)
    : QObject(parent)
    , m_root(root)
    , m_netFxUtil(netFxUtil)
    , m_biService(biService)
    , m_isNoAccount(isNoAccount)
    , m_signin(new (std::nothrow) KeltSignin)
{
    if (m_signin)
        connect(m_signin.get(), &QThread::finished, this, &SigninManager::onSigninKeltFinished);
    else
        qWarning("[SigninManager] ERROR: Cannot alloc memory for kelt account!");
    m_worker = m_workerThread.prepare<SigninWorker>(*this);
    if (m_worker)
        connect(this, &SigninManager::installAccount, m_worker, &SigninWorker::onInstallAccount);
    m_workerThread.startThread();
}

// The worker's thread ends first, with the account request's pipe; then a sign-in still
// waiting for the account manager is stopped.
SigninManager::~SigninManager() = default;

void SigninManager::loadedPSignin()
{
    QObject *page = QmlNames::find(m_root, QmlNames::pKeltSignin);
    if (!page) {
        qWarning("[SigninManager] ERROR: Cannot find sign-in page!");
        return;
    }
    Wiring::connect(page, QmlNames::signinKeltSignal, this, "onSigninKelt()", Qt::UniqueConnection);
    QmlCall::call(page, QmlNames::handleState, 0);
}

void SigninManager::onSigninKelt()
{
    if (!m_signin)
        return;
    if (m_signin->isRunning())
        m_signin->addAgain();
    else
        m_signin->start();
}

void SigninManager::onSigninKeltFinished()
{
    const QString userId = m_signin->userId();
    if (userId.isEmpty())
        return;
    if (m_biService) {
        m_biService->setAccountID(userId);
        m_biService->setSigninKind(QStringLiteral("login"));
    }
    setSigninState(3);
}

void SigninManager::onInstallError()
{
    qDebug("[SigninManager] Install account fail!");
    setSigninState(2);
}

void SigninManager::onInstallFinished()
{
    qDebug("[SigninManager] Install account success!");
    setSigninState(1);
}

void SigninManager::installAccountImpl()
{
    if (m_isNoAccount) {
        qDebug("[SigninManager] No need to install account, return");
        return;
    }
    qDebug("[SigninManager] installAccountImpl+");
    if (!m_netFxUtil->isNetFxInstalled()) {
        qWarning("[SigninManager] WARNING: .Net framework version not new enough, abort.");
        return;
    }
    const QString updaterFolder
        = Utils::readPath(Utils::RegKeltNova, QStringLiteral("SystemPath")) + QStringLiteral("\\Updater");
    // The pipe waits until its message or the program's end: the worker owns the run.
    auto *parser = new AccountParser;
    connect(parser, &AccountParser::installError, this, &SigninManager::onInstallError, Qt::QueuedConnection);
    connect(parser, &AccountParser::installFinished, this, &SigninManager::onInstallFinished, Qt::QueuedConnection);
    const UpdaterRun run = UpdaterRun::prepare(parser, AccountPipe, m_worker);
    run.pipeThread->start(QThread::InheritPriority);
    emit updaterInstallAccount(run.process, platform::Folders::localPath(updaterFolder), AccountPipe);
    qDebug("[SigninManager] installAccountImpl-");
}

void SigninManager::setSigninState(int state) const
{
    m_root->setProperty(QmlNames::signinState, state);
}
