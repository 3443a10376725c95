#include "install/flow/InstallManager.h"

#include "core/ModeFlags.h"
#include "core/QmlNames.h"
#include "core/Utils.h"
#include "core/Wiring.h"
#include "install/flow/InstallWorker.h"
#include "location/PathManager.h"
#include "platform/Folders.h"

#include <QFile>

namespace {

const QString SoftwareFolderName = QStringLiteral("NOVA");

} // namespace

InstallManager::InstallManager(
    QObject *root, BIService *biService, PathManager *pathManager, const QString &productName, QObject *parent)
    : QObject(parent)
    , m_root(root)
    , m_biService(biService)
    , m_pathManager(pathManager)
    , m_productName(productName)
{
    InstallWorker *worker = m_workerThread.prepare<InstallWorker>(*this);
    if (!worker)
        return;
    connect(this, &InstallManager::checkPath, worker, &InstallWorker::checkPath);
    m_workerThread.startThread();
}

InstallManager::~InstallManager() = default;

void InstallManager::checkPathImpl()
{
    m_pathManager->checkPath();
}

void InstallManager::loadedPFolder()
{
    using namespace QmlNames;
    QObject *page = find(m_root, pFolder);
    if (!page) {
        qWarning("[InstallManager] ERROR: Cannot find path selection page!");
        return;
    }
    // Called again when the sizes arrive while the page is up: one connection each.
    const auto unique = Qt::UniqueConnection;
    Wiring::connect(page, selectPathSignal, m_pathManager, "onSelectPath(QString)", unique);
    Wiring::connect(page, decidePathSignal, this, "decidePath(QString,QString)", unique);
    const int status = m_pathManager->sizeCheckStatus();
    qDebug("[InstallManager] Loaded path selection page. Size checking status:[%d], prev nova path:[%s, %s], prev "
           "Steam path:[%s]",
        status, qUtf8Printable(m_pathManager->prevNovaLocation()), qUtf8Printable(m_pathManager->prevNovaFolderName()),
        qUtf8Printable(m_pathManager->steamPath()));
    page->setProperty(defaultNovaLoc, m_pathManager->defaultLocation());
    page->setProperty(defaultNovaFolderName, SoftwareFolderName);
    page->setProperty(prevNovaLoc, m_pathManager->prevNovaLocation());
    page->setProperty(prevNovaFolderName, m_pathManager->prevNovaFolderName());
    page->setProperty(prevSteamPath, m_pathManager->steamPath());
    if (status == PathManager::SizesKnown) {
        m_pathManager->decideSkipInstall();
        m_pathManager->showPrevPathSizeInfo();
    } else {
        qWarning("[PathManager] WARNING: Download size checking not ready at the moment!");
    }

    // The resume entry on the desktop has done its job once the folder page is reached.
    const QString shortcut = platform::Folders::desktop() + QLatin1Char('/') + Utils::ShortcutFileName;
    qDebug("[InstallManager] Delete NovaTundraSetup.lnk");
    if (QFile::exists(shortcut) && !QFile::remove(shortcut))
        qWarning("[InstallManager] Error: Fail to remove %s", qUtf8Printable(shortcut));
}

void InstallManager::decidePath(const QString &loc, const QString &folderName)
{
    const QString prevLocation = m_pathManager->prevNovaLocation();
    const QString prevFolderName = m_pathManager->prevNovaFolderName();
    if (Mode::isSWOA()) {
        // The page offers the earlier installation's folder first: another folder
        // means moving the software.
        m_installLocation = loc;
        m_installFolderName = folderName;
    } else if (!prevLocation.isEmpty()) {
        m_installLocation = prevLocation;
        m_installFolderName = prevFolderName;
    } else {
        m_installLocation = m_pathManager->defaultLocation();
        m_installFolderName = SoftwareFolderName;
    }
    qDebug("[InstallManager] Decided to install NOVA to: [%s, %s]", qUtf8Printable(m_installLocation),
        qUtf8Printable(m_installFolderName));
    if (Mode::isSWOA() && !prevLocation.isEmpty()
        && (prevLocation != m_installLocation || prevFolderName != m_installFolderName)) {
        qDebug("[InstallManager] Different from previous NOVA installation path. Need to uninstall.");
        m_needUninstall = true;
    }
    const QString prevSteam = m_pathManager->steamPath();
    m_steamFolder = !prevSteam.isEmpty() ? prevSteam : loc + QLatin1Char('\\') + folderName;
    qDebug("[InstallManager] Decided to install Steam to: %s", qUtf8Printable(m_steamFolder));
}
