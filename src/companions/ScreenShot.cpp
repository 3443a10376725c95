#include "companions/ScreenShot.h"

#include "core/QmlCall.h"
#include "core/QmlNames.h"
#include "core/Utils.h"
#include "wizard/DialogManager.h"
#include "wizard/PageManager.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QResource>
#include <QScreen>

namespace {

// One state a second; NOVA_TOUR_TICK_MS shortens it for unattended tours.
int tickMs()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("NOVA_TOUR_TICK_MS", &ok);
    return ok && ms > 0 ? ms : 1000;
}
const QString SystemPath = QStringLiteral("SystemPath");
const QStringList Animations { QStringLiteral("/anim_space.rcc"), QStringLiteral("/anim_hmd_cb.rcc"),
    QStringLiteral("/anim_controllers.rcc"), QStringLiteral("/anim_basestation.rcc"),
    QStringLiteral("/anim_complete.rcc") };

// The pages whose pop-up states the tour shows too: the first page's language list and
// its Qt notice; the waiting overlay of the pages that raise one.
const QString Legal = QStringLiteral("pLegal.qml");
const QStringList PagesWithWaiting { QStringLiteral("pHealth.qml"), QStringLiteral("pKeltSignin.qml") };

QList<TourShot::Kind> popUpsOf(const QString &pageName)
{
    if (pageName == Legal)
        return { TourShot::Pop1, TourShot::Pop2 };
    if (PagesWithWaiting.contains(pageName))
        return { TourShot::Pop1 };
    return {};
}

QString suffix(const TourShot &shot)
{
    switch (shot.kind) {
    case TourShot::Page:
        return QString();
    case TourShot::Pop1:
        return QStringLiteral("-Pop1");
    case TourShot::Pop2:
        return QStringLiteral("-Pop2");
    case TourShot::DialogPM:
        return QStringLiteral("-DialogPM%1").arg(shot.dialog);
    case TourShot::DialogDM:
        return QStringLiteral("-DialogDM%1").arg(shot.dialog);
    }
    return QString();
}

} // namespace

ScreenShot::ScreenShot(
    QObject *root, CPageManager *pageManager, QObject *language, DialogManager *dialogManager, QObject *parent)
    : QObject(parent)
    , m_root(root)
    , m_pageManager(pageManager)
    , m_language(language)
    , m_dialogManager(dialogManager)
{
    m_timer.setInterval(tickMs());
    connect(&m_timer, &QTimer::timeout, this, &ScreenShot::onGetScreenshot);
}

QVector<TourShot> ScreenShot::tour(const QStringList &pageNames, int first, const QVector<DialogEntry> &pageDialogs,
    const QVector<DialogEntry> &dialogs)
{
    const auto belongsTo = [&](const DialogEntry &dialog, int page) {
        const int own = pageNames.indexOf(dialog.page);
        return own == page || (own < first && page == first);
    };
    QVector<TourShot> shots;
    for (int page = qMax(0, first); page < pageNames.size(); ++page) {
        const QString &name = pageNames.at(page);
        shots.append({ page, name, TourShot::Page, 0, QString() });
        for (TourShot::Kind kind : popUpsOf(name))
            shots.append({ page, name, kind, 0, QString() });
        for (const auto &[catalogue, kind] :
            { std::pair { &pageDialogs, TourShot::DialogPM }, std::pair { &dialogs, TourShot::DialogDM } }) {
            for (int index = 0; index < catalogue->size(); ++index) {
                if (belongsTo(catalogue->at(index), page))
                    shots.append({ page, name, kind, index + 1, catalogue->at(index).id });
            }
        }
    }
    return shots;
}

QString ScreenShot::fileName(const QString &folder, const QString &language, const TourShot &shot)
{
    QString page = shot.pageName;
    if (page.endsWith(QLatin1String(".qml")))
        page.chop(4);
    return QStringLiteral("%1/%2-%3-%4%5.png").arg(folder, language).arg(shot.page + 1).arg(page, suffix(shot));
}

void ScreenShot::onDoScreenshot(const QString &path)
{
    m_languageIndex = m_root ? m_root->property(QmlNames::defaultLangIndex).toInt() : 0;
    QMetaObject::invokeMethod(m_language, "setOOBELang", Q_ARG(int, m_languageIndex));
    QMetaObject::invokeMethod(m_language, "setStyledTextLang", Q_ARG(int, m_languageIndex));
    QMetaObject::invokeMethod(
        m_language, "getLocaleLang", Q_RETURN_ARG(QString, m_languageText), Q_ARG(int, m_languageIndex));
    m_pageManager->initPages();
    registerAnimations();

    m_folder = path;
    if (!QDir().mkpath(m_folder))
        qWarning("[ScreenShot] ERROR: Cannot create the folder %s", qUtf8Printable(m_folder));
    QStringList pageNames;
    for (const PageEntry &page : m_pageManager->pages())
        pageNames << page.name;
    m_pageDialogs = m_pageManager->dialogEntries();
    m_dialogs = m_dialogManager->dialogEntries();
    m_shots = tour(pageNames, m_pageManager->currentIndex(),
        QVector<DialogEntry>(m_pageDialogs.cbegin(), m_pageDialogs.cend()), m_dialogs);
    m_position = -1;
    m_timer.start();
}

