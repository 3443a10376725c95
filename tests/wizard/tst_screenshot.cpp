// The screenshot tour: its order and file names, and the tour itself on the real window
// offscreen with the program's managers, in every language.

#include "LogCapture.h"
#include "SandboxMachine.h"
#include "WizardFixture.h"
#include "WizardTest.h"

#include "companions/ScreenShot.h"
#include "core/Utils.h"
#include "shell/Managers.h"
#include "wizard/DialogManager.h"
#include "wizard/PageManager.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(TourShot)
Q_DECLARE_METATYPE(QVector<TourShot>)

namespace {

const QString Saved = QStringLiteral("[ScreenShot]save filename: ");

DialogEntry dialog(const char *id, const char *page)
{
    DialogEntry entry;
    entry.id = QLatin1String(id);
    entry.page = QLatin1String(page);
    return entry;
}

TourShot shot(int page, const char *name, TourShot::Kind kind = TourShot::Page, int dialog = 0, const char *id = "")
{
    return { page, QLatin1String(name), kind, dialog, QLatin1String(id) };
}

} // namespace

class TestScreenShot : public WizardTest {
    Q_OBJECT

private slots:
    void order_data()
    {
        QTest::addColumn<QStringList>("pages");
        QTest::addColumn<int>("first");
        QTest::addColumn<QVector<TourShot>>("shots");
        const QStringList pages { QStringLiteral("pLegal.qml"), QStringLiteral("pHealth.qml"),
            QStringLiteral("pCheck.qml"), QStringLiteral("pKeltSignin.qml") };
        QTest::newRow("from the first page")
            << pages << 0
            << QVector<TourShot> { shot(0, "pLegal.qml"), shot(0, "pLegal.qml", TourShot::Pop1),
                   shot(0, "pLegal.qml", TourShot::Pop2), shot(0, "pLegal.qml", TourShot::DialogPM, 2, "Init00Err1"),
                   shot(0, "pLegal.qml", TourShot::DialogDM, 1, "CO001"), shot(1, "pHealth.qml"),
                   shot(1, "pHealth.qml", TourShot::Pop1), shot(2, "pCheck.qml"),
                   shot(2, "pCheck.qml", TourShot::DialogPM, 1, "Ch01Err1"),
                   shot(2, "pCheck.qml", TourShot::DialogDM, 2, "CH002"), shot(3, "pKeltSignin.qml"),
                   shot(3, "pKeltSignin.qml", TourShot::Pop1) };
        QTest::newRow("from a later page, which takes the strays")
            << pages << 2
            << QVector<TourShot> { shot(2, "pCheck.qml"), shot(2, "pCheck.qml", TourShot::DialogPM, 1, "Ch01Err1"),
                   shot(2, "pCheck.qml", TourShot::DialogPM, 2, "Init00Err1"),
                   shot(2, "pCheck.qml", TourShot::DialogDM, 1, "CO001"),
                   shot(2, "pCheck.qml", TourShot::DialogDM, 2, "CH002"), shot(3, "pKeltSignin.qml"),
                   shot(3, "pKeltSignin.qml", TourShot::Pop1) };
    }
    void order()
    {
        QFETCH(QStringList, pages);
        QFETCH(int, first);
        // Dialogs of pages not shown (not in the list, or before the first) go with the
        // first page shown.
        const QVector<DialogEntry> pageDialogs { dialog("Ch01Err1", "pCheck.qml"), dialog("Init00Err1", "pCtr03.qml") };
        const QVector<DialogEntry> dialogs { dialog("CO001", "pLegal.qml"), dialog("CH002", "pCheck.qml") };
        QTEST(ScreenShot::tour(pages, first, pageDialogs, dialogs), "shots");
    }

    void fileNames_data()
    {
        QTest::addColumn<TourShot>("shot");
        QTest::addColumn<QString>("name");
        QTest::newRow("page") << shot(0, "pLegal.qml") << "/out/en_US-1-pLegal.png";
        QTest::newRow("pop-up") << shot(1, "pHealth.qml", TourShot::Pop1) << "/out/en_US-2-pHealth-Pop1.png";
        QTest::newRow("second pop-up") << shot(0, "pLegal.qml", TourShot::Pop2) << "/out/en_US-1-pLegal-Pop2.png";
        QTest::newRow("page dialog") << shot(9, "pInstall.qml", TourShot::DialogPM, 12, "BgdlInfo")
                                     << "/out/en_US-10-pInstall-DialogPM12.png";
        QTest::newRow("general dialog") << shot(2, "pCheck.qml", TourShot::DialogDM, 3, "CH002")
                                        << "/out/en_US-3-pCheck-DialogDM3.png";
    }
    void fileNames()
    {
        QFETCH(TourShot, shot);
        QTEST(ScreenShot::fileName(QStringLiteral("/out"), QStringLiteral("en_US"), shot), "name");
    }

    // The footer's button starts it; without "SystemPath" it runs without the animations.
    void tourSavesEveryStateThenEnds_data()
    {
        QTest::addColumn<int>("language");
        for (int row = 0; row < 18; ++row)
            QTest::newRow(qPrintable(QString::number(row))) << row;
    }
    void tourSavesEveryStateThenEnds()
    {
        QFETCH(int, language);
        ScopedEnvironment fast;
        fast.set("NOVA_TOUR_TICK_MS", "10");
        QTemporaryDir out;
        WizardFixture wizard;
        wizard.root()->setProperty("defaultLangIndex", language);
        // The window takes its size from the screen, as the program tells it.
        wizard.root()->setProperty("primScWidth", 1920);
        wizard.root()->setProperty("primScHeight", 1080);
        QVERIFY(QTest::qWaitForWindowExposed(wizard.harness.window()));
        LogCapture log;
        QMetaObject::invokeMethod(
            wizard.find(QStringLiteral("pageFooter")), "doScreenshot", Q_ARG(QString, out.path()));
        QTRY_COMPARE_WITH_TIMEOUT(wizard.closeApp->count(), 1, 30000);

        const QString locale = wizard.harness.language.getLocaleLang(language);
        QCOMPARE(log.startingWith(QStringLiteral("[ScreenShot] Find")),
            QStringList {
                QStringLiteral("[ScreenShot] Find HKEY_LOCAL_MACHINE\\Software\\KeltNova\\SystemPath result: ") });
        QStringList pages;
        for (const PageEntry &page : wizard.pages().pages())
            pages << page.name;
        const QVector<PageDialogEntry> pageDialogs = wizard.pages().dialogEntries();
        const QVector<TourShot> shots = ScreenShot::tour(
            pages, 0, QVector<DialogEntry>(pageDialogs.cbegin(), pageDialogs.cend()), wizard.dialogs().dialogEntries());
        QStringList expected;
        for (const TourShot &shot : shots)
            expected << ScreenShot::fileName(out.path(), locale, shot);
        QStringList saved;
        for (const QString &line : log.startingWith(Saved))
            saved << line.mid(Saved.size());
        QCOMPARE(saved, expected);
        for (const QString &file : expected)
            QVERIFY2(QFileInfo(file).size() > 0, qPrintable(file));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files).size(), expected.size());
        QVERIFY(!wizard.find(QStringLiteral("pageDialog"))->property("visible").toBool());
    }
};

QTEST_MAIN(TestScreenShot)
#include "tst_screenshot.moc"
