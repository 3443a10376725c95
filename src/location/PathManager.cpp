#include "location/PathManager.h"

#include "bi/BIService.h"
#include "core/ModeFlags.h"
#include "core/QmlCall.h"
#include "core/QmlNames.h"
#include "core/Queued.h"
#include "core/Utils.h"
#include "install/SizeParser.h"
#include "install/UpdaterRun.h"
#include "platform/Folders.h"
#include "platform/Registry.h"
#include "platform/Storage.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace {

const QString SoftwareFolderName = QStringLiteral("NOVA");
const QString SteamFolderName = QStringLiteral("Steam");
const QString BlankPipe = QStringLiteral("check_blank_dl_pipe");
const QString ExistingPipe = QStringLiteral("check_exist_dl_pipe");
// "SteamVR is installed in Steam": exits with the registry value, 1 when installed.
const QString SteamVRQuery = QStringLiteral(" HKEY_CURRENT_USER Software\\Valve\\Steam\\Apps\\250820 Installed");

bool exists(const QString &path)
{
    return QFileInfo::exists(platform::Folders::localPath(path));
}

QString folderNameForMode()
{
    return Mode::isSWOA() ? SoftwareFolderName : SteamFolderName;
}

// Whether the volume of location has too little room, logged; unknown space is too little.
bool hasNoRoom(const QString &location)
{
    const platform::Storage::FreeSpace space = platform::Storage::freeSpace(location);
    if (space.bytes < 0)
        qWarning("[PathManager] WARNING: Cannot query available space");
    else
        qDebug("[PathManager] %s has %lld Bytes available", qUtf8Printable(space.volumeRoot), space.bytes);
    return space.bytes < PathManager::RequiredFreeBytes;
}

} // namespace

PathManager::PathManager(QObject *root, BIService *biService, bool isCN, const QString &programFolder, QObject *parent)
    : QObject(parent)
    , m_root(root)
    , m_biService(biService)
    , m_isCN(isCN)
    , m_programFolder(Utils::withBackslashes(programFolder))
{
    const QString programFiles = platform::Folders::environmentFolder(QStringLiteral("PROGRAMFILES"));
    if (programFiles.isEmpty()) {
        m_defaultLocation = QDir::currentPath();
        qDebug("[PathManager] Cannot find program files folder, current folder: %s", qUtf8Printable(m_defaultLocation));
        return;
    }
    m_defaultLocation = Utils::withBackslashes(programFiles);
    qDebug("[PathManager] Found program files folder: %s", qUtf8Printable(m_defaultLocation));
    const QString programFiles64 = platform::Folders::environmentFolder(QStringLiteral("PROGRAMW6432"));
    if (!programFiles64.isEmpty()) {
        m_programFiles64 = Utils::withBackslashes(programFiles64);
        qDebug("[PathManager] Found 64-bit program files folder: %s", qUtf8Printable(m_programFiles64));
    }
}

PathManager::~PathManager() = default;

QString PathManager::guideProgramTail(const QString &deviceName)
{
    if (deviceName == QLatin1String("NOVA Tundra Elite"))
        return QStringLiteral("\\App\\NovaTundraEGuide\\NovaTundraEGuide.exe");
    if (deviceName == QLatin1String("NOVA Tundra"))
        return QStringLiteral("\\App\\NovaTundraGuide\\NovaTundraGuide.exe");
    return QStringLiteral("\\App\\Nova2020Guide\\Nova2020Guide.exe");
}

QPair<QString, QString> PathManager::splitPath(const QString &path)
{
    const QString converted = Utils::withBackslashes(path);
    const int separator = converted.lastIndexOf(QLatin1Char('\\'));
    if (separator < 0)
        return { converted, QString() };
    return { converted.left(separator), converted.mid(separator + 1) };
}

int PathManager::firstBadCharacter(const QString &path)
{
    for (int i = 0; i < path.size(); ++i) {
        const ushort unit = path.at(i).unicode();
        if (unit < 32 || unit > 126)
            return i;
    }
    return -1;
}

