#include "shell/Managers.h"

#include "bi/BIService.h"
#include "checks/flow/CheckManager.h"
#include "checks/GraphicsChecker.h"
#include "checks/flow/NetFxUtil.h"
#include "companions/ShortCut.h"
#include "install/UpdaterLauncher.h"
#include "shell/Closer.h"
#include "core/ModeFlags.h"
#include "shell/ParamHandler.h"
#include "wizard/DialogAgent.h"
#include "wizard/DialogManager.h"
#include "wizard/PageManager.h"

#include <QCoreApplication>
#include <QQmlApplicationEngine>

Managers::Managers(QObject *root, const QString &version, const QString &programFolder, const ParamHandler &params)
    : m_root(root)
{
    biService = std::make_unique<BIService>(version);
    // The first page is already up: its step starts now.
    biService->setRecordStepStart(CPageManager::loadedPage(root->findChild<QObject *>(QStringLiteral("pageLoader"))));
    biService->setCallerKind(params.callerKind());
    if (Mode::isCN())
        biService->setRegion(QStringLiteral("CN"));
    shortCut = std::make_unique<ShortCut>();
    closer = std::make_unique<Closer>(root, biService.get());
    dialogManager = std::make_unique<DialogManager>(root, true);
    graphicsChecker = std::make_unique<GraphicsChecker>();
    pageManager
        = std::make_unique<CPageManager>(root, nullptr, biService.get(), Mode::isNoAccount(), graphicsChecker.get());
    netFxUtil = std::make_unique<CNetFxUtil>(root, pageManager.get(), programFolder);
    checkManager = std::make_unique<CheckManager>(
        root, pageManager.get(), netFxUtil.get(), graphicsChecker.get(), biService.get(), programFolder);
    dialogAgent = std::make_unique<CDialogAgent>(root, pageManager.get());
    updaterLauncher = std::make_unique<UpdaterLauncher>(Mode::isCN());
}

Managers::~Managers() = default;

void Managers::connectAll(QQmlApplicationEngine &engine, ParamHandler &params)
{
    QObject *pageHeader = m_root->findChild<QObject *>(QStringLiteral("pageHeader"));
    QObject *pageLoader = m_root->findChild<QObject *>(QStringLiteral("pageLoader"));
    QObject *pageDialog = m_root->findChild<QObject *>(QStringLiteral("pageDialog"));
    CPageManager *pages = pageManager.get();
    DialogManager *dialogs = dialogManager.get();

    QObject::connect(pageLoader, SIGNAL(jumpNext()), pages, SLOT(jumpNext()));
    QObject::connect(pageLoader, SIGNAL(jumpBack()), pages, SLOT(jumpBack()));
    QObject::connect(pageLoader, SIGNAL(loaded()), pages, SLOT(loaded()));
    QObject::connect(
        pageLoader, SIGNAL(setBackStatus(bool, bool, QString)), pages, SLOT(setBackStatus(bool, bool, QString)));
    QObject::connect(
        pageLoader, SIGNAL(setNextStatus(bool, bool, QString)), pages, SLOT(setNextStatus(bool, bool, QString)));
    QObject::connect(pageLoader, SIGNAL(abandonDialog(QString)), pages, SLOT(onAbandonDialog(QString)));
    QObject::connect(pageDialog, SIGNAL(negativePressed()), pages, SLOT(negativePressed()));
    QObject::connect(pageDialog, SIGNAL(positivePressed()), pages, SLOT(positivePressed()));
    QObject::connect(pageDialog, SIGNAL(negativePressed()), dialogs, SLOT(negativePressed()));
    QObject::connect(pageDialog, SIGNAL(positivePressed()), dialogs, SLOT(positivePressed()));
    QObject::connect(m_root, SIGNAL(showDialog(QString)), dialogs, SIGNAL(showDialog(QString)));
    QObject::connect(dialogs, &DialogManager::jumpNext, pages, &CPageManager::jumpNext);
    QObject::connect(m_root, SIGNAL(firstActive()), &params, SLOT(onFirstActive()),
        Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
    QObject::connect(pages, &CPageManager::startCheckManager, checkManager.get(), &CheckManager::startChecking);
    QObject::connect(pages, &CPageManager::loadedPDotNet, netFxUtil.get(), &CNetFxUtil::loadedPDotNet);
    QObject::connect(pages, &CPageManager::loadedPDriver, shortCut.get(), &ShortCut::createShortcut);
    QObject::connect(pages, &CPageManager::loadedPLegal, dialogAgent.get(), &CDialogAgent::loadedPInit03);
    QObject::connect(pages, &CPageManager::loadedPCheck, checkManager.get(), &CheckManager::loadedPCheck);
    QObject::connect(pages, &CPageManager::setPCCheckReady, biService.get(), &BIService::setPCCheckReady);
    QObject::connect(pages, &CPageManager::startGuide, closer.get(), &Closer::startGuide);
    QObject::connect(m_root, SIGNAL(skipInstall()), pages, SLOT(skipInstall()));
    QObject::connect(m_root, SIGNAL(initPages()), pages, SLOT(initPages()));
    QObject::connect(m_root, SIGNAL(initDialog()), dialogs, SLOT(initDialog()));
    QObject::connect(m_root, SIGNAL(languageBI(QString)), biService.get(), SLOT(setInstallLanguage(QString)));
    QObject::connect(graphicsChecker.get(), &GraphicsChecker::setDriverVersion, checkManager.get(),
        &CheckManager::onSetDriverVersion);
    QObject::connect(pages, &CPageManager::closeApp, closer.get(), &Closer::closing);
    QObject::connect(dialogs, &DialogManager::prepareToQuit, pages, &CPageManager::prepareToQuit);
    QObject::connect(closer.get(), &Closer::prepareToQuit, pages, &CPageManager::prepareToQuit);
    QObject::connect(closer.get(), SIGNAL(closeWindow()), m_root, SLOT(hideWindow()));
    QObject::connect(closer.get(), &Closer::closeBIService, biService.get(), &BIService::close);
    QObject::connect(&engine, &QQmlApplicationEngine::quit, qApp, &QCoreApplication::quit);
    QObject::connect(pageHeader, SIGNAL(minimizeButtonClicked()), pages, SLOT(onMinimizeButtonClicked()));
    QObject::connect(m_root, SIGNAL(prepareToQuit(QString)), pages, SLOT(prepareToQuit(QString)));
}
