// What assistive technology finds in the window, through Qt's accessibility
// interfaces as the platform bridge reads them: page texts and dialog messages, where
// the keyboard goes on a page change and around a dialog, the install progress as a
// value, links as controls, and the language chooser as a list.

#include "QmlHarness.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

namespace {

// Every node below the window's accessible tree.
QList<QAccessibleInterface *> accessibleNodes(QQuickWindow *window)
{
    QList<QAccessibleInterface *> nodes;
    QList<QAccessibleInterface *> pending { QAccessible::queryAccessibleInterface(window) };
    while (!pending.isEmpty()) {
        QAccessibleInterface *node = pending.takeFirst();
        nodes << node;
        for (int i = 0; i < node->childCount(); ++i)
            pending << node->child(i);
    }
    return nodes;
}

// The names of the shown nodes with the role.
QStringList shownNames(QQuickWindow *window, QAccessible::Role role)
{
    QStringList names;
    for (QAccessibleInterface *node : accessibleNodes(window)) {
        if (node->role() == role && !node->state().invisible)
            names << node->text(QAccessible::Name);
    }
    return names;
}

QAccessibleInterface *shownNode(QQuickWindow *window, QAccessible::Role role, const QString &name = QString())
{
    for (QAccessibleInterface *node : accessibleNodes(window)) {
        if (node->role() == role && !node->state().invisible
            && (name.isEmpty() || node->text(QAccessible::Name) == name))
            return node;
    }
    return nullptr;
}

QAccessibleInterface *focused(QQuickWindow *window)
{
    QQuickItem *item = window->activeFocusItem();
    return item ? QAccessible::queryAccessibleInterface(item) : nullptr;
}

// A language's display name as read: without its font markup.
QString languageName(int row)
{
    QString name = LanguageStandIn::displayNames().at(row);
    return name.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
}

QString focusedName(QQuickWindow *window)
{
    QAccessibleInterface *node = focused(window);
    return node ? node->text(QAccessible::Name) : QString();
}

} // namespace