bool PathManager::decideCanSkip(const EarlierInstallations &found, bool isSWOA)
{
    const bool previous = !found.prevNovaLocation.isEmpty();
    if (isSWOA)
        return previous;
    const bool steamVRReady
        = found.shouldUseSASteamVR ? found.standaloneSteamVR : !found.steamPath.isEmpty() && found.steamVRInSteam;
    return previous && found.guideExists && steamVRReady;
}

void PathManager::checkPath()
{
    const EarlierInstallations found = detect();
    // The findings and everything after them belong to this object's thread, where
    // the page and the answers read them.
    Queued::call(this, [this, found] { onDetected(found); });
}

EarlierInstallations PathManager::detect() const
{
    EarlierInstallations found;
    const QString systemPath = Utils::readPath(Utils::RegKeltNova, QStringLiteral("SystemPath"));
    if (!systemPath.isEmpty() && exists(systemPath)) {
        qDebug("[PathManager] Found NOVA in: %s", qUtf8Printable(systemPath));
        const auto [location, folderName] = splitPath(systemPath);
        if (folderName.isNull())
            qDebug("[PathManager] There is no separator in the path: %s", qUtf8Printable(systemPath));
        else
            qDebug("[PathManager] Parsed location: %s, folder name: %s", qUtf8Printable(location),
                qUtf8Printable(folderName));
        found.prevNovaLocation = location;
        found.prevNovaFolderName = folderName;
    }

    if (!found.prevNovaLocation.isEmpty()) {
        const QString guide = found.prevNovaLocation + QLatin1Char('\\') + found.prevNovaFolderName
            + QStringLiteral("\\Updater") + guideProgramTail(Mode::flags().productName);
        found.guideExists = exists(guide);
        if (found.guideExists)
            qDebug("[PathManager] Found Guide in: %s", qUtf8Printable(guide));
        else
            qDebug("[PathManager] Guide file doesn't exist");
    } else {
        qDebug("[PathManager] No NOVA installed before");
    }

    const QString steamPath = Utils::readPath(Utils::RegSteamMachine, QStringLiteral("InstallPath"));
    if (!steamPath.isEmpty() && exists(steamPath + QStringLiteral("\\Steam.exe"))) {
        qDebug("[PathManager] Found Steam in: %s", qUtf8Printable(steamPath));
        found.steamPath = steamPath;
    }

    if (!found.steamPath.isEmpty()) {
        const QString toolFolder
            = Utils::readPath(Utils::RegUpdater, QStringLiteral("AppPath")) + QStringLiteral("\\App\\OOBETool");
        const QString tool = platform::Folders::localPath(toolFolder + QStringLiteral("/GetReg.exe"));
        int exitCode = -1;
        Utils::launchAsUser(platform::Folders::localPath(toolFolder),
            QLatin1Char('"') + tool + QLatin1Char('"') + SteamVRQuery, exitCode, true, true);
        found.steamVRInSteam = exitCode == 1;
    } else {
        qDebug("[PathManager] No Steam installed before");
        if (!m_isCN) {
            found.steamExtraBytes += SteamClientBytes;
        } else {
            qDebug("[PathManager] Should use standalone SteamVR");
            found.shouldUseSASteamVR = true;
        }
    }

    if (found.steamVRInSteam) {
        qDebug("[PathManager] Found SteamVR installed");
    } else {
        qDebug("[PathManager] No SteamVR installed before");
        if (!found.shouldUseSASteamVR)
            found.steamExtraBytes += SteamVRBytes;
    }

    found.standaloneSteamVR
        = platform::Registry::read(Utils::RegKeltNova, QStringLiteral("StandaloneSteamVRInstalled")).toUInt() == 1;
    if (found.standaloneSteamVR)
        qDebug("[PathManager] Found standalone SteamVR installed before");
    else
        qDebug("[PathManager] No standalone SteamVR installed before");

    if (!found.steamVRInSteam && !found.standaloneSteamVR) {
        qDebug("[PathManager] No steamvr installed.");
        // A paths file left by a removed SteamVR would point the new one at folders
        // that are gone.
        const QString pathsFile = platform::Folders::localAppData() + QStringLiteral("/openvr/openvrpaths.vrpath");
        qDebug("[PathManager] AppData Local location: %s", qUtf8Printable(pathsFile));
        if (QFile::exists(pathsFile) && QFile::remove(pathsFile))
            qDebug("[PathManager] remove file success.");
    }
    return found;
}

