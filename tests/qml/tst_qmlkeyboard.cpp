// The wizard without a mouse: Return, Escape and Tab, accessible names and actions,
// controls that must not act, where the keyboard starts in dialogs and pages, and a
// run from the first page to the end by keyboard alone.

#include "PageFlowStandIn.h"
#include "QmlHarness.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QQuickItem>
#include <QRegularExpression>
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

// The button below the window's content, shown or not, whose accessible name is `name`.
QQuickItem *buttonNamed(QQuickWindow *window, const QString &name)
{
    QList<QQuickItem *> items { window->contentItem() };
    while (!items.isEmpty()) {
        QQuickItem *item = items.takeFirst();
        items << item->childItems();
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(item);
        if (accessible && accessible->role() == QAccessible::Button && accessible->text(QAccessible::Name) == name)
            return item;
    }
    return nullptr;
}

// The press action of an accessible button, as a screen reader's "do action" reaches it.
void pressByAssistiveTechnology(QQuickItem *item)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(item);
    QVERIFY(accessible);
    QVERIFY(accessible->actionInterface());
    QVERIFY(accessible->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// What a held key sends after its first press: an auto-repeated press and release.
void sendRepeat(QWindow *window, Qt::Key key)
{
    const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r");
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text, true);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text, true);
    QGuiApplication::sendEvent(window, &press);
    QGuiApplication::sendEvent(window, &release);
}

// The names of the shown buttons that assistive technology finds in the window's tree.
QStringList accessibleButtons(QQuickWindow *window)
{
    QStringList names;
    QList<QAccessibleInterface *> nodes { QAccessible::queryAccessibleInterface(window) };
    while (!nodes.isEmpty()) {
        QAccessibleInterface *node = nodes.takeFirst();
        for (int i = 0; i < node->childCount(); ++i)
            nodes << node->child(i);
        if (node->role() == QAccessible::Button && !node->state().invisible)
            names << node->text(QAccessible::Name);
    }
    return names;
}

QString plain(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
}

