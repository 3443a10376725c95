// Renders every page, its notable states and every dialog of the wizard's window
// into PNG files for review, at scale 1, in English and Simplified Chinese unless
// other language codes are given.
//
//   nova-qmlshots <output folder> <dialogs.json> [language code ...]
//
// Needs a display (scripts/screenshots runs it under Xvfb) and NOVA_BIN_DIR.

#include "QmlHarness.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

const QString product = QStringLiteral("NOVA Tundra");

struct Shot {
    QString page;
    QString variant;
    // Footer as the page flow sets it: back on, next on, next shown, next text.
    bool backOn;
    bool nextOn;
    bool nextShown;
    const char *nextText;
    std::function<void(QObject *root, QObject *page)> prepare;
};

void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QList<Shot> shots()
{
    const auto none = [](QObject *, QObject *) {};
    return {
        { QStringLiteral("pLegal.qml"), {}, false, false, false, "", none },
        { QStringLiteral("pLegal.qml"), QStringLiteral("languages"), false, false, false, "",
            [](QObject *, QObject *page) {
                page->findChild<QObject *>(QStringLiteral("languageSelector"))->setProperty("open", true);
                page->setProperty("isLegalChecked", true);
            } },
        { QStringLiteral("pHealth.qml"), {}, false, true, true, "I UNDERSTAND", none },
        { QStringLiteral("pHealth.qml"), QStringLiteral("waiting"), false, true, true, "I UNDERSTAND",
            [](QObject *, QObject *page) { callQml(page, "nextClicked"); } },
        { QStringLiteral("pCheck.qml"), {}, true, true, true, "NEXT",
            [](QObject *, QObject *page) {
                callQml(page, "setCheckResult", QStringLiteral("gpu"), QStringLiteral("NVIDIA GeForce GTX 960"),
                    QStringLiteral("RANK_BAD"));
                callQml(page, "setCheckResult", QStringLiteral("cpu"),
                    QStringLiteral("Intel(R) Core(TM) i5-4590 CPU @ 3.30GHz"), QStringLiteral("RANK_GOOD"));
                callQml(page, "setCheckResult", QStringLiteral("memory"), QStringLiteral("4.0 GB"),
                    QStringLiteral("RANK_BAD"));
                callQml(page, "setCheckResult", QStringLiteral("os"), QStringLiteral("Windows 10 Home 64-bit"),
                    QStringLiteral("RANK_UNKNOWN"));
            } },
        { QStringLiteral("pDotNet.qml"), {}, true, true, true, "INSTALL", none },
        { QStringLiteral("pDotNet.qml"), QStringLiteral("installing"), true, true, true, "INSTALL",
            [](QObject *, QObject *page) { page->setProperty("installing", true); } },
        { QStringLiteral("pDotNet.qml"), QStringLiteral("failed"), true, true, true, "INSTALL REQUIRED SOFTWARE AGAIN",
            [](QObject *root, QObject *) { root->setProperty("dotNetBtnState", 1); } },
        { QStringLiteral("pDriver.qml"), {}, true, true, true, "NEXT", none },
        { QStringLiteral("pFolder.qml"), {}, true, true, true, "INSTALL",
            [](QObject *, QObject *page) {
                page->setProperty("defaultNovaLoc", QStringLiteral("C:\\Program Files"));
                callQml(page, "setSizeInfo", Q_INT64_C(19434307584), false);
            } },
        { QStringLiteral("pFolder.qml"), QStringLiteral("no-space"), true, true, true, "INSTALL",
            [](QObject *, QObject *page) {
                page->setProperty("prevSteamPath", QStringLiteral("D:\\Games\\Steam"));
                page->setProperty("canSkipInstall", true);
                callQml(page, "setSizeInfo", Q_INT64_C(19434307584), true);
            } },
        { QStringLiteral("pInstall.qml"), {}, false, false, false, "NEXT",
            [](QObject *, QObject *page) {
                page->setProperty(
                    "installMessageText", QStringLiteral("Installing NOVA Tundra Software (212.4/600.0 MB)"));
                page->setProperty("speedMessageText", QStringLiteral("3.2 MB/s"));
                page->setProperty("minutesToGuide", 12);
                callQml(page, "setProgress", 37);
            } },
        { QStringLiteral("pInstall.qml"), QStringLiteral("steam-sign-in"), false, false, false, "NEXT",
            [](QObject *, QObject *page) {
                page->setProperty("speedMessageText", QStringLiteral("0.05 MB/s"));
                page->setProperty("downlaodState", 1);
                callQml(page, "setProgress", 64);
            } },
        { QStringLiteral("pInstall.qml"), QStringLiteral("completed"), false, false, false, "NEXT",
            [](QObject *root, QObject *page) {
                root->setProperty("bIsSWOA", true);
                root->setProperty("nNovaportErrorCode", 1638);
                callQml(page, "complete");
            } },
        { QStringLiteral("pComplete.qml"), {}, false, true, true, "OK", none },
        { QStringLiteral("pKeltSignin.qml"), {}, false, true, false, "SIGN IN", none },
        { QStringLiteral("pSignin.qml"), {}, true, true, true, "NEXT", none },
        { QStringLiteral("pSw01.qml"), {}, true, true, true, "NEXT", none },
    };
}

