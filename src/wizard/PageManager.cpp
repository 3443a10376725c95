#include "wizard/PageManager.h"

#include "bi/BIService.h"
#include "checks/GraphicsChecker.h"
#include "core/ModeFlags.h"
#include "core/QmlCall.h"
#include "core/QmlNames.h"
#include "core/Utils.h"
#include "wizard/DialogWorker.h"
#include "wizard/StartupChecks.h"

#include <QCoreApplication>
#include <QProcess>
#include <QThread>
#include <QUrl>
#include <QWindow>

#include <utility>

namespace {

const QString PCheck = QStringLiteral("pCheck.qml");
const QString PDotNet = QStringLiteral("pDotNet.qml");
const QString PDriver = QStringLiteral("pDriver.qml");

// The signal that tells a page's manager that its page is up.
const std::pair<const char *, void (CPageManager::*)()> LoadedSignals[] = {
    { "pDotNet.qml", &CPageManager::loadedPDotNet },
    { "pDriver.qml", &CPageManager::loadedPDriver },
    { "pLegal.qml", &CPageManager::loadedPLegal },
    { "pCheck.qml", &CPageManager::loadedPCheck },
    { "pFolder.qml", &CPageManager::loadedPFolder },
    { "pInstall.qml", &CPageManager::loadedPInstall },
    { "pKeltSignin.qml", &CPageManager::loadedPSignin },
};

const char *yesNo(bool value)
{
    return value ? "true" : "false";
}

} // namespace

CPageManager::CPageManager(
    QObject *root, QObject *parent, BIService *biService, bool isNoAccount, GraphicsChecker *graphicsChecker)
    : QObject(parent)
    , m_root(root)
    , m_pageHeader(QmlNames::find(root, QmlNames::pageHeader))
    , m_pageLoader(QmlNames::find(root, QmlNames::pageLoader))
    , m_pageFooter(QmlNames::find(root, QmlNames::pageFooter))
    , m_biService(biService)
    , m_graphicsChecker(graphicsChecker)
{
    Q_UNUSED(isNoAccount) // no page list of this program depends on it
    if (auto *worker = m_dialogThread.start<DialogWorker>(this))
        connect(this, &CPageManager::showDialogByWorker, worker, &DialogWorker::showDialog, Qt::QueuedConnection);
    initPages();

    if (!StartupChecks::isUserAdmin())
        emit showDialogByWorker(QStringLiteral("Init00Err1"));
    if (StartupChecks::removeCompatibilityMode(QCoreApplication::applicationFilePath()))
        emit showDialogByWorker(QStringLiteral("Init00Err5"));
}

CPageManager::~CPageManager()
{
    // The dialog worker may wait for an answer that will never come.
    closeDialogs();
}

QString CPageManager::loadedPage(const QObject *pageLoader)
{
    if (!pageLoader)
        return QString();
    return pageLoader->property(QmlNames::source).toUrl().toString().remove(QStringLiteral("qrc:/"));
}

void CPageManager::start()
{
    QObject *legal = QmlNames::find(m_root, QmlNames::pLegal);
    QmlCall::call(legal ? QmlNames::find(legal, QmlNames::languageSelector) : nullptr, QmlNames::setDefaultLang);
    emit startCheckManager();
}

void CPageManager::initPages()
{
    m_pages = buildPageList(Mode::isSWOA(), Mode::isOtherDev());
    m_dialogs.replace(buildPageDialogCatalogue(Mode::isSWOA()));
}

std::optional<PageDialogEntry> CPageManager::dialogEntry(const QString &messageId) const
{
    return m_dialogs.find(messageId);
}

void CPageManager::closeDialogs()
{
    m_dialog.shutDown();
}

int CPageManager::showDialogInt(const QString &messageId)
{
    const std::optional<PageDialogEntry> entry = dialogEntry(messageId);
    if (!entry) {
        qWarning("[PageManager] ERROR: Unknown dialog ID %s", qUtf8Printable(messageId));
        return BlockingDialog::Abandoned;
    }
    return showDialogInt(*entry);
}

int CPageManager::showDialogInt(const PageDialogEntry &entry)
{
    if (QThread::currentThread() == thread()) {
        qWarning("[PageManager] ERROR: Dialog %s asked for on the user-interface thread, not shown",
            qUtf8Printable(entry.id));
        return BlockingDialog::Abandoned;
    }
    return m_dialog.exec([&] {
        return QmlCall::post(m_pageLoader.data(), QmlNames::setFullWindow, entry.fullWindow)
            && QmlCall::post(m_pageLoader.data(), QmlNames::showDialogImpl, entry.title, entry.description,
                entry.negative, entry.positive, entry.enhanced, entry.id);
    });
}

void CPageManager::negativePressed()
{
    m_dialog.answer(BlockingDialog::Negative);
}

void CPageManager::positivePressed()
{
    m_dialog.answer(BlockingDialog::Positive);
}