void showDialog(QmlHarness &harness, const QString &id, const QString &negative, const QString &positive)
{
    callQml(harness.find(QStringLiteral("pageLoader")), "showDialogImpl", QStringLiteral("Title of ") + id,
        QStringLiteral("Text of ") + id, negative, positive, false, id);
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
        // The hidden dialog keeps no keyboard focus: it goes back to the control that had
        // it (the round's last, Minimize), so Return presses that and answers nothing again.
        QTRY_COMPARE(focusedName(harness.window()), QStringLiteral("Minimize"));
        QSignalSpy minimize(harness.find(QStringLiteral("pageHeader")), SIGNAL(minimizeButtonClicked()));
        QTest::keyClick(harness.window(), Qt::Key_Return);
        QCOMPARE(negative.count(), 1);
        QCOMPARE(minimize.count(), 1);
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

    // Whatever presses it (assistive technology, Space, Return), a disabled or hidden
    // button, or one behind the dialog or the waiting overlay, does nothing. The
    // button had the keyboard while it could still be used.
    void aControlThatCannotBeUsedNeverActs_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("nextText");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<int>("clicks");
        struct Case {
            const char *name, *page, *nextText, *control, *obstacle;
        };
        const Case cases[] = {
            { "usable INSTALL", "pFolder.qml", "INSTALL", "INSTALL", "none" },
            { "disabled INSTALL", "pFolder.qml", "INSTALL", "INSTALL", "disabled" },
            { "hidden OK", "pComplete.qml", "OK", "OK", "hidden" },
            { "SKIP INSTALLATION without a skip", "pFolder.qml", "INSTALL", "SKIP INSTALLATION", "no skip" },
            { "INSTALL behind a dialog", "pDotNet.qml", "INSTALL", "INSTALL", "dialog" },
            { "QUIT SETUP behind a dialog", "pDotNet.qml", "INSTALL", "QUIT SETUP", "dialog" },
            { "Close behind a dialog", "pInstall.qml", "NEXT", "Close", "dialog" },
            { "I UNDERSTAND behind the waiting overlay", "pHealth.qml", "I UNDERSTAND", "I UNDERSTAND", "waiting" },
        };
        for (const Case &c : cases) {
            for (const char *trigger : { "assistive technology", "Space", "Return" })
                QTest::addRow("%s, %s", c.name, trigger) << c.page << c.nextText << c.control << c.obstacle << trigger
                                                         << (qstrcmp(c.obstacle, "none") == 0 ? 1 : 0);
        }
    }

    void aControlThatCannotBeUsedNeverActs()
    {
        QFETCH(QString, page);
        QFETCH(QString, nextText);
        QFETCH(QString, control);
        QFETCH(QString, obstacle);
        QFETCH(QString, trigger);
        QFETCH(int, clicks);
        QmlHarness harness;
        QQuickWindow *window = harness.window();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QObject *footer = harness.find(QStringLiteral("pageFooter"));
        harness.load(page);
        callQml(footer, "setNextStatus", true, true, nextText);
        harness.page()->setProperty("canSkipInstall", true);
        QQuickItem *button = buttonNamed(window, control);
        QVERIFY(button);
        button->forceActiveFocus();
        QVERIFY(button->hasActiveFocus());

        if (obstacle == QLatin1String("disabled"))
            callQml(footer, "setNextStatus", false, true, nextText);
        else if (obstacle == QLatin1String("hidden"))
            callQml(footer, "setNextStatus", true, false, nextText);
        else if (obstacle == QLatin1String("no skip"))
            harness.page()->setProperty("canSkipInstall", false);
        else if (obstacle == QLatin1String("dialog"))
            showDialog(harness, QStringLiteral("CommonError"), QStringLiteral("QUIT SETUP"), QStringLiteral("BACK"));
        else if (obstacle == QLatin1String("waiting"))
            callQml(harness.find(QStringLiteral("waitingDialog")), "show");

        // Assistive technology is told which buttons take no focus.
        QCOMPARE(QAccessible::queryAccessibleInterface(button)->state().focusable, clicks > 0);
        QSignalSpy clicked(button, SIGNAL(clicked()));
        if (trigger == QLatin1String("assistive technology"))
            pressByAssistiveTechnology(button);
        else
            QTest::keyClick(window, trigger == QLatin1String("Space") ? Qt::Key_Space : Qt::Key_Return);
        QCOMPARE(clicked.count(), clicks);
    }

    // Behind a modal overlay assistive technology finds only the overlay's answers.
    void assistiveTechnologyFindsOnlyTheOverlaysAnswers_data()
    {
        QTest::addColumn<QString>("overlay");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("dialog") << "dialog" << QStringList { QStringLiteral("QUIT SETUP"), QStringLiteral("BACK") };
        QTest::newRow("waiting overlay") << "waiting" << QStringList();
    }

    void assistiveTechnologyFindsOnlyTheOverlaysAnswers()
    {
        QFETCH(QString, overlay);
        QFETCH(QStringList, buttons);
        QmlHarness harness;
        QQuickWindow *window = harness.window();
        QVERIFY(QTest::qWaitForWindowActive(window));
        harness.load(QStringLiteral("pFolder.qml"));
        callQml(harness.find(QStringLiteral("pageFooter")), "setNextStatus", true, true, QStringLiteral("INSTALL"));
        const QStringList pageButtons = accessibleButtons(window);
        QVERIFY(pageButtons.contains(QStringLiteral("INSTALL")));

        if (overlay == QLatin1String("dialog"))
            showDialog(harness, QStringLiteral("CO005"), QStringLiteral("QUIT SETUP"), QStringLiteral("BACK"));
        else
            callQml(harness.find(QStringLiteral("waitingDialog")), "show");
        QCOMPARE(accessibleButtons(window), buttons);

        callQml(harness.find(QStringLiteral("pageLoader")), "closeDialog");
        callQml(harness.find(QStringLiteral("waitingDialog")), "dismiss");
        QCOMPARE(accessibleButtons(window), pageButtons);
    }

    void escapeAsksBeforeCuttingTheInstallationShort_data()
    {
        QTest::addColumn<bool>("completed");
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<int>("quits");
        QTest::newRow("installing") << false << QStringList { QStringLiteral("CO005") } << 0;
        QTest::newRow("completed") << true << QStringList() << 1;
    }

    void escapeAsksBeforeCuttingTheInstallationShort()
    {
        QFETCH(bool, completed);
        QFETCH(QStringList, dialogs);
        QFETCH(int, quits);
        QmlHarness harness;
        QVERIFY(QTest::qWaitForWindowActive(harness.window()));
        QObject *page = harness.load(QStringLiteral("pInstall.qml"));
        if (completed)
            callQml(page, "complete");
        QSignalSpy shown(harness.root(), SIGNAL(showDialog(QString)));
        QSignalSpy quitButton(harness.root(), SIGNAL(quitButtonClicked()));
        QSignalSpy quit(harness.root(), SIGNAL(prepareToQuit(QString)));
        QTest::keyClick(harness.window(), Qt::Key_Escape);
        QStringList shownIds;
        for (const QList<QVariant> &call : shown)
            shownIds << call.at(0).toString();
        QCOMPARE(shownIds, dialogs);
        QCOMPARE(quitButton.count(), quits);
        QCOMPARE(quit.count(), quits);

        // The header's close button still closes at once.
        QMetaObject::invokeMethod(harness.find(QStringLiteral("pageHeader")), "closeButtonClicked");
        QCOMPARE(quit.count(), quits + 1);
    }

    // The keyboard starts on the answer that changes nothing, so Return answers with it.
    void dialogsStartOnTheAnswerThatChangesNothing_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("negative");
        QTest::addColumn<QString>("positive");
        QTest::addColumn<bool>("negativeIsHarmless");
        const QString quitSetup = QStringLiteral("QUIT SETUP");
        const QString back = QStringLiteral("BACK");
        const QString cancel = QStringLiteral("CANCEL");
        QTest::newRow("CO004") << "CO004" << quitSetup << back << false;
        QTest::newRow("CommonError") << "CommonError"
                                     << "QUIT SETUP<span id=\"common-01\"></span>"
                                     << "BACK<span id=\"common-02\"></span>" << false;
        QTest::newRow("Sw01Err6") << "Sw01Err6"
                                  << "CANCEL SETUP" << back << false;
        QTest::newRow("HMD001") << "HMD001"
                                << "SKIP ANYWAY" << back << false;
        QTest::newRow("Init01Info1") << "Init01Info1"
                                     << "QUIT SETUP<span id=\"downloader-00\"></span>" << cancel << false;
        QTest::newRow("IN002") << "IN002" << quitSetup << "TRY AGAIN" << false;
        QTest::newRow("CH001") << "CH001" << cancel << "CONTINUE ANYWAY" << true;
        QTest::newRow("DR001") << "DR001" << cancel << "CONTINUE ANYWAY" << true;
        QTest::newRow("DR002") << "DR002" << cancel << "CONTINUE" << true;
        QTest::newRow("DriverLink") << "DriverLink"
                                    << "CANCEL<span id=\"driver-00\"></span>"
                                    << "DOWNLOAD<span id=\"driver-01\"></span>" << true;
        QTest::newRow("IN011") << "IN011"
                               << "RESTART LATER"
                               << "RESTART NOW" << true;
        QTest::newRow("FIN004") << "FIN004" << cancel << "QUIT" << true;
        QTest::newRow("LE001, one answer") << "LE001" << QString() << "OK" << false;
        QTest::newRow("Init00Err1, one answer") << "Init00Err1" << QString() << quitSetup << false;
    }

    void dialogsStartOnTheAnswerThatChangesNothing()
    {
        QFETCH(QString, id);
        QFETCH(QString, negative);
        QFETCH(QString, positive);
        QFETCH(bool, negativeIsHarmless);
        QmlHarness harness;
        QVERIFY(QTest::qWaitForWindowActive(harness.window()));
        // Over an open dialog that started on its other answer (the other catalogue may
        // ask while it is up), and after it closed.
        const bool otherStartsOnNegative = !negativeIsHarmless;
        showDialog(harness, otherStartsOnNegative ? QStringLiteral("DR002") : QStringLiteral("CO004"),
            QStringLiteral("NO"), QStringLiteral("YES"));
        QCOMPARE(focusedName(harness.window()), otherStartsOnNegative ? QStringLiteral("NO") : QStringLiteral("YES"));
        showDialog(harness, id, negative, positive);
        QCOMPARE(focusedName(harness.window()), plain(negativeIsHarmless ? negative : positive));
        callQml(harness.find(QStringLiteral("pageLoader")), "closeDialog");

        showDialog(harness, id, negative, positive);
        QCOMPARE(focusedName(harness.window()), plain(negativeIsHarmless ? negative : positive));
        QObject *dialog = harness.find(QStringLiteral("pageDialog"));
        QSignalSpy negativePressed(dialog, SIGNAL(negativePressed()));
        QSignalSpy positivePressed(dialog, SIGNAL(positivePressed()));
        QTest::keyClick(harness.window(), Qt::Key_Return);
        QCOMPARE(negativePressed.count(), negativeIsHarmless ? 1 : 0);
        QCOMPARE(positivePressed.count(), negativeIsHarmless ? 0 : 1);
    }

    // Next by Return (the window) or by Space and Enter on the focused Next opens
    // "CH001"; the same key held down does not answer it, a new press does.
    void aHeldKeyDoesNotAnswerTheDialogItOpened_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Return") << Qt::Key_Return;
        QTest::newRow("Enter on Next") << Qt::Key_Enter;
        QTest::newRow("Space on Next") << Qt::Key_Space;
    }

    void aHeldKeyDoesNotAnswerTheDialogItOpened()
    {
        QFETCH(Qt::Key, key);
        QmlHarness harness;
        QQuickWindow *window = harness.window();
        QVERIFY(QTest::qWaitForWindowActive(window));
        PageFlowStandIn flow(harness.root(),
            { { QStringLiteral("pCheck.qml"), true, true, true, QStringLiteral("NEXT") },
                { QStringLiteral("pDriver.qml"), true, true, true, QStringLiteral("NEXT") } });
        if (key != Qt::Key_Return)
            harness.find(QStringLiteral("pageFooter"))->property("nextBtn").value<QQuickItem *>()->forceActiveFocus();
        QObject *dialog = harness.find(QStringLiteral("pageDialog"));
        QSignalSpy negative(dialog, SIGNAL(negativePressed()));
        QSignalSpy positive(dialog, SIGNAL(positivePressed()));

        QTest::keyPress(window, key);
        QCOMPARE(flow.dialogs, QStringList { QStringLiteral("CH001") });
        for (int i = 0; i < 3; ++i)
            sendRepeat(window, key);
        QTest::keyRelease(window, key);
        QVERIFY(dialog->property("visible").toBool());
        QCOMPARE(negative.count() + positive.count(), 0);

        QTest::keyClick(window, key);
        QCOMPARE(negative.count(), 1); // CANCEL
        QCOMPARE(positive.count(), 0);
        QCOMPARE(harness.currentPage(), QStringLiteral("pCheck.qml"));
    }

    // The key that changed the page, pressed again or held, presses nothing on the new
    // page: neither the footer's Next renamed under it nor anything else. The keyboard
    // is on the new page's heading, which a screen reader announces.
    void aSecondPressAfterAPageChangePressesNothing_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("secondNext");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<bool>("held");
        QTest::newRow("Space on I UNDERSTAND, then INSTALL") << "pHealth.qml"
                                                             << "I UNDERSTAND"
                                                             << "pFolder.qml"
                                                             << "INSTALL" << Qt::Key_Space << false;
        QTest::newRow("Space on GET STARTED, then I UNDERSTAND") << "pLegal.qml"
                                                                 << "GET STARTED"
                                                                 << "pHealth.qml"
                                                                 << "I UNDERSTAND" << Qt::Key_Space << false;
        QTest::newRow("Return held on the health page") << "pHealth.qml" << QString() << "pCheck.qml"
                                                        << "NEXT" << Qt::Key_Return << true;
    }

    void aSecondPressAfterAPageChangePressesNothing()
    {
        QFETCH(QString, first);
        QFETCH(QString, focused);
        QFETCH(QString, second);
        QFETCH(QString, secondNext);
        QFETCH(Qt::Key, key);
        QFETCH(bool, held);
        QmlHarness harness({ { QStringLiteral("bPCChecked"), true } });
        QQuickWindow *window = harness.window();
        QVERIFY(QTest::qWaitForWindowActive(window));
        PageFlowStandIn flow(harness.root(),
            { { first, false, true, true, QStringLiteral("I UNDERSTAND") }, { second, true, true, true, secondNext } });
        harness.page()->setProperty("isLegalChecked", true);
        if (!focused.isEmpty()) {
            QQuickItem *button = buttonNamed(window, focused);
            QVERIFY(button);
            button->forceActiveFocus();
        }
        QSignalSpy jumps(harness.find(QStringLiteral("pageLoader")), SIGNAL(jumpNext()));

        QTest::keyPress(window, key);
        QCOMPARE(harness.currentPage(), second);
        if (held) {
            sendRepeat(window, key);
            sendRepeat(window, key);
        }
        QTest::keyRelease(window, key);
        if (!held)
            QTest::keyClick(window, key);
        QCOMPARE(harness.currentPage(), second);
        QCOMPARE(jumps.count(), 1);
        QCOMPARE(flow.dialogs, QStringList());
        QCOMPARE(focusedName(window), harness.page()->property("title").toString());
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
        QTest::keyClick(window, Qt::Key_Return); // NEXT, then "CH001" on CANCEL
        QTest::keyClick(window, Qt::Key_Tab);
        QTest::keyClick(window, Qt::Key_Return); // CONTINUE
        QCOMPARE(harness.currentPage(), QStringLiteral("pDriver.qml"));
        QTest::keyClick(window, Qt::Key_Return); // NEXT, then "DR001" on CANCEL
        QTest::keyClick(window, Qt::Key_Tab);
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