// A catalogue text with its placeholders filled as the catalogues fill them.
QString filled(const QString &id, const QString &text)
{
    if (!text.contains(QLatin1String("%1")))
        return text;
    if (id.startsWith(QLatin1String("IN01")))
        return text.arg(QStringLiteral("<a href=\"https://help.keltnova.example/hc/articles/360007712712\">"
                                       "<span style=\"color:#007999;\">"),
            QStringLiteral("</span></a>"));
    if (id == QLatin1String("Sw01Err20") || id == QLatin1String("BgdlInfo"))
        return text.arg(42);
    return text.arg(product);
}

class Tour {
public:
    Tour(const QString &folder, const QJsonArray &dialogs)
        : m_folder(folder)
        , m_dialogs(dialogs)
    {
    }

    bool run(const QString &code)
    {
        QmlHarness harness(
            { { QStringLiteral("product_name"), product }, { QStringLiteral("sku"), QStringLiteral("Tundra") },
                { QStringLiteral("version"), QStringLiteral("NovaTundraInstall_1.0.121.0") },
                { QStringLiteral("primScWidth"), 1920 }, { QStringLiteral("primScHeight"), 1080 } });
        if (!harness.isLoaded())
            return false;
        m_harness = &harness;
        callQml(harness.root(), "applyLanguage", LanguageStandIn::rowOf(code));
        settle(500);

        int number = 0;
        for (const Shot &shot : shots()) {
            QObject *page = show(shot);
            shot.prepare(harness.root(), page);
            QString name
                = QStringLiteral("%1-%2-%3").arg(code).arg(++number, 2, 10, QLatin1Char('0')).arg(page->objectName());
            if (!shot.variant.isEmpty())
                name += QLatin1Char('-') + shot.variant;
            save(name);
            callQml(harness.find(QStringLiteral("waitingDialog")), "dismiss");
        }
        for (const QJsonValue &value : m_dialogs) {
            const QJsonObject dialog = value.toObject();
            const QString id = dialog.value(QStringLiteral("id")).toString();
            const QByteArray context = dialog.value(QStringLiteral("context")).toString().toUtf8();
            const auto text = [&](const char *key) {
                const QByteArray source = dialog.value(QLatin1String(key)).toString().toUtf8();
                return filled(id, QCoreApplication::translate(context.constData(), source.constData()));
            };
            show(pageShot(dialog.value(QStringLiteral("page")).toString()));
            QObject *loader = harness.find(QStringLiteral("pageLoader"));
            callQml(loader, "setFullWindow", dialog.value(QStringLiteral("full")).toBool());
            callQml(loader, "showDialogImpl", text("title"), text("description"), text("negative"), text("positive"),
                dialog.value(QStringLiteral("enhanced")).toBool(), id);
            save(QStringLiteral("%1-dialog-%2").arg(code, id));
            callQml(loader, "closeDialog");
        }
        m_harness = nullptr;
        return true;
    }

private:
    Shot pageShot(const QString &page) const
    {
        const QList<Shot> all = shots();
        for (const Shot &shot : all) {
            if (shot.page == page)
                return shot;
        }
        return all.first();
    }

    QObject *show(const Shot &shot)
    {
        QObject *footer = m_harness->find(QStringLiteral("pageFooter"));
        callQml(footer, "setBackStatus", shot.backOn, shot.backOn, QString());
        callQml(footer, "setNextStatus", shot.nextOn, shot.nextShown,
            QCoreApplication::translate("CPageManager", shot.nextText));
        m_harness->root()->setProperty("dotNetBtnState", 0);
        m_harness->root()->setProperty("bIsSWOA", false);
        // Unload first, so that every shot starts from a fresh page.
        m_harness->find(QStringLiteral("pageLoader"))->setProperty("source", QUrl());
        return m_harness->load(shot.page);
    }

    void save(const QString &name)
    {
        settle(700);
        const QString file = m_folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!m_harness->window()->grabWindow().save(file))
            std::fprintf(stderr, "nova-qmlshots: cannot write %s\n", qPrintable(file));
    }

    QString m_folder;
    QJsonArray m_dialogs;
    QmlHarness *m_harness = nullptr;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: nova-qmlshots <output folder> <dialogs.json> [language code ...]\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(QString::fromLocal8Bit(argv[1])) || !file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "nova-qmlshots: cannot use the output folder or read the dialogs\n");
        return 1;
    }
    QmlHarness::registerBuiltResources();
    Tour tour(QString::fromLocal8Bit(argv[1]),
        QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("dialogs")).toArray());
    QStringList codes = app.arguments().mid(3);
    if (codes.isEmpty())
        codes = QStringList { QStringLiteral("us"), QStringLiteral("zh-CN") };
    for (const QString &code : qAsConst(codes)) {
        if (LanguageStandIn::rowOf(code) < 0 || !tour.run(code))
            return 1;
    }
    return 0;
}
