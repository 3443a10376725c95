#include "checks/flow/NetFxUtil.h"

#include "checks/flow/NetWorker.h"
#include "companions/ShortCut.h"
#include "core/QmlCall.h"
#include "core/QmlNames.h"
#include "core/Utils.h"
#include "core/Wiring.h"
#include "platform/Power.h"
#include "wizard/DialogAgentWorker.h"
#include "wizard/PageManager.h"

#include <array>

namespace {

struct KnownRelease {
    quint32 release;
    const char *line;
};

const std::array<KnownRelease, 7> KnownReleases { {
    { 378389, "[NetFxUtil] .NET Framework 4.5" },
    { 378675, "[NetFxUtil] .NET Framework 4.5.1 installed with Windows 8.1 or Windows Server 2012 R2" },
    { 378758, "[NetFxUtil] .NET Framework 4.5.1 installed on Windows 8, Windows 7 SP1, or Windows Vista SP2" },
    { 379893, "[NetFxUtil] .NET Framework 4.5.2" },
    { 393295, "[NetFxUtil] .NET Framework 4.6" },
    { 393297, "[NetFxUtil] .NET Framework 4.6" },
    { 394256, "[NetFxUtil] .NET Framework 4.6.1 RC" },
} };

// The page's button states.
enum ButtonState { TryAgain = 1, Restart = 2, Installed = 3 };

} // namespace

const QString CNetFxUtil::ReleaseKey
    = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\NET Framework Setup\\NDP\\v4\\Full");

CNetFxUtil::CNetFxUtil(QObject *root, CPageManager *pageManager, const QString &programFolder, QObject *parent)
    : QObject(parent)
    , m_rootObject(root)
    , m_pageManager(pageManager)
{
    if (auto *worker = m_installerThread.start<NetWorker>(programFolder)) {
        connect(this, &CNetFxUtil::launchInstaller, worker, &NetWorker::launchInstaller);
        connect(worker, &NetWorker::installFinished, this, &CNetFxUtil::installFinished);
    }
    if (auto *worker = m_dialogThread.start<CDialogAgentWorker>(pageManager)) {
        connect(this, &CNetFxUtil::showDialog, worker, &CDialogAgentWorker::onShowDialog);
        connect(worker, &CDialogAgentWorker::sendResult, this, &CNetFxUtil::onSendResult);
    }
}

CNetFxUtil::~CNetFxUtil()
{
    // The dialog worker may wait for an answer that will not come now.
    if (m_pageManager)
        m_pageManager->closeDialogs();
}

bool CNetFxUtil::isNetFxInstalled() const
{
    const quint32 release = Utils::readRegValue(ReleaseKey, QStringLiteral("Release")).toUInt();
    qDebug("[NetFxUtil] .NET Framework Installed Version = %u", release);
    for (const KnownRelease &known : KnownReleases) {
        if (known.release == release)
            qDebug("%s", known.line);
    }
    return release >= RequiredRelease;
}

void CNetFxUtil::loadedPDotNet()
{
    QObject *pageLoader = QmlNames::find(m_rootObject, QmlNames::pageLoader);
    m_page = pageLoader ? QmlNames::find(pageLoader, QmlNames::pDotNet) : nullptr;
    if (!m_page) {
        qWarning("[NetFxUtil] WARNING: Cannot find the pDotNet page.");
        return;
    }
    Wiring::connect(m_page, QmlNames::installNetFxSignal, this, "installNetFx()", Qt::UniqueConnection);
    Wiring::connect(m_page, QmlNames::rebootSignal, this, "reboot()", Qt::UniqueConnection);
    Wiring::connect(m_page, QmlNames::closeSetupSignal, this, "closeSetup()", Qt::UniqueConnection);
    QmlCall::call(m_page, QmlNames::decideNextText);
}

void CNetFxUtil::installNetFx()
{
    emit launchInstaller();
}

void CNetFxUtil::installFinished(int nExitCode)
{
    qDebug("[NetFxUtil] Installation finished, exit code: %d", nExitCode);
    if (m_pageManager)
        m_pageManager->setBackStatus(true, true, QString());
    switch (nExitCode) {
    case 0:
        qDebug("[NetFxUtil] Installation completed successfully.");
        setButtonState(Installed);
        if (m_pageManager)
            m_pageManager->setSkipPDotNet(true);
        emit installAccount();
        return;
    case 1602:
        qDebug("[NetFxUtil] The user canceled installation.");
        setButtonState(TryAgain);
        return;
    case 1603:
        qDebug("[NetFxUtil] A fatal error occurred during installation.");
        setButtonState(TryAgain);
        return;
    case 1641:
    case 3010:
        qDebug("[NetFxUtil] A restart is required to complete the installation. This message indicates success.");
        break;
    case 5100:
        qDebug("[NetFxUtil] The user's computer does not meet system requirements.");
        break;
    default:
        qDebug("[NetFxUtil] Unknown exit code");
        break;
    }
    setButtonState(Restart);
    createResumeShortcut();
}

void CNetFxUtil::reboot()
{
    if (!platform::Power::restart(0))
        qWarning("[NetFxUtil] ERROR: Failed to restart computer.");
}

void CNetFxUtil::closeSetup()
{
    askWithDialog(QStringLiteral("CommonError"));
}

void CNetFxUtil::onShowDialog(const QString &link)
{
    m_link = link;
    askWithDialog(QStringLiteral("DriverLink"));
}

void CNetFxUtil::onSendResult(const QString &dialogName, bool bResult)
{
    if (!m_pageManager)
        return;
    if (dialogName == QLatin1String("DriverLink") && bResult) {
        createResumeShortcut();
        m_pageManager->prepareToQuit(QStringLiteral("driver"));
    } else if (dialogName == QLatin1String("CommonError") && !bResult) {
        // "QUIT SETUP" is this dialog's negative button; its positive one goes back.
        m_pageManager->prepareToQuit(QStringLiteral("normal"));
    }
}

void CNetFxUtil::askWithDialog(const QString &dialogName)
{
    const std::optional<PageDialogEntry> entry = m_pageManager ? m_pageManager->dialogEntry(dialogName) : std::nullopt;
    if (!entry) {
        qWarning("[NetFxUtil] ERROR: No dialog %s", qUtf8Printable(dialogName));
        return;
    }
    emit showDialog(dialogName, entry->title, entry->description, entry->negative, entry->positive);
}

void CNetFxUtil::setButtonState(int state)
{
    m_rootObject->setProperty(QmlNames::dotNetBtnState, state);
}

void CNetFxUtil::createResumeShortcut()
{
    ShortCut().createShortcut();
}
