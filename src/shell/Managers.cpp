#include "shell/Managers.h"

#include "account/flow/SigninManager.h"
#include "bi/BIService.h"
#include "checks/GraphicsChecker.h"
#include "checks/UrlChecker.h"
#include "checks/flow/CheckManager.h"
#include "checks/flow/NetFxUtil.h"
#include "companions/NovaportLauncher.h"
#include "companions/ScreenShot.h"
#include "companions/ShortCut.h"
#include "core/ModeFlags.h"
#include "core/QmlNames.h"
#include "core/Wiring.h"
#include "device/NOVAControl.h"
#include "device/NovaDetect.h"
#include "device/OEMProcess.h"
#include "install/UpdaterLauncher.h"
#include "install/flow/InstallManager.h"
#include "location/PathManager.h"
#include "location/Predownloader.h"
#include "shell/Closer.h"
#include "shell/Guard.h"
#include "shell/ParamHandler.h"
#include "wizard/DialogAgent.h"
#include "wizard/DialogManager.h"
#include "wizard/PageManager.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QQmlApplicationEngine>

namespace {

const QString SingleInstanceLock = QStringLiteral("Global\\QOR_INSTALLER");
const QStringList OtherSetupPrograms = { QStringLiteral("NovaProInstall.exe"), QStringLiteral("NovaInstall.exe") };
// Web addresses that the pages open directly (Qt.openUrlExternally) go through the
// link checker's browser call too, so they open as the desktop user.
const QStringList WebSchemes = { QStringLiteral("http"), QStringLiteral("https") };

} // namespace

Managers::Managers(QObject *root, const QString &version, const QString &programFolder, const ParamHandler &params,
    bool testMode, QObject *language)
    : m_root(root)
{
    biService = std::make_unique<BIService>(version);
    // The first page is already up: its step starts now.
    biService->setRecordStepStart(CPageManager::loadedPage(QmlNames::find(root, QmlNames::pageLoader)));
    biService->setCallerKind(params.callerKind());
    if (Mode::isCN())
        biService->setRegion(QStringLiteral("CN"));
    predownloader = std::make_unique<Predownloader>(programFolder);
    shortCut = std::make_unique<ShortCut>();
    closer = std::make_unique<Closer>(root, biService.get());
    dialogManager = std::make_unique<DialogManager>(root, true);
    pathManager = std::make_unique<PathManager>(root, biService.get(), Mode::isCN(), programFolder);
    graphicsChecker = std::make_unique<GraphicsChecker>();
    pageManager
        = std::make_unique<CPageManager>(root, nullptr, biService.get(), Mode::isNoAccount(), graphicsChecker.get());
    netFxUtil = std::make_unique<CNetFxUtil>(root, pageManager.get(), programFolder);
    checkManager = std::make_unique<CheckManager>(
        root, pageManager.get(), netFxUtil.get(), graphicsChecker.get(), biService.get(), programFolder);
    screenShot = std::make_unique<ScreenShot>(root, pageManager.get(), language, dialogManager.get());
    dialogAgent = std::make_unique<CDialogAgent>(root, pageManager.get());
    // The headset pages are not in this page set: both wait for their slots to be called.
    novaControl = std::make_unique<NOVAControl>(graphicsChecker.get());
    novaDetect = std::make_unique<CNovaDetect>(root, graphicsChecker.get());
    installManager = std::make_unique<InstallManager>(
        root, biService.get(), pathManager.get(), Mode::flags().productName, programFolder);
    signinManager = std::make_unique<SigninManager>(root, netFxUtil.get(), biService.get(), Mode::isNoAccount());
    guard = std::make_unique<Guard>(SingleInstanceLock, OtherSetupPrograms, Mode::isCN(), testMode);
    updaterLauncher = std::make_unique<UpdaterLauncher>(Mode::isCN());
    novaportLauncher = std::make_unique<NovaportLauncher>(CheckingWorker::InstallCheck);
    urlChecker = std::make_unique<UrlChecker>();
    oemProcess = std::make_unique<OEMProcess>(root);
    for (const QString &scheme : WebSchemes)
        QDesktopServices::setUrlHandler(scheme, urlChecker.get(), "openExternally");
}

