#include "wizard/DialogManager.h"

#include "core/ModeFlags.h"
#include "core/QmlCall.h"
#include "core/QmlNames.h"
#include "core/Utils.h"
#include "platform/Power.h"
#include "wizard/DialogManagerWorker.h"

// What an answer leads to.
enum class DialogManager::Action {
    None,
    DoNothing, // logged
    KillAnotherInstance,
    QuitError,
    QuitNormal,
    TryAgain,
    JumpNext,
    InstallAccount,
    ClickedCtr03,
    ReturnedQuitDone, // the install page learns that its dialog was answered
    ReturnedTryAgain,
    RestartQuitDone,
    LaunchAppsQuitNormal,
    OpenDriverPageQuitError,
    ShowFin004,
    QuitErrorLaunchControlUnit,
};

namespace {

using Action = DialogManager::Action;

// "RESTART NOW" restarts this long after the answer, so the wizard can quit first.
constexpr int RestartDelaySeconds = 6;

struct Reaction {
    const char *ids; // separated by blanks
    Action negative;
    Action positive;
};

const Reaction Reactions[] = {
    { "CO001", Action::KillAnotherInstance, Action::QuitError },
    { "CO002 CO003", Action::QuitError, Action::QuitError },
    { "IN001 IN002 IN004 IN005 IN007", Action::QuitError, Action::TryAgain },
    { "IN003 IN006", Action::TryAgain, Action::TryAgain },
    { "IN011", Action::ReturnedQuitDone, Action::RestartQuitDone },
    { "IN012 IN013 IN014", Action::ReturnedQuitDone, Action::ReturnedTryAgain },
    { "FL001", Action::DoNothing, Action::DoNothing },
    { "CH001 DR001", Action::None, Action::JumpNext },
    { "HMD001 HMD004 CTR001", Action::JumpNext, Action::None },
    { "SN001", Action::QuitError, Action::InstallAccount },
    { "CO004", Action::LaunchAppsQuitNormal, Action::None },
    { "CO005", Action::QuitNormal, Action::None },
    { "DR002", Action::None, Action::OpenDriverPageQuitError },
    { "CTR002", Action::ClickedCtr03, Action::ClickedCtr03 },
    { "FIN003", Action::ShowFin004, Action::None },
    { "FIN004 FIN005", Action::None, Action::QuitErrorLaunchControlUnit },
};

const Reaction *reactionTo(const QString &dialogID)
{
    for (const Reaction &reaction : Reactions) {
        if (QString::fromLatin1(reaction.ids).split(QLatin1Char(' ')).contains(dialogID))
            return &reaction;
    }
    return nullptr;
}

} // namespace

DialogManager::DialogManager(QObject *root, bool isSetup, QObject *parent)
    : QObject(parent)
    , m_root(root)
    , m_isSetup(isSetup)
    , m_pageLoader(QmlNames::find(root, QmlNames::pageLoader))
{
    if (auto *worker = m_thread.start<DialogManagerWorker>(this)) {
        // Requests from any thread, the worker's own included, wait their turn.
        connect(this, &DialogManager::showDialog, worker, &DialogManagerWorker::onShowDialog, Qt::QueuedConnection);
        connect(
            this, &DialogManager::showBigDialog, worker, &DialogManagerWorker::onShowBigDialog, Qt::QueuedConnection);
    }
    connect(this, &DialogManager::dialogReturn, this, &DialogManager::onDialogReturn);
    initDialog();
}

DialogManager::~DialogManager()
{
    // The worker may wait for an answer that will never come.
    m_dialog.shutDown();
}

void DialogManager::initDialog()
{
    m_catalogue.replace(buildDialogCatalogue(Mode::productName(), m_isSetup, Mode::isSWOA() || Mode::isOtherDev()));
}

std::optional<DialogEntry> DialogManager::dialogEntry(const QString &dialogID) const
{
    return m_catalogue.find(dialogID);
}