void CPageManager::onAbandonDialog(const QString &targetID)
{
    const QObject *dialog = QmlNames::find(m_root, QmlNames::pageDialog);
    if (!dialog || !dialog->property(QmlNames::visible).toBool()
        || dialog->property(QmlNames::dialogID).toString() != targetID)
        return;
    qDebug("[PageManager] Current dialog is %s, abandon it", qUtf8Printable(targetID));
    QmlCall::call(m_pageLoader.data(), QmlNames::closeDialog);
    m_dialog.answer(BlockingDialog::Abandoned);
}

QString CPageManager::currentPage() const
{
    return loadedPage(m_pageLoader.data());
}

int CPageManager::currentIndex() const
{
    return indexOf(currentPage());
}

QString CPageManager::pageName(int index) const
{
    return index >= 0 && index < m_pages.size() ? m_pages.at(index).name : QString();
}

int CPageManager::indexOf(const QString &pageName) const
{
    for (int i = 0; i < m_pages.size(); ++i) {
        if (m_pages.at(i).name == pageName)
            return i;
    }
    return 0;
}

QString CPageManager::finalPageName() const
{
    const QString name = pageName(int(m_pages.size()) - 1);
    qDebug("[PageManager] Final page name: %s", qUtf8Printable(name));
    return name;
}

void CPageManager::setSkipPCheck(bool skip)
{
    qDebug("[PageManager] Should skip pCheck? %s", yesNo(skip));
    m_skipPCheck = skip;
}

void CPageManager::setSkipPDotNet(bool skip)
{
    qDebug("[PageManager] Should skip pDotNet? %s", yesNo(skip));
    m_skipPDotNet = skip;
}

void CPageManager::setSkipPDriver(bool skip)
{
    qDebug("[PageManager] Should skip pDriver? %s", yesNo(skip));
    m_skipPDriver = skip;
}

bool CPageManager::isSkipped(int index) const
{
    const QString name = pageName(index);
    return (name == PCheck && m_skipPCheck) || (name == PDotNet && m_skipPDotNet) || (name == PDriver && m_skipPDriver);
}

void CPageManager::jumpNext()
{
    qDebug("[PageManager] Jump to next page");
    jump(currentIndex(), true);
}

void CPageManager::jumpBack()
{
    qDebug("[PageManager] Jump to previous page");
    jump(currentIndex(), false);
}

void CPageManager::jump(const QString &pageName)
{
    const int index = indexOf(pageName);
    const int current = currentIndex();
    qDebug("[PageManager] Jump to %s, index: %d CurrentPage: %s current index: %d", qUtf8Printable(pageName), index,
        qUtf8Printable(currentPage()), current);
    jumpTo(current, index);
}

void CPageManager::jump(int fromIndex, bool isToNext)
{
    const int step = isToNext ? 1 : -1;
    int candidate = qMax(0, fromIndex + step);
    while (candidate < m_pages.size() && isSkipped(candidate)) {
        qDebug("[PageManager] Skip page %d : %s", candidate, qUtf8Printable(pageName(candidate)));
        if (candidate == 0 && !isToNext)
            break;
        candidate += step;
    }
    jumpTo(fromIndex, candidate);
}

void CPageManager::jumpTo(int fromIndex, int toIndex)
{
    const QString fromName = pageName(fromIndex);
    qDebug("[PageManager] Try to jump from page %d %s", fromIndex, qUtf8Printable(fromName));
    m_targetIndex = toIndex;
    if (fromIndex == 0)
        initPages();
    if (fromName == PCheck)
        wrapUpPCCheck();

    if (toIndex >= m_pages.size()) {
        qDebug("[PageManager] Quit on the final page: %s", qUtf8Printable(fromName));
        startGuideToQuit(QStringLiteral("done"));
        return;
    }
    const PageEntry &target = m_pages.at(toIndex);
    qDebug("[PageManager] Jump to page %d %s", toIndex, qUtf8Printable(target.name));
    if (m_biService) {
        const QString how = toIndex > fromIndex ? QStringLiteral("next") : QStringLiteral("back");
        m_biService->setRecordStepEnd(fromName, how, helpClicks());
    }
    applyFooter(target);
    if (m_biService)
        m_biService->setRecordStepStart(target.name);
    QmlCall::call(m_pageLoader.data(), QmlNames::load, target.name);
}

void CPageManager::applyFooter(const PageEntry &page)
{
    setBackStatus(page.backEnabled, page.backVisible, page.backText);
    setNextStatus(page.nextEnabled, page.nextVisible, page.nextText);
}

int CPageManager::helpClicks() const
{
    return m_pageFooter ? m_pageFooter->property(QmlNames::nHelpClicked).toInt() : 0;
}

void CPageManager::wrapUpPCCheck()
{
    qDebug("[PageManager] Here's PC check page, wrap up BI");
    const QObject *page = QmlNames::find(m_root, QmlNames::pCheck);
    const int clicksSteamVRTest = page ? page->property(QmlNames::clicksSteamVRTest).toInt() : 0;
    const int clicksReadyPC = page ? page->property(QmlNames::clicksReadyPC).toInt() : 0;
    emit setPCCheckReady(clicksSteamVRTest, clicksReadyPC);
}