Managers::~Managers()
{
    for (const QString &scheme : WebSchemes)
        QDesktopServices::unsetUrlHandler(scheme);
}

void Managers::connectAll(QQmlApplicationEngine &engine, ParamHandler &params)
{
    using namespace QmlNames;
    using Wiring::connect;
    QObject *header = find(m_root, pageHeader);
    QObject *loader = find(m_root, pageLoader);
    QObject *dialog = find(m_root, pageDialog);
    CPageManager *pages = pageManager.get();
    DialogManager *dialogs = dialogManager.get();

    connect(loader, jumpNextSignal, pages, "jumpNext()");
    connect(loader, jumpBackSignal, pages, "jumpBack()");
    connect(loader, loadedSignal, pages, "loaded()");
    connect(loader, setBackStatusSignal, pages, "setBackStatus(bool,bool,QString)");
    connect(loader, setNextStatusSignal, pages, "setNextStatus(bool,bool,QString)");
    connect(loader, abandonDialogSignal, pages, "onAbandonDialog(QString)");
    connect(dialog, negativePressedSignal, pages, "negativePressed()");
    connect(dialog, positivePressedSignal, pages, "positivePressed()");
    connect(dialog, negativePressedSignal, dialogs, "negativePressed()");
    connect(dialog, positivePressedSignal, dialogs, "positivePressed()");
    connect(find(m_root, pageFooter), doScreenshotSignal, screenShot.get(), "onDoScreenshot(QString)");
    connect(m_root, showDialogSignal, dialogs, "showDialog(QString)");
    connect(dialogs, &DialogManager::jumpNext, pages, &CPageManager::jumpNext);
    const auto queuedUnique = Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection);
    connect(m_root, firstActiveSignal, &params, "onFirstActive()", queuedUnique);
    connect(m_root, firstActiveSignal, guard.get(), "check()", queuedUnique);
    connect(pages, &CPageManager::startCheckManager, checkManager.get(), &CheckManager::startChecking);
    connect(pages, &CPageManager::loadedPDotNet, netFxUtil.get(), &CNetFxUtil::loadedPDotNet);
    connect(pages, &CPageManager::loadedPDriver, shortCut.get(), &ShortCut::createShortcut);
    connect(pages, &CPageManager::loadedPLegal, dialogAgent.get(), &CDialogAgent::loadedPInit03);
    connect(pages, &CPageManager::loadedPCheck, checkManager.get(), &CheckManager::loadedPCheck);
    connect(pages, &CPageManager::loadedPFolder, installManager.get(), &InstallManager::loadedPFolder);
    connect(pages, &CPageManager::setPCCheckReady, biService.get(), &BIService::setPCCheckReady);
    connect(pages, &CPageManager::loadedPInstall, installManager.get(), &InstallManager::startInstall);
    connect(
        pages, &CPageManager::loadedPSignin, signinManager.get(), &SigninManager::loadedPSignin, Qt::DirectConnection);
    connect(pages, &CPageManager::startGuide, closer.get(), &Closer::startGuide);
    connect(pages, &CPageManager::canSkipInstall, pathManager.get(), &PathManager::onCanSkipInstall);
    connect(installManager.get(), &InstallManager::startGuide, closer.get(), &Closer::startGuide);
    connect(m_root, skipInstallSignal, pages, "skipInstall()");
    connect(m_root, initPagesSignal, pages, "initPages()");
    connect(m_root, initDialogSignal, dialogs, "initDialog()");
    connect(dialogs, &DialogManager::installAccount, signinManager.get(), &SigninManager::installAccount);
    connect(pathManager.get(), &PathManager::showDialog, dialogs, &DialogManager::showDialog);
    connect(netFxUtil.get(), &CNetFxUtil::installAccount, signinManager.get(), &SigninManager::installAccount);
    connect(installManager.get(), &InstallManager::showDialog, dialogs, &DialogManager::showDialog);
    connect(dialogs, &DialogManager::returnTryAgain, installManager.get(), &InstallManager::onReturnTryAgain);
    connect(guard.get(), &Guard::showDialog, dialogs, &DialogManager::showDialog);
    connect(dialogs, &DialogManager::killAnotherInstance, guard.get(), &Guard::killAnotherInstance);
    connect(guard.get(), &Guard::checkUpdaterPassed, predownloader.get(), &Predownloader::predownload);
    connect(guard.get(), &Guard::checkUpdaterPassed, installManager.get(), &InstallManager::checkPath);
    connect(guard.get(), &Guard::checkUpdaterPassed, signinManager.get(), &SigninManager::installAccount);
    connect(m_root, languageBISignal, biService.get(), "setInstallLanguage(QString)");
    connect(closer.get(), &Closer::guideStarted, installManager.get(), &InstallManager::onGuideStarted);
    connect(pathManager.get(), &PathManager::updaterCheckSize, updaterLauncher.get(), &UpdaterLauncher::checkSize,
        Qt::DirectConnection);
    connect(signinManager.get(), &SigninManager::updaterInstallAccount, updaterLauncher.get(),
        &UpdaterLauncher::installAccount, Qt::DirectConnection);
    connect(predownloader.get(), &Predownloader::updaterPredownload, updaterLauncher.get(),
        &UpdaterLauncher::predownload, Qt::DirectConnection);
    connect(predownloader.get(), &Predownloader::downloadFinished, checkManager.get(), &CheckManager::checkGpuDriver);
    const auto direct = Qt::DirectConnection;
    InstallManager *installs = installManager.get();
    UpdaterLauncher *launcher = updaterLauncher.get();
    connect(installs, &InstallManager::updaterInstallUpdater, launcher, &UpdaterLauncher::installUpdater, direct);
    connect(installs, &InstallManager::updaterInstallHidRomCU, launcher, &UpdaterLauncher::installHidRomCU, direct);
    connect(installs, &InstallManager::updaterInstallGuide, launcher, &UpdaterLauncher::installGuide, direct);
    connect(installs, &InstallManager::updaterInstallNovaSw, launcher, &UpdaterLauncher::installNovaSw, direct);
    connect(installs, &InstallManager::updaterInstallSASteamVR, launcher, &UpdaterLauncher::installStandaloneSteamVR,
        direct);
    connect(m_root, regOpenVRDriverSignal, installs, "onRegOpenVRDriver()");
    connect(loader, launchNovaportSignal, novaportLauncher.get(), "launchNovaport()");
    connect(novaportLauncher.get(), &NovaportLauncher::prepareToQuit, pages, &CPageManager::prepareToQuit);
    connect(loader, openUrlLinkSignal, urlChecker.get(), "onOpenUrlLink(QString)");
    connect(pathManager.get(), &PathManager::showInstallPath, installManager.get(), &InstallManager::loadedPFolder);
    connect(installManager.get(), &InstallManager::checkMD5, oemProcess.get(), &OEMProcess::onCheckMD5Proc);
    connect(graphicsChecker.get(), &GraphicsChecker::setDriverVersion, checkManager.get(),
        &CheckManager::onSetDriverVersion);
    connect(pages, &CPageManager::closeApp, closer.get(), &Closer::closing);
    connect(dialogs, &DialogManager::prepareToQuit, pages, &CPageManager::prepareToQuit);
    connect(installManager.get(), &InstallManager::prepareToQuit, pages, &CPageManager::prepareToQuit);
    connect(closer.get(), &Closer::prepareToQuit, pages, &CPageManager::prepareToQuit);
    connect(closer.get(), "closeWindow()", m_root, hideWindowSlot);
    connect(closer.get(), &Closer::closeBIService, biService.get(), &BIService::close);
    connect(&engine, &QQmlApplicationEngine::quit, qApp, &QCoreApplication::quit);
    connect(closer.get(), &Closer::releaseAppLock, guard.get(), &Guard::releaseLock);
    connect(closer.get(), &Closer::killUpdaterProc, installs, &InstallManager::killUpdaterProc);
    connect(closer.get(), &Closer::writeNovaportReg, novaportLauncher.get(), &NovaportLauncher::writeNovaportReg);
    connect(header, minimizeButtonClickedSignal, pages, "onMinimizeButtonClicked()");
    connect(m_root, prepareToQuitSignal, pages, "prepareToQuit(QString)");
}
