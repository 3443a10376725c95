// The wizard without a mouse: Return, Escape and Tab, accessible names, and a run
// from the first page to the end by keyboard alone.

#include "PageFlowStandIn.h"
#include "QmlHarness.h"

#include <QAccessible>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>

namespace {

QString focusedName(QQuickWindow *window)
{
    QQuickItem *item = window->activeFocusItem();
    QAccessibleInterface *accessible = item ? QAccessible::queryAccessibleInterface(item) : nullptr;
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// The names of the controls Tab visits, once round.
QStringList tabRound(QQuickWindow *window)
{
    QStringList names;
    for (int i = 0; i < 30; ++i) {
        QTest::keyClick(window, Qt::Key_Tab);
        const QString name = focusedName(window);
        if (names.contains(name))
            break;
        names << name;
    }
    return names;
}

// Visible controls whose accessible name is empty, as "role at x,y".
QStringList unnamedControls(QQuickWindow *window, int *controls)
{
    QStringList unnamed;
    QList<QQuickItem *> items { window->contentItem() };
    while (!items.isEmpty()) {
        QQuickItem *item = items.takeFirst();
        if (!item->isVisible())
            continue;
        items << item->childItems();
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(item);
        if (!accessible)
            continue;
        const QAccessible::Role role = accessible->role();
        if (role != QAccessible::Button && role != QAccessible::CheckBox && role != QAccessible::ComboBox)
            continue;
        ++*controls;
        if (accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << QStringLiteral("%1 in %2")
                           .arg(role)
                           .arg(QString::fromLatin1(item->parent()->metaObject()->className()));
    }
    return unnamed;
}

} // namespace

class TestQmlKeyboard : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QmlHarness::registerBuiltResources(); }