void DialogManager::showAndReport(const QString &dialogID, bool big)
{
    int index = -1;
    const std::optional<DialogEntry> entry = m_catalogue.find(dialogID, &index);
    if (!entry) {
        qWarning("[DialogManager] ERROR: Unknown dialog ID. Shouldn't happen.");
        return;
    }
    qDebug("[DialogManager] getDiaglogMsg i: %d", index);
    const int answer = m_dialog.exec([&] {
        if (big)
            return QmlCall::post(m_pageLoader.data(), QmlNames::showBigDialogImpl, entry->title, entry->description,
                entry->negative, entry->positive, entry->id);
        return QmlCall::post(m_pageLoader.data(), QmlNames::showDialogImpl, entry->title, entry->description,
            entry->negative, entry->positive, false, entry->id);
    });
    // Abandoned: the dialog could not be shown, or the program is closing.
    if (answer != BlockingDialog::Abandoned)
        emit dialogReturn(dialogID, answer);
}

void DialogManager::negativePressed()
{
    m_dialog.answer(BlockingDialog::Negative);
}

void DialogManager::positivePressed()
{
    m_dialog.answer(BlockingDialog::Positive);
}

void DialogManager::onDialogReturn(const QString &dialogID, int nResult)
{
    const std::optional<DialogEntry> entry = dialogEntry(dialogID);
    if (!entry) {
        qWarning("[DialogManager] ERROR: Unknown dialog ID %s returned. Shouldn't happen.", qUtf8Printable(dialogID));
        return;
    }
    const bool positive = nResult != BlockingDialog::Negative;
    qDebug("[DialogManager] Dialog [%s, %s] returned, result: [%d, %s]", qUtf8Printable(dialogID),
        qUtf8Printable(entry->title), nResult, qUtf8Printable(positive ? entry->positive : entry->negative));
    const Reaction *reaction = reactionTo(dialogID);
    if (!reaction) {
        qWarning("[DialogManager] ERROR: Un-handled dialog ID. Shouldn't happen.");
        return;
    }
    perform(positive ? reaction->positive : reaction->negative, dialogID);
}

void DialogManager::perform(Action action, const QString &dialogID)
{
    switch (action) {
    case Action::None:
        break;
    case Action::DoNothing:
        qDebug("[DialogManager] Do nothing");
        break;
    case Action::KillAnotherInstance:
        emit killAnotherInstance();
        break;
    case Action::QuitError:
        emit prepareToQuit(QStringLiteral("error"));
        break;
    case Action::QuitNormal:
        emit prepareToQuit(QStringLiteral("normal"));
        break;
    case Action::TryAgain:
        emit returnTryAgain(dialogID);
        break;
    case Action::JumpNext:
        emit jumpNext();
        break;
    case Action::InstallAccount:
        emit installAccount();
        break;
    case Action::ClickedCtr03:
        emit clickedDialogCtr03();
        break;
    case Action::ReturnedQuitDone:
        setPageProperty(QmlNames::pInstall, QmlNames::bDialogReturned, true);
        emit prepareToQuit(QStringLiteral("done"));
        break;
    case Action::ReturnedTryAgain:
        setPageProperty(QmlNames::pInstall, QmlNames::bDialogReturned, true);
        emit returnTryAgain(dialogID);
        break;
    case Action::RestartQuitDone:
        setPageProperty(QmlNames::pInstall, QmlNames::bDialogReturned, true);
        if (!platform::Power::restart(RestartDelaySeconds))
            qWarning("[DialogManager] WARNING: Cannot restart the computer");
        emit prepareToQuit(QStringLiteral("done"));
        break;
    case Action::LaunchAppsQuitNormal:
        if (!Mode::isSWOA()) {
            if (!Mode::isOtherDev())
                Utils::launchControlUnit();
            Utils::launchNovaportByProtocol();
        }
        emit prepareToQuit(QStringLiteral("normal"));
        break;
    case Action::OpenDriverPageQuitError:
        QmlCall::call(QmlNames::find(m_root, QmlNames::pDriver), QmlNames::openUrl);
        emit prepareToQuit(QStringLiteral("error"));
        break;
    case Action::ShowFin004:
        emit showDialog(QStringLiteral("FIN004"));
        setPageProperty(QmlNames::pFinal01, QmlNames::isDialogFIN004, true);
        break;
    case Action::QuitErrorLaunchControlUnit:
        emit prepareToQuit(QStringLiteral("error"));
        Utils::launchControlUnit();
        break;
    }
}

void DialogManager::setPageProperty(const char *pageName, const char *property, const QVariant &value)
{
    QObject *page = QmlNames::find(m_root, pageName);
    if (page)
        page->setProperty(property, value);
    else
        qWarning("[DialogManager] WARNING: Page %s is not loaded, %s not set", pageName, property);
}