class TestQmlAccessible : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QmlHarness::registerBuiltResources(); }

    void pageTextsAreReadAsPlainText_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("health: the six warnings")
            << "pHealth.qml"
            << QStringList { QStringLiteral("Clear your play area"),
                   QStringLiteral("Keep the space around you free of obstacles, people and pets."),
                   QStringLiteral("Mind the cable"), QStringLiteral("Wear it right"),
                   QStringLiteral("Take regular breaks"), QStringLiteral("Supervise children"),
                   QStringLiteral("Listen to your body"),
                   QStringLiteral("Stop at once if you feel dizzy, sick or uncomfortable.") };
        QTest::newRow("driver: bold version and shortcut")
            << "pDriver.qml"
            << QStringList { QStringLiteral("Your graphics card driver is out of date. For the best experience with "
                                            "NOVA, update it to version 431.60 or later."),
                   QStringLiteral("Setup closes while you update. Afterwards, open it again with the Nova2020Setup "
                                  "shortcut on your desktop.") };
        QTest::newRow("footer and header")
            << "pFolder.qml"
            << QStringList { QStringLiteral("Version 1.2.3"), QStringLiteral("1. Check your PC, done"),
                   QStringLiteral("2. Install software, current step") };
    }

    void pageTextsAreReadAsPlainText()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, texts);
        QmlHarness harness({ { QStringLiteral("version"), QStringLiteral("OOBE_1.2.3") } });
        harness.load(page);
        const QStringList shown = shownNames(harness.window(), QAccessible::StaticText);
        for (const QString &text : texts)
            QVERIFY2(shown.contains(text),
                qPrintable(text + QStringLiteral(" not in ") + shown.join(QStringLiteral(" | "))));
        for (const QString &name : shown)
            QVERIFY2(!name.contains(QLatin1Char('<')) && !name.contains(QLatin1String("color:")), qPrintable(name));
    }

    void checkResultsSayWhatTheirBadgeShows_data()
    {
        QTest::addColumn<QString>("rank");
        QTest::addColumn<QString>("name");
        QTest::newRow("good") << "RANK_GOOD"
                              << "Graphics card: GTX 1080. Meets the requirements";
        QTest::newRow("bad") << "RANK_BAD"
                             << "Graphics card: GTX 1080. Your graphics card may not work well with NOVA.";
        QTest::newRow("unknown") << "RANK_UNKNOWN"
                                 << "Graphics card: GTX 1080. Could not be checked";
    }

    void checkResultsSayWhatTheirBadgeShows()
    {
        QFETCH(QString, rank);
        QFETCH(QString, name);
        QmlHarness harness;
        QObject *page = harness.load(QStringLiteral("pCheck.qml"));
        callQml(page, "setCheckResult", QStringLiteral("gpu"), QStringLiteral("GTX 1080"), rank);
        QVERIFY(shownNames(harness.window(), QAccessible::StaticText).contains(name));
    }

    // The new page's heading (the install page: its progress) takes the keyboard, so a
    // screen reader announces the page; Return still means Next there.
    void aPageChangeMovesTheKeyboardToThePageStart_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::newRow("legal") << "pLegal.qml" << int(QAccessible::Heading) << "Welcome to NOVA";
        QTest::newRow("folder") << "pFolder.qml" << int(QAccessible::Heading) << "Choose where to install";
        QTest::newRow("check") << "pCheck.qml" << int(QAccessible::Heading) << "Your PC might not be NOVA ready";
        QTest::newRow("install, no heading")
            << "pInstall.qml" << int(QAccessible::ProgressBar) << "Installation progress";
    }

    void aPageChangeMovesTheKeyboardToThePageStart()
    {
        QFETCH(QString, page);
        QFETCH(int, role);
        QFETCH(QString, name);
        QmlHarness harness;
        QQuickWindow *window = harness.window();
        QVERIFY(QTest::qWaitForWindowActive(window));
        harness.load(QStringLiteral("pComplete.qml"));
        harness.find(QStringLiteral("pageFooter"))->property("nextBtn").value<QQuickItem *>()->forceActiveFocus();
        harness.load(page);
        QAccessibleInterface *start = focused(window);
        QVERIFY(start);
        QCOMPARE(int(start->role()), role);
        QCOMPARE(start->text(QAccessible::Name), name);
        QVERIFY(start->state().focused);

        QSignalSpy next(harness.find(QStringLiteral("pageFooter")), SIGNAL(nextButtonClicked()));
        callQml(harness.find(QStringLiteral("pageFooter")), "setNextStatus", true, true, QStringLiteral("NEXT"));
        QTest::keyClick(window, Qt::Key_Return);
        // The terms page has its own button for Next.
        QCOMPARE(next.count(), page == QLatin1String("pLegal.qml") ? 0 : 1);
    }

    // A dialog is named by its title, described by its message, takes the keyboard and
    // gives it back where it was; its link is a control that opens like a click.
    void aDialogAnnouncesItselfAndGivesTheKeyboardBack()
    {
        QmlHarness harness;
        QQuickWindow *window = harness.window();
        QVERIFY(QTest::qWaitForWindowActive(window));
        harness.load(QStringLiteral("pFolder.qml"));
        QQuickItem *change = nullptr;
        for (QQuickItem *item : harness.page()->findChildren<QQuickItem *>()) {
            if (item->property("text").toString() == QLatin1String("CHANGE") && item->property("kind").isValid())
                change = item;
        }
        QVERIFY(change);
        change->forceActiveFocus();
        QObject *loader = harness.find(QStringLiteral("pageLoader"));
        callQml(loader, "showDialogImpl", QStringLiteral("Exit setup and <b>update</b> driver"),
            QStringLiteral("Setup closes. See <a href=\"https://help.test/driver\">the driver page</a>."),
            QStringLiteral("CANCEL"), QStringLiteral("CONTINUE<span id=\"x\"></span>"), false, QStringLiteral("DR002"));

        QAccessibleInterface *dialog = shownNode(window, QAccessible::Dialog);
        QVERIFY(dialog);
        QCOMPARE(dialog->text(QAccessible::Name), QStringLiteral("Exit setup and update driver"));
        QCOMPARE(dialog->text(QAccessible::Description), QStringLiteral("Setup closes. See the driver page."));
        QCOMPARE(focusedName(window), QStringLiteral("CANCEL"));

        QTRY_VERIFY(shownNode(window, QAccessible::Link, QStringLiteral("the driver page")));
        QAccessibleInterface *link = shownNode(window, QAccessible::Link, QStringLiteral("the driver page"));
        QVERIFY(link->state().focusable);
        QVERIFY(link->rect().width() > 0 && link->rect().height() > 0);
        QVERIFY(dialog->rect().contains(link->rect()));
        QSignalSpy opened(loader, SIGNAL(openUrlLink(QString)));
        QTest::keyClick(window, Qt::Key_Backtab); // the link comes before the answers
        QCOMPARE(focusedName(window), QStringLiteral("the driver page"));
        QTest::keyClick(window, Qt::Key_Return);
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened.at(0).at(0).toString(), QStringLiteral("https://help.test/driver"));

        QTest::keyClick(window, Qt::Key_Tab);
        QTest::keyClick(window, Qt::Key_Space); // CANCEL
        QTRY_COMPARE(focusedName(window), QStringLiteral("CHANGE"));
    }

    // The install bar's value is whole percent; the status is named by what is being
    // installed, so its announcement follows that text and not the progress.
    void installProgressIsAValueAndItsStatusAText()
    {
        QmlHarness harness;
        QObject *page = harness.load(QStringLiteral("pInstall.qml"));
        QAccessibleInterface *bar = shownNode(harness.window(), QAccessible::ProgressBar);
        QVERIFY(bar);
        QCOMPARE(bar->text(QAccessible::Name), QStringLiteral("Installation progress"));
        QVERIFY(bar->valueInterface());
        QCOMPARE(bar->valueInterface()->minimumValue().toDouble(), 0.0);
        QCOMPARE(bar->valueInterface()->maximumValue().toDouble(), 100.0);
        callQml(page, "setProgress", 42.6);
        QCOMPARE(bar->valueInterface()->currentValue().toDouble(), 42.0);
        QVERIFY(shownNames(harness.window(), QAccessible::StaticText).contains(QStringLiteral("42%")));

        QAccessibleInterface *status = shownNode(harness.window(), QAccessible::StatusBar);
        QVERIFY(status);
        QCOMPARE(status->text(QAccessible::Name), QStringLiteral("Preparing"));
        callQml(page, "setProgress", 57.0);
        QCOMPARE(status->text(QAccessible::Name), QStringLiteral("Preparing"));
        page->setProperty("installMessageText", QStringLiteral("Installing <b>SteamVR</b>"));
        QCOMPARE(status->text(QAccessible::Name), QStringLiteral("Installing SteamVR"));
        callQml(page, "complete");
        QCOMPARE(bar->valueInterface()->currentValue().toDouble(), 100.0);
    }

    // Each link of the terms is a Tab stop after the tick box, named, lying over its
    // text, and Return or Space opens it through the page loader, as a click does.
    void theTermsLinksAreControls_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Return") << Qt::Key_Return;
        QTest::newRow("Space") << Qt::Key_Space;
    }

    void theTermsLinksAreControls()
    {
        QFETCH(Qt::Key, key);
        QmlHarness harness({ { QStringLiteral("bIsSWOA"), true },
            { QStringLiteral("productSite"), QStringLiteral("https://site.test") } });
        QQuickWindow *window = harness.window();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QAccessibleInterface *box = shownNode(window, QAccessible::CheckBox);
        QVERIFY(box);
        QVERIFY(box->text(QAccessible::Name).startsWith(QLatin1String("I have read and accept the KELT EULA, ")));
        QTRY_COMPARE(shownNames(window, QAccessible::Link),
            QStringList({ QStringLiteral("EULA"), QStringLiteral("terms of use"), QStringLiteral("privacy policy") }));

        QObject *loader = harness.find(QStringLiteral("pageLoader"));
        QSignalSpy opened(loader, SIGNAL(openUrlLink(QString)));
        for (int i = 0; i < 12 && focused(window) && focused(window)->role() != QAccessible::CheckBox; ++i)
            QTest::keyClick(window, Qt::Key_Tab);
        QCOMPARE(int(focused(window)->role()), int(QAccessible::CheckBox));
        QStringList urls;
        for (const char *suffix : { "eula", "terms-of-use", "privacy-policy" }) {
            QTest::keyClick(window, Qt::Key_Tab);
            QAccessibleInterface *link = focused(window);
            QCOMPARE(int(link->role()), int(QAccessible::Link));
            QVERIFY(link->state().focusable);
            QVERIFY2(box->rect().intersects(link->rect()) || link->rect().top() >= box->rect().top(),
                qPrintable(link->text(QAccessible::Name)));
            QVERIFY(link->rect().width() > 4);
            QTest::keyClick(window, key);
            urls << QStringLiteral("https://site.test/us/legal/") + QLatin1String(suffix);
        }
        QStringList openedUrls;
        for (const QList<QVariant> &call : opened)
            openedUrls << call.at(0).toString();
        QCOMPARE(openedUrls, urls);
        QCOMPARE(harness.page()->property("isLegalChecked").toBool(), false); // a link is no tick
    }

    // The language chooser: a combo box that tells whether it is open, a list of rows
    // named in their own language with the locale, the current one selected; the
    // keyboard moves through the rows, which show only while scrolled into view.
    void theLanguageChooserIsAList()
    {
        QmlHarness harness({ { QStringLiteral("bIsSWOA"), true } });
        QQuickWindow *window = harness.window();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QAccessibleInterface *combo = shownNode(window, QAccessible::ComboBox);
        QVERIFY(combo);
        QVERIFY(combo->state().expandable);
        QVERIFY(combo->state().collapsed);
        QVERIFY(!combo->state().expanded);
        QCOMPARE(combo->text(QAccessible::Name), QStringLiteral("Language: English"));
        qobject_cast<QQuickItem *>(combo->object())->forceActiveFocus();

        QTest::keyClick(window, Qt::Key_Space);
        QVERIFY(combo->state().expanded);
        QAccessibleInterface *list = shownNode(window, QAccessible::List);
        QVERIFY(list);
        QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Languages"));
        QList<QAccessibleInterface *> rows;
        for (QAccessibleInterface *node : accessibleNodes(window)) {
            if (node->role() == QAccessible::ListItem)
                rows << node;
        }
        QCOMPARE(rows.size(), LanguageStandIn::displayNames().size());
        int showing = 0;
        QStringList selected;
        for (QAccessibleInterface *row : rows) {
            showing += row->state().invisible ? 0 : 1;
            if (row->state().selected)
                selected << row->text(QAccessible::Name);
            QVERIFY(row->state().selectable);
        }
        QCOMPARE(showing, 6);
        QCOMPARE(selected, QStringList { QStringLiteral("English") });
        QAccessibleInterface *row = focused(window);
        QCOMPARE(int(row->role()), int(QAccessible::ListItem));
        QCOMPARE(row->text(QAccessible::Name), QStringLiteral("English"));
        QCOMPARE(row->text(QAccessible::Description), QStringLiteral("en-US"));

        QTest::keyClick(window, Qt::Key_Home);
        const QString first = languageName(0);
        QCOMPARE(focusedName(window), first);
        QTest::keyClick(window, Qt::Key_Up); // stays on the first
        QCOMPARE(focusedName(window), first);
        QTest::keyClick(window, Qt::Key_End);
        QCOMPARE(focusedName(window), languageName(LanguageStandIn::displayNames().size() - 1));
        QVERIFY(!focused(window)->state().invisible); // scrolled into view
        QTest::keyClick(window, Qt::Key_Down); // stays on the last
        QCOMPARE(focusedName(window), languageName(LanguageStandIn::displayNames().size() - 1));
        QTest::keyClick(window, Qt::Key_Up);
        QCOMPARE(focusedName(window), languageName(LanguageStandIn::displayNames().size() - 2));

        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!combo->state().expanded);
        QCOMPARE(focusedName(window), QStringLiteral("Language: English"));
        QTest::keyClick(window, Qt::Key_Down);
        QVERIFY(combo->state().expanded);
        QCOMPARE(focusedName(window), QStringLiteral("English")); // the list opens on the current one
        QTest::keyClick(window, Qt::Key_Up);
        harness.language.calls.clear();
        QTest::keyClick(window, Qt::Key_Return);
        const int english = LanguageStandIn::rowOf(QStringLiteral("us"));
        QVERIFY2(harness.language.calls.contains(QStringLiteral("setOOBELang(%1)").arg(english - 1)),
            qPrintable(harness.language.calls.join(QLatin1Char(' '))));
        QVERIFY(!combo->state().expanded);
        QCOMPARE(int(focused(window)->role()), int(QAccessible::ComboBox));
    }
};

QTEST_MAIN(TestQmlAccessible)
#include "tst_qmlaccessible.moc"