void PathManager::onDetected(const EarlierInstallations &found)
{
    m_found = found;
    if (m_biService)
        m_biService->setInstalledStatus(!found.prevNovaLocation.isEmpty(), !found.steamPath.isEmpty(),
            found.steamVRInSteam, found.standaloneSteamVR);
    m_sizeCheckStatus = Checking;
    if (m_found.prevNovaLocation.isEmpty())
        checkBlankSize();
    else
        checkExistingSize();
}

void PathManager::checkBlankSize()
{
    qDebug("[PathManager] Check download size for blank NOVA installation");
    m_checkingBlank = true;
    startSizeCheck(m_programFolder + QStringLiteral("\\Updater"), BlankPipe, &PathManager::onCheckBlankDLSizeFinished);
}

void PathManager::checkExistingSize()
{
    qDebug("[PathManager] Check download size for existing NOVA software");
    m_checkingBlank = false;
    startSizeCheck(
        m_found.prevNovaLocation + QLatin1Char('\\') + m_found.prevNovaFolderName + QStringLiteral("\\Updater"),
        ExistingPipe, &PathManager::onCheckExistDLSizeFinished);
}

void PathManager::startSizeCheck(
    const QString &updaterDirPath, const QString &pipeName, void (PathManager::*finished)(qint64))
{
    auto *parser = new SizeParser;
    const UpdaterRun run = UpdaterRun::prepare(parser, pipeName, this);
    // Queued: a new check starts only once this one's pipe has been closed.
    connect(parser, &SizeParser::checkError, this, &PathManager::onCheckDLSizeError, Qt::QueuedConnection);
    connect(parser, &SizeParser::checkFinished, this, finished, Qt::QueuedConnection);
    run.pipeThread->start();
    emit updaterCheckSize(
        run.process, platform::Folders::localPath(updaterDirPath), pipeName, m_found.shouldUseSASteamVR);
}

void PathManager::onCheckExistDLSizeFinished(qint64 sizeBytes)
{
    qDebug("[PathManager] Existing NOVA software requires %lld Bytes download", sizeBytes);
    m_existingDownloadBytes = sizeBytes;
    checkBlankSize();
}

void PathManager::onCheckDLSizeError()
{
    qWarning("[PathManager] ERROR: Checking download size meets error");
    if (!m_checkingBlank) {
        m_sizeCheckStatus = ExistingCheckFailed;
    } else if (++m_blankCheckFailures >= BlankCheckTries) {
        // A broken updater would otherwise be started again for ever.
        qWarning("[PathManager] ERROR: Blank installation size check failed %d times in a row, stop checking",
            m_blankCheckFailures);
        return;
    }
    checkBlankSize();
}

void PathManager::onCheckBlankDLSizeFinished(qint64 sizeBytes)
{
    qDebug("[PathManager] Blank NOVA installation requires %lld Bytes download", sizeBytes);
    m_blankCheckFailures = 0;
    m_blankDownloadBytes = sizeBytes;
    if (m_sizeCheckStatus == ExistingCheckFailed)
        m_existingDownloadBytes = sizeBytes;
    m_sizeCheckStatus = SizesKnown;
    emit showInstallPath();
    decideSkipInstall();
}