void ScreenShot::registerAnimations()
{
    // Without the value the tour goes on without the animations.
    const QString systemPath = Utils::readRegValue(Utils::RegKeltNova, SystemPath).toString();
    const QString folder = systemPath.isEmpty()
        ? QString()
        : QString(systemPath).replace(QLatin1Char('\\'), QLatin1Char('/')) + QStringLiteral("/Updater/App/OOBEContent");
    qDebug("[ScreenShot] Find %s\\%s result: %s", qUtf8Printable(Utils::RegKeltNova), qUtf8Printable(SystemPath),
        qUtf8Printable(folder));
    if (folder.isEmpty())
        return;
    for (const QString &file : Animations) {
        if (!QResource::registerResource(folder + file))
            qWarning("[ScreenShot] WARNING: Cannot register %s", qUtf8Printable(folder + file));
    }
}

void ScreenShot::onGetScreenshot()
{
    if (m_position >= 0) {
        save(m_shots.at(m_position));
        hide(m_shots.at(m_position));
    }
    QmlCall::call(QmlNames::find(m_root, QmlNames::waitingDialog), QmlNames::dismiss);
    if (++m_position >= m_shots.size()) {
        m_timer.stop();
        qDebug("[ScreenShot] The tour has ended");
        // On past the last page: the forced tour ends the program there.
        m_pageManager->forceJumpNext(false);
        return;
    }
    show(m_shots.at(m_position));
}

QObject *ScreenShot::loadedPage() const
{
    QObject *loader = QmlNames::find(m_root, QmlNames::pageLoader);
    return loader ? loader->property(QmlNames::item).value<QObject *>() : nullptr;
}

void ScreenShot::show(const TourShot &shot)
{
    QObject *loader = QmlNames::find(m_root, QmlNames::pageLoader);
    QObject *page = loadedPage();
    switch (shot.kind) {
    case TourShot::Page:
        if (shot.page != m_pageManager->currentIndex())
            m_pageManager->forceJumpNext(false);
        break;
    case TourShot::Pop1:
        if (shot.pageName == Legal) {
            if (QObject *list = QmlNames::find(page, QmlNames::languageSelector))
                list->setProperty(QmlNames::open, true);
        } else {
            QmlCall::call(QmlNames::find(m_root, QmlNames::waitingDialog), QmlNames::show);
        }
        break;
    case TourShot::Pop2:
        if (QObject *about = QmlNames::find(page, QmlNames::aboutQt))
            about->setProperty(QmlNames::expanded, true);
        break;
    case TourShot::DialogPM: {
        const PageDialogEntry &entry = m_pageDialogs.at(shot.dialog - 1);
        QmlCall::call(loader, QmlNames::setFullWindow, entry.fullWindow);
        QmlCall::call(loader, QmlNames::showDialogImpl, entry.title, entry.description, entry.negative, entry.positive,
            entry.enhanced, entry.id);
        break;
    }
    case TourShot::DialogDM: {
        const DialogEntry &entry = m_dialogs.at(shot.dialog - 1);
        QmlCall::call(loader, QmlNames::showDialogImpl, entry.title, entry.description, entry.negative, entry.positive,
            false, entry.id);
        break;
    }
    }
}

void ScreenShot::hide(const TourShot &shot)
{
    QObject *loader = QmlNames::find(m_root, QmlNames::pageLoader);
    QObject *page = loadedPage();
    switch (shot.kind) {
    case TourShot::Page:
        break;
    case TourShot::Pop1:
        if (QObject *list = QmlNames::find(page, QmlNames::languageSelector))
            list->setProperty(QmlNames::open, false);
        break;
    case TourShot::Pop2:
        if (QObject *about = QmlNames::find(page, QmlNames::aboutQt))
            about->setProperty(QmlNames::expanded, false);
        break;
    case TourShot::DialogPM:
    case TourShot::DialogDM:
        QmlCall::call(loader, QmlNames::closeDialog);
        QmlCall::call(loader, QmlNames::setFullWindow, false);
        break;
    }
}

void ScreenShot::save(const TourShot &shot)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen) {
        qWarning("[ScreenShot]no screen to snapshot");
        return;
    }
    const QString name = fileName(m_folder, m_languageText, shot);
    qDebug("[ScreenShot]save filename: %s", qUtf8Printable(name));
    if (!screen->grabWindow(0).save(name, "PNG"))
        qWarning("[ScreenShot] ERROR: Cannot save %s", qUtf8Printable(name));
}