    void returnActivatesAnUsableNext_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("visible");
        QTest::newRow("enabled and visible") << true << true;
        QTest::newRow("disabled") << false << true;
        QTest::newRow("hidden") << true << false;
    }

    void returnActivatesAnUsableNext()
    {
        QFETCH(bool, enabled);
        QFETCH(bool, visible);
        QmlHarness harness;
        QVERIFY(QTest::qWaitForWindowActive(harness.window()));
        harness.load(QStringLiteral("pComplete.qml"));
        callQml(harness.find(QStringLiteral("pageFooter")), "setNextStatus", enabled, visible, QStringLiteral("OK"));
        QSignalSpy quit(harness.root(), SIGNAL(prepareToQuit(QString)));
        QTest::keyClick(harness.window(), Qt::Key_Return);
        QTest::keyClick(harness.window(), Qt::Key_Enter);
        QCOMPARE(quit.count(), enabled && visible ? 2 : 0);
    }

    void escapeAsksToCloseLikeTheCloseButton()
    {
        QmlHarness harness;
        QVERIFY(QTest::qWaitForWindowActive(harness.window()));
        QSignalSpy quitButton(harness.root(), SIGNAL(quitButtonClicked()));
        QSignalSpy quit(harness.root(), SIGNAL(prepareToQuit(QString)));
        QTest::keyClick(harness.window(), Qt::Key_Escape);
        QCOMPARE(quitButton.count(), 1);
        QCOMPARE(quit.count(), 1);
        QCOMPARE(quit.at(0).at(0).toString(), QStringLiteral("normal"));
        QMetaObject::invokeMethod(harness.find(QStringLiteral("pageHeader")), "closeButtonClicked");
        QCOMPARE(quitButton.count(), 2);
        QCOMPARE(quit.count(), 2);

        // Not while a dialog waits for an answer.
        callQml(harness.find(QStringLiteral("pageLoader")), "showDialogImpl", QStringLiteral("T"), QStringLiteral("I"),
            QStringLiteral("NO"), QStringLiteral("YES"), false, QStringLiteral("X"));
        QTest::keyClick(harness.window(), Qt::Key_Escape);
        QCOMPARE(quit.count(), 2);
    }

    void tabVisitsThePageControlsAndThenOnlyTheDialogButtons()
    {
        QmlHarness harness;
        QVERIFY(QTest::qWaitForWindowActive(harness.window()));
        harness.load(QStringLiteral("pFolder.qml"));
        QObject *footer = harness.find(QStringLiteral("pageFooter"));
        callQml(footer, "setBackStatus", true, true, QString());
        callQml(footer, "setNextStatus", true, true, QStringLiteral("INSTALL"));
        QCOMPARE(tabRound(harness.window()),
            QStringList({ QStringLiteral("Minimize"), QStringLiteral("Close"), QStringLiteral("CHANGE"),
                QStringLiteral("BACK"), QStringLiteral("INSTALL") }));

        callQml(harness.find(QStringLiteral("pageLoader")), "showDialogImpl", QStringLiteral("T"), QStringLiteral("I"),
            QStringLiteral("QUIT SETUP<span id=\"x\"></span>"), QStringLiteral("TRY AGAIN"), false,
            QStringLiteral("IN002"));
        QCOMPARE(focusedName(harness.window()), QStringLiteral("TRY AGAIN"));
        QCOMPARE(
            tabRound(harness.window()), QStringList({ QStringLiteral("QUIT SETUP"), QStringLiteral("TRY AGAIN") }));
        // A round ends back on the first button.
        QSignalSpy negative(harness.find(QStringLiteral("pageDialog")), SIGNAL(negativePressed()));
        QTest::keyClick(harness.window(), Qt::Key_Space);
        QCOMPARE(negative.count(), 1);
        // The hidden dialog keeps no keyboard focus: Return goes to the page again.
        QSignalSpy next(harness.find(QStringLiteral("pageLoader")), SIGNAL(jumpNext()));
        QTest::keyClick(harness.window(), Qt::Key_Return);
        QCOMPARE(negative.count(), 1);
        QCOMPARE(next.count(), 1);
    }

    void everyControlHasAnAccessibleName_data()
    {
        QTest::addColumn<QString>("page");
        for (const char *page : { "pLegal.qml", "pHealth.qml", "pCheck.qml", "pDotNet.qml", "pDriver.qml",
                 "pFolder.qml", "pInstall.qml", "pComplete.qml", "pKeltSignin.qml", "pSignin.qml", "pSw01.qml" })
            QTest::newRow(page) << QString::fromLatin1(page);
    }

    void everyControlHasAnAccessibleName()
    {
        QFETCH(QString, page);
        QmlHarness harness;
        QObject *footer = harness.find(QStringLiteral("pageFooter"));
        harness.load(page);
        callQml(footer, "setBackStatus", true, true, QString());
        callQml(footer, "setNextStatus", true, true, QString());
        if (QObject *selector = harness.find(QStringLiteral("languageSelector")))
            selector->setProperty("open", true);
        callQml(harness.find(QStringLiteral("pageLoader")), "showDialogImpl", QStringLiteral("T"), QStringLiteral("I"),
            QStringLiteral("NO"), QStringLiteral("YES"), false, QStringLiteral("X"));
        int controls = 0;
        QCOMPARE(unnamedControls(harness.window(), &controls), QStringList());
        QVERIFY(controls >= 6); // header, footer and dialog buttons at least
    }

    // Legal terms, health, PC check, driver, folder, installation, completion.
    void keyboardAloneFinishesTheWizard()
    {
        QmlHarness harness({ { QStringLiteral("bIsDKV"), true }, { QStringLiteral("bPCChecked"), true } });
        QVERIFY(QTest::qWaitForWindowActive(harness.window()));
        const QString next = QStringLiteral("NEXT");
        PageFlowStandIn flow(harness.root(),
            { { QStringLiteral("pLegal.qml"), false, false, false, QString() },
                { QStringLiteral("pHealth.qml"), false, true, true, QStringLiteral("I UNDERSTAND") },
                { QStringLiteral("pCheck.qml"), true, true, true, next },
                { QStringLiteral("pDriver.qml"), true, true, true, next },
                { QStringLiteral("pFolder.qml"), true, true, true, QStringLiteral("INSTALL") },
                { QStringLiteral("pInstall.qml"), false, false, false, next },
                { QStringLiteral("pComplete.qml"), false, true, true, QStringLiteral("OK") } });
        QQuickWindow *window = harness.window();

        // Tab to the terms, tick them, Tab to the start button and press it.
        for (int i = 0; i < 12 && focusedName(window) != QStringLiteral("GET STARTED"); ++i) {
            QTest::keyClick(window, Qt::Key_Tab);
            if (focusedName(window).startsWith(QLatin1String("I have read and accept")))
                QTest::keyClick(window, Qt::Key_Space);
        }
        QTest::keyClick(window, Qt::Key_Return);
        QCOMPARE(harness.currentPage(), QStringLiteral("pHealth.qml"));

        QTest::keyClick(window, Qt::Key_Return); // I UNDERSTAND
        QTest::keyClick(window, Qt::Key_Return); // NEXT, then "CH001"
        QTest::keyClick(window, Qt::Key_Return); // CONTINUE
        QCOMPARE(harness.currentPage(), QStringLiteral("pDriver.qml"));
        QTest::keyClick(window, Qt::Key_Return); // NEXT, then "DR001"
        QTest::keyClick(window, Qt::Key_Return); // CONTINUE
        QTest::keyClick(window, Qt::Key_Return); // INSTALL
        QCOMPARE(harness.currentPage(), QStringLiteral("pInstall.qml"));
        QCOMPARE(flow.dialogs, QStringList({ QStringLiteral("CH001"), QStringLiteral("DR001") }));

        callQml(harness.page(), "complete"); // the installation ends by itself
        QCOMPARE(harness.currentPage(), QStringLiteral("pComplete.qml"));
        QTest::keyClick(window, Qt::Key_Return); // OK
        QCOMPARE(flow.quitReasons, QStringList { QStringLiteral("done") });
    }
};

QTEST_MAIN(TestQmlKeyboard)
#include "tst_qmlkeyboard.moc"