void CPageManager::loaded()
{
    const QString page = pageName(m_targetIndex);
    qDebug("[PageManager] Loaded %s", qUtf8Printable(page));
    if (m_forcedTour)
        return;
    for (const auto &[name, signal] : LoadedSignals) {
        if (page == QLatin1String(name))
            emit(this->*signal)();
    }
}

void CPageManager::setBackStatus(bool bEnabled, bool bVisible, const QString &strText)
{
    setFooterButton(QmlNames::setBackStatus, bEnabled, bVisible, strText);
}

void CPageManager::setNextStatus(bool bEnabled, bool bVisible, const QString &strText)
{
    setFooterButton(QmlNames::setNextStatus, bEnabled, bVisible, strText);
}

void CPageManager::setFooterButton(const char *function, bool bEnabled, bool bVisible, const QString &strText)
{
    QmlCall::call(m_pageFooter.data(), function, bEnabled, bVisible, strText);
    QmlCall::call(m_pageFooter.data(), QmlNames::update);
}

void CPageManager::skipInstall()
{
    qDebug("[PageManager] Skip software installation");
    if (Mode::isDKV() || Mode::isSWOA() || Mode::isOtherDev())
        jump(QStringLiteral("pComplete.qml"));
    else
        startGuideToQuit(QStringLiteral("done"));
}

void CPageManager::startGuideToQuit(const QString &strReason)
{
    qDebug("[PageManager] startGuideToQuit: %s", qUtf8Printable(strReason));
    // With no pipe name the program quits as soon as the guide reports that it runs.
    if (emit startGuide(QString()))
        return;
    qDebug("[PageManager] Guide not launched, close directly");
    prepareToQuit(strReason);
}

void CPageManager::prepareToQuit(const QString &strReason)
{
    qDebug("[PageManager] prepareToQuit: %s", qUtf8Printable(strReason));
    const QString page = currentPage();
    if (m_biService) {
        m_biService->setRecordStepEnd(page, QStringLiteral("quit"), helpClicks());
        m_biService->setLastPage(page);
    }
    if (page == PCheck)
        wrapUpPCCheck();
    // The service words "done", "bg done" and "normal" as the analytics want them.
    if (m_biService)
        m_biService->setQuitReason(strReason);

    const QObject *installPage = QmlNames::find(m_root, QmlNames::pInstall);
    const bool cutShort = installPage && !installPage->property(QmlNames::completed).toBool();
    if (cutShort && (strReason == QLatin1String("closed by guide") || strReason == QLatin1String("normal"))) {
        qDebug("[PageManager] Install not finished, show uninstall window.");
        Utils::killProcessByName(QStringLiteral("Updater.exe"));
        Utils::killProcessByName(QStringLiteral("FirmwareUpdateKit.exe"));
        startUninstall();
    }
    emit closeApp();
}

void CPageManager::startUninstall()
{
    const QString command
        = Utils::getUninstallCommand(Mode::isSWOA() ? QStringLiteral("NOVAPORT") : QStringLiteral("NOVA SOFTWARE"));
    QStringList arguments = QProcess::splitCommand(command);
    const QString program = arguments.isEmpty() ? QString() : arguments.takeFirst();
    if (program.isEmpty() || !QProcess::startDetached(program, arguments))
        qWarning("[PageManager] WARNING: Cannot start the uninstall command: %s", qUtf8Printable(command));
}

void CPageManager::handleGpuUpdate()
{
    qDebug("[CPageManager] handleGpuUpdate()");
    if (!m_graphicsChecker)
        return;
    // A driver installed meanwhile needs no update.
    m_graphicsChecker->Init();
    if (m_graphicsChecker->isDriverSupported())
        return;
    QmlCall::call(QmlNames::find(m_root, QmlNames::pDriver), QmlNames::openUrl);
    qDebug("[CPageManager] Close app for updating GPU driver.");
    prepareToQuit(QStringLiteral("GpuDriver"));
}

void CPageManager::onMinimizeButtonClicked()
{
    if (auto *window = qobject_cast<QWindow *>(m_root))
        window->showMinimized();
}

void CPageManager::forceJumpNext(bool reload)
{
    qDebug("[PageManager]Force Jump to next page reload: %s", yesNo(reload));
    m_forcedTour = true;
    const int from = reload ? qMax(0, currentIndex() - 1) : currentIndex();
    const int target = from + 1;
    if (target >= m_pages.size()) {
        prepareToQuit(QStringLiteral("error"));
        return;
    }
    m_targetIndex = target;
    const PageEntry &page = m_pages.at(target);
    QmlCall::call(m_pageHeader.data(), QmlNames::setVisibility, page.headerVisible);
    applyFooter(page);
    if (reload)
        QmlCall::call(m_pageLoader.data(), QmlNames::load, pageName(from));
    QmlCall::call(m_pageLoader.data(), QmlNames::load, page.name);
}