void PathManager::decideSkipInstall()
{
    m_canSkipInstall = decideCanSkip(m_found, Mode::isSWOA());
    qDebug("[PathManager] decideSkipInstall(): Can skip install? [%d] [%d, %d, %d, %d, %d, %d]", m_canSkipInstall,
        !m_found.prevNovaLocation.isEmpty(), m_found.guideExists, m_found.shouldUseSASteamVR,
        !m_found.steamPath.isEmpty(), m_found.steamVRInSteam, m_found.standaloneSteamVR);
    if (QObject *page = folderPage())
        page->setProperty(QmlNames::canSkipInstall, m_canSkipInstall);
    else
        qDebug("[PathManager] decideSkipInstall(): Not in path selection page right now");
}

void PathManager::showPrevPathSizeInfo()
{
    if (!m_found.prevNovaLocation.isEmpty())
        calcSizeInfo(m_found.prevNovaLocation, m_found.prevNovaFolderName);
    else
        calcSizeInfo(m_defaultLocation, SoftwareFolderName);
}

void PathManager::calcSizeInfo(const QString &location, const QString &folderName)
{
    qDebug("[PathManager] Calculate required space for [%s, %s]", qUtf8Printable(location), qUtf8Printable(folderName));
    const bool earlier
        = !location.isEmpty() && location == m_found.prevNovaLocation && folderName == m_found.prevNovaFolderName;
    const qint64 download = 5 * (earlier ? m_existingDownloadBytes : m_blankDownloadBytes);
    if (Mode::isSWOA())
        qDebug("[PathManager] Require: %lld Bytes", download);
    else
        qDebug("[PathManager] Require: %lld Bytes (NOVA:%lld, Steam:%lld)", download + m_found.steamExtraBytes,
            download, m_found.steamExtraBytes);
    QObject *page = folderPage();
    if (!page) {
        qDebug("[PathManager] calcSizeInfo(): Not in path selection page right now");
        return;
    }
    const bool noRoom = hasNoRoom(location);
    qDebug("[PathManager] No enough space?[%d]", noRoom);
    QmlCall::call(page, QmlNames::setSizeInfo, RequiredFreeBytes, noRoom);
}

void PathManager::onSelectPath(const QString &initPath)
{
    qDebug("[PathManager] Show file dialog with init location: %s", qUtf8Printable(initPath));
    // Qt's own dialog, the same on every desktop and driven by the keyboard alone.
    const QString chosen = QFileDialog::getExistingDirectory(nullptr, tr("Please choose a folder"),
        platform::Folders::localPath(initPath), QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    QString location;
    QString folderName;
    if (!chosen.isEmpty()) {
        location = Utils::withBackslashes(chosen);
        if (!m_programFiles64.isEmpty() && location == m_programFiles64) {
            qWarning("[PathManager] WARNING: User selected 64-bit program files folder [%s]. Redirect to default "
                     "folder.",
                qUtf8Printable(location));
            location = m_defaultLocation;
        }
        folderName = folderNameForMode();
        qDebug("[PathManager] Selected path: [%s, %s]", qUtf8Printable(location), qUtf8Printable(folderName));
        const int bad = firstBadCharacter(location);
        if (bad >= 0) {
            qDebug("[PathManager] Character %s, %d, not within Basic Latin catergory",
                qUtf8Printable(QString(location.at(bad))), location.at(bad).unicode());
            qDebug("[PathManager] Selected path contains bad characters. Can't use it.");
            location.clear();
            folderName.clear();
            emit showDialog(QStringLiteral("FL001"));
        } else if (m_sizeCheckStatus == SizesKnown) {
            calcSizeInfo(location, folderName);
        }
    } else {
        qDebug("[PathManager] User didn't select path");
    }
    if (QObject *page = folderPage())
        QmlCall::call(page, QmlNames::returnSelectedPath, location, folderName);
    else
        qWarning("[PathManager] ERROR: Cannot find path selection page!");
}

QObject *PathManager::folderPage() const
{
    return QmlNames::find(m_root, QmlNames::pFolder);
}
