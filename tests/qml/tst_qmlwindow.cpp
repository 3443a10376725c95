// The main window: its contract with the native side, the page loader, the dialog
// overlay and the blur, the root's functions and the close handling.

#include "LogCapture.h"
#include "QmlHarness.h"

#include "core/QmlNames.h"

#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>

namespace {

bool hasMethod(QObject *object, const char *signature)
{
    return object->metaObject()->indexOfMethod(QMetaObject::normalizedSignature(signature).constData()) >= 0;
}

bool hasProperty(QObject *object, const char *name)
{
    return object->metaObject()->indexOfProperty(name) >= 0;
}

void verifyContract(QObject *object, const QList<const char *> &properties, const QList<const char *> &methods)
{
    QVERIFY(object);
    for (const char *name : properties)
        QVERIFY2(hasProperty(object, name), name);
    for (const char *signature : methods)
        QVERIFY2(hasMethod(object, signature), signature);
}

bool hasFunction(QObject *object, const char *name)
{
    const QMetaObject *meta = object->metaObject();
    for (int i = 0; i < meta->methodCount(); ++i) {
        if (meta->method(i).name() == name)
            return true;
    }
    return false;
}

bool effectivelyEnabled(QObject *object)
{
    auto *item = qobject_cast<QQuickItem *>(object);
    return item && item->isEnabled();
}

} // namespace

class TestQmlWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QmlHarness::registerBuiltResources(); }

    void rootOffersWhatTheNativeSideUses()
    {
        QmlHarness harness;
        QObject *root = harness.root();
        verifyContract(root,
            { "primScWidth", "primScHeight", "product_name", "sku", "bPublic", "version", "bIsDKV", "bIsSWOA",
                "bIsOtherDev", "videoPath", "bIsLangAr", "bIsUninstalling", "bNeedLaunchNovaport", "bNovaport3010",
                "nNovaportErrorCode", "bOemFinished", "dotNetBtnState", "signinState", "defaultLangIndex", "languages",
                "styledTextLang", "urlLocale", "gpuType", "bPCChecked", "bHasBeenActive", "detectionTimeoutLength",
                "thresholdForSkip", "driverVersionNv", "driverVersionAMD", "shortCutName", "videoFileName",
                "linkTextColor", "helpUrlPrefix", "icPathByScale", "scale" },
            { "firstActive()", "notifyPCChecked()", "skipInstall()", "initPages()", "initDialog()",
                "showDialog(QString)", "quitButtonClicked()", "bgUICompleted()", "languageBI(QString)",
                "learnMoreBIEnd()", "prepareToQuit(QString)", "regOpenVRDriver()", "setGpuType(QVariant)",
                "setPCChecked()", "hideWindow()", "scx(QVariant)", "bringWindowToTop()", "startBGMode()" });

        QCOMPARE(root->property("bPublic"), QVariant(true));
        QCOMPARE(root->property("urlLocale"), QVariant(QStringLiteral("us")));
        QCOMPARE(root->property("gpuType"), QVariant(QStringLiteral("nvidia")));
        QCOMPARE(root->property("detectionTimeoutLength").toInt(), 300000);
        QCOMPARE(root->property("thresholdForSkip").toInt(), 1);
        QCOMPARE(root->property("driverVersionNv"), QVariant(QStringLiteral("431.60")));
        QCOMPARE(root->property("driverVersionAMD"), QVariant(QStringLiteral("25.20.15031.5004")));
        QCOMPARE(root->property("linkTextColor"), QVariant(QStringLiteral("#007999")));
        const QVariantMap shortcuts = root->property("shortCutName").toMap();
        QCOMPARE(shortcuts.value(QStringLiteral("KYR")).toString(), QStringLiteral("NovaTundraESetup"));
        QCOMPARE(shortcuts.value(QStringLiteral("Tundra")).toString(), QStringLiteral("NovaTundraSetup"));
        QCOMPARE(shortcuts.value(QStringLiteral("DOV")).toString(), QStringLiteral("Nova2020Setup"));

        const auto video
            = [root] { return root->property("videoFileName").toMap().value(QStringLiteral("pInstall")).toString(); };
        QCOMPARE(video(), QStringLiteral("Novaport_anim.mp4"));
        root->setProperty("sku", QStringLiteral("Tundra"));
        QCOMPARE(video(), QStringLiteral("Dividi_anim.mp4"));

        root->setProperty("urlLocale", QStringLiteral("jp"));
        QVERIFY(root->property("helpUrlPrefix").toString().endsWith(QLatin1String("/jp")));
    }

    // Every name the native side uses, on the object it uses it on; pages are loaded
    // through the page loader as the page manager does.
    void windowHasEveryNameTheNativeSideUses()
    {
        QmlHarness harness;
        for (const QmlNames::Contract &contract : QmlNames::contracts) {
            const QString name = QLatin1String(contract.object);
            QObject *object = name.isEmpty() ? harness.root() : harness.find(name);
            if (!object && name.startsWith(QLatin1Char('p')))
                object = harness.load(name + QStringLiteral(".qml"));
            QVERIFY2(object, contract.object);
            for (const char *property : contract.properties)
                QVERIFY2(hasProperty(object, property), qPrintable(name + QLatin1Char('.') + QLatin1String(property)));
            for (const char *function : contract.functions)
                QVERIFY2(hasFunction(object, function), qPrintable(name + QLatin1Char('.') + QLatin1String(function)));
            for (const char *signature : contract.signatures)
                QVERIFY2(hasMethod(object, signature), qPrintable(name + QLatin1Char('.') + QLatin1String(signature)));
        }
    }

    void componentsOfferTheirContract()
    {
        QmlHarness harness;
        verifyContract(harness.find(QStringLiteral("pageHeader")),
            { "bBlueBgR", "bBlueBgL", "bIsSWOA", "bIsOtherDev", "itemStepper", "index" },
            { "update()", "setVisibility(QVariant)", "minimizeButtonClicked()" });
        verifyContract(harness.find(QStringLiteral("pageFooter")),
            { "nextBtn", "helpBtn", "nHelpClicked", "bScreenshot" },
            { "setBackStatus(QVariant,QVariant,QVariant)", "setNextStatus(QVariant,QVariant,QVariant)",
                "setNextEnabled(QVariant)", "update()", "doScreenshot(QString)" });
        verifyContract(harness.find(QStringLiteral("pageDialog")),
            { "title", "info", "txtNegative", "txtPositive", "enhanced", "dialogID", "full", "visible" },
            { "negativePressed()", "positivePressed()" });
        verifyContract(harness.find(QStringLiteral("pageLoader")), { "source" },
            { "setBackStatus(bool,bool,QString)", "setNextStatus(bool,bool,QString)", "abandonDialog(QString)",
                "jumpNext()", "jumpBack()", "launchNovaport()", "openUrlLink(QString)", "loaded()", "helpClicked()",
                "load(QVariant)", "setFullWindow(QVariant)",
                "showDialogImpl(QVariant,QVariant,QVariant,QVariant,QVariant,QVariant)", "closeDialog()", "quit()" });
        verifyContract(harness.find(QStringLiteral("waitingDialog")), {}, { "show()", "dismiss()" });
    }

    void scaleFitsThePrimaryScreen_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("icons");
        QTest::newRow("full HD") << 1920 << 1040 << 1.0 << QStringLiteral("@1x");
        QTest::newRow("QHD") << 2560 << 1400 << 1.5 << QStringLiteral("@1.5x");
        QTest::newRow("4K") << 3840 << 2100 << 2.0 << QStringLiteral("@2x");
        QTest::newRow("small laptop") << 1280 << 680 << 1.0 << QStringLiteral("@1x");
    }

    void scaleFitsThePrimaryScreen()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(double, scale);
        QFETCH(QString, icons);
        QmlHarness harness({ { QStringLiteral("primScWidth"), width }, { QStringLiteral("primScHeight"), height } });
        QCOMPARE(harness.root()->property("scale").toDouble(), scale);
        QCOMPARE(harness.root()->property("icPathByScale").toString(), icons);
        QCOMPARE(callQml(harness.root(), "scx", 100).toInt(), qRound(100 * scale));
        QCOMPARE(harness.window()->width(), qRound(1200 * scale));
        QCOMPARE(harness.window()->height(), qRound(675 * scale));
        // Centred on the available screen.
        QCOMPARE(harness.window()->x(), (width - harness.window()->width()) / 2);
    }

    void firstActivationIsReportedOnce()
    {
        QmlHarness harness;
        QSignalSpy firstActive(harness.root(), SIGNAL(firstActive()));
        QSignalSpy initDialog(harness.root(), SIGNAL(initDialog()));
        QVERIFY(QTest::qWaitForWindowActive(harness.window()));
        QTRY_COMPARE(firstActive.count(), 1);
        QVERIFY(harness.root()->property("bHasBeenActive").toBool());
        // The dialog catalogue and the start language are prepared before the signal.
        QCOMPARE(initDialog.count(), 1);
        QVERIFY(harness.language.calls.contains(QStringLiteral("setOOBELang(3)")));

        QWindow other;
        other.show();
        other.requestActivate();
        QTRY_VERIFY(!harness.window()->isActive());
        harness.window()->requestActivate();
        QTRY_VERIFY(harness.window()->isActive());
        QCOMPARE(firstActive.count(), 1);
    }

    void closingIsRefusedDuringUninstall_data()
    {
        QTest::addColumn<bool>("uninstalling");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("reasons");
        const QString received = QStringLiteral("[main] Recieve close siganl from system.");
        QTest::newRow("uninstalling") << true
                                      << QStringList { received,
                                             QStringLiteral("[main] During uninstalling, don't close app. Retrun.") }
                                      << QStringList();
        QTest::newRow("otherwise") << false
                                   << QStringList { received, QStringLiteral("[main] Close app from taskbar.") }
                                   << QStringList { QStringLiteral("normal") };
    }

    void closingIsRefusedDuringUninstall()
    {
        QFETCH(bool, uninstalling);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, reasons);
        QmlHarness harness({ { QStringLiteral("bIsUninstalling"), uninstalling } });
        QSignalSpy quit(harness.root(), SIGNAL(prepareToQuit(QString)));
        LogCapture log;
        harness.window()->close();

        QCOMPARE(log.startingWith(QStringLiteral("[main]")), lines);
        QStringList seen;
        for (const QList<QVariant> &call : quit)
            seen << call.at(0).toString();
        QCOMPARE(seen, reasons);
        // The window stays until the quit path hides it.
        QVERIFY(harness.window()->isVisible());
    }

    void firstPageFollowsTheModeFlags_data()
    {
        QTest::addColumn<QVariantMap>("flags");
        QTest::addColumn<QString>("page");
        QTest::newRow("full") << QVariantMap() << QStringLiteral("pHealth.qml");
        QTest::newRow("SWOA") << QVariantMap { { QStringLiteral("bIsSWOA"), true } } << QStringLiteral("pLegal.qml");
        QTest::newRow("DKV") << QVariantMap { { QStringLiteral("bIsDKV"), true } } << QStringLiteral("pLegal.qml");
        QTest::newRow("other device") << QVariantMap { { QStringLiteral("bIsOtherDev"), true } }
                                      << QStringLiteral("pFolder.qml");
        QTest::newRow("SWOA over other device")
            << QVariantMap { { QStringLiteral("bIsSWOA"), true }, { QStringLiteral("bIsOtherDev"), true } }
            << QStringLiteral("pLegal.qml");
    }

    void firstPageFollowsTheModeFlags()
    {
        QFETCH(QVariantMap, flags);
        QFETCH(QString, page);
        QmlHarness harness(flags);
        QCOMPARE(harness.currentPage(), page);

        // Once a page has been loaded by name, the flags no longer choose it.
        harness.load(QStringLiteral("pCheck.qml"));
        harness.root()->setProperty("bIsOtherDev", !harness.root()->property("bIsOtherDev").toBool());
        QCOMPARE(harness.currentPage(), QStringLiteral("pCheck.qml"));
    }

    void firstPageSetsTheFooterItself_data()
    {
        QTest::addColumn<QVariantMap>("flags");
        QTest::addColumn<bool>("nextEnabled");
        QTest::addColumn<bool>("nextVisible");
        QTest::addColumn<QString>("nextText");
        QTest::newRow("health") << QVariantMap() << true << true << QStringLiteral("I UNDERSTAND");
        QTest::newRow("legal") << QVariantMap { { QStringLiteral("bIsSWOA"), true } } << false << false << QString();
        QTest::newRow("folder") << QVariantMap { { QStringLiteral("bIsOtherDev"), true } } << false << true
                                << QStringLiteral("INSTALL");
    }

    void firstPageSetsTheFooterItself()
    {
        QFETCH(QVariantMap, flags);
        QFETCH(bool, nextEnabled);
        QFETCH(bool, nextVisible);
        QFETCH(QString, nextText);
        QmlHarness harness(flags);
        QObject *next = harness.find(QStringLiteral("pageFooter"))->property("nextBtn").value<QObject *>();
        QObject *back = harness.find(QStringLiteral("pageFooter"))->property("backBtn").value<QObject *>();
        QCOMPARE(next->property("enabled").toBool(), nextEnabled);
        QCOMPARE(next->property("visible").toBool(), nextVisible);
        if (nextVisible)
            QCOMPARE(next->property("text").toString(), nextText);
        QVERIFY(!back->property("visible").toBool());
    }

    void loadingAPage()
    {
        QmlHarness harness;
        QObject *footer = harness.find(QStringLiteral("pageFooter"));
        QObject *next = footer->property("nextBtn").value<QObject *>();
        QObject *help = footer->property("helpBtn").value<QObject *>();
        QSignalSpy loaded(harness.find(QStringLiteral("pageLoader")), SIGNAL(loaded()));
        footer->setProperty("nHelpClicked", 3);
        LogCapture log;

        QObject *page = harness.load(QStringLiteral("pLegal.qml"));
        QCOMPARE(page->objectName(), QStringLiteral("pLegal"));
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(log.startingWith(QStringLiteral("[main]")),
            QStringList({ QStringLiteral("[main] Load page pLegal.qml"),
                QStringLiteral("[main] After loading page pLegal.qml") }));
        QCOMPARE(footer->property("nHelpClicked").toInt(), 0);
        QVERIFY(!next->property("visible").toBool());
        QVERIFY(!help->property("visible").toBool());

        // Next comes back on the other pages; the page flow decides the rest.
        harness.load(QStringLiteral("pCheck.qml"));
        callQml(footer, "setNextStatus", true, true, QStringLiteral("NEXT"));
        QVERIFY(next->property("visible").toBool());
        QCOMPARE(harness.find(QStringLiteral("pageHeader"))->property("index").toInt(), 0);
        harness.load(QStringLiteral("pFolder.qml"));
        QCOMPARE(harness.find(QStringLiteral("pageHeader"))->property("index").toInt(), 1);
    }

    void pageSignalsReachTheLoader()
    {
        QmlHarness harness;
        QObject *loader = harness.find(QStringLiteral("pageLoader"));
        QSignalSpy back(loader, SIGNAL(setBackStatus(bool, bool, QString)));
        QSignalSpy next(loader, SIGNAL(setNextStatus(bool, bool, QString)));
        QObject *page = harness.load(QStringLiteral("pDotNet.qml"));
        callQml(page, "decideNextText");
        QCOMPARE(next.count(), 1);
        QCOMPARE(next.at(0), QVariantList({ true, true, QStringLiteral("INSTALL") }));
        QMetaObject::invokeMethod(page, "setBackStatus", Q_ARG(bool, false), Q_ARG(bool, true), Q_ARG(QString, {}));
        QCOMPARE(back.count(), 1);
    }

    void dialogOverlay()
    {
        QmlHarness harness;
        QVERIFY(QTest::qWaitForWindowActive(harness.window()));
        QObject *loader = harness.find(QStringLiteral("pageLoader"));
        QObject *dialog = harness.find(QStringLiteral("pageDialog"));
        QObject *blur = harness.find(QStringLiteral("pageBlur"));
        QSignalSpy positive(dialog, SIGNAL(positivePressed()));
        QSignalSpy negative(dialog, SIGNAL(negativePressed()));

        callQml(loader, "setFullWindow", true);
        callQml(loader, "showDialogImpl", QStringLiteral("Close Steam"), QStringLiteral("Confirm <b>now</b>."),
            QStringLiteral("QUIT SETUP<span id=\"downloader-17\"></span>"), QStringLiteral("CONTINUE"), true,
            QStringLiteral("IN003"));
        QVERIFY(dialog->property("visible").toBool());
        QCOMPARE(dialog->property("title").toString(), QStringLiteral("Close Steam"));
        QCOMPARE(dialog->property("info").toString(), QStringLiteral("Confirm <b>now</b>."));
        QCOMPARE(dialog->property("dialogID").toString(), QStringLiteral("IN003"));
        QVERIFY(dialog->property("enhanced").toBool());
        QVERIFY(dialog->property("full").toBool());
        // The page is blurred and takes no input, nor do header and footer.
        QVERIFY(blur->property("active").toBool());
        QCOMPARE(blur->property("radius").toInt(), 24);
        QCOMPARE(blur->property("samples").toInt(), 32);
        QVERIFY(!effectivelyEnabled(harness.page()));
        QVERIFY(!effectivelyEnabled(harness.find(QStringLiteral("pageFooter"))));
        QVERIFY(!effectivelyEnabled(harness.find(QStringLiteral("pageHeader"))));

        // The default button is the positive one.
        QTest::keyClick(harness.window(), Qt::Key_Return);
        QCOMPARE(positive.count(), 1);
        QCOMPARE(negative.count(), 0);
        QVERIFY(!dialog->property("visible").toBool());
        QVERIFY(!dialog->property("full").toBool());
        QVERIFY(!blur->property("active").toBool());
        QVERIFY(effectivelyEnabled(harness.page()));

        // Abandoned dialogs close without an answer.
        callQml(loader, "showDialogImpl", QStringLiteral("Warning"), QStringLiteral("Text"), QString(),
            QStringLiteral("OK"), false, QStringLiteral("IN008"));
        callQml(loader, "closeDialog");
        QVERIFY(!dialog->property("visible").toBool());
        QCOMPARE(positive.count() + negative.count(), 1);
    }

    void waitingOverlayBlursThePage()
    {
        QmlHarness harness;
        QObject *waiting = harness.find(QStringLiteral("waitingDialog"));
        callQml(waiting, "show");
        QVERIFY(harness.find(QStringLiteral("pageBlur"))->property("active").toBool());
        QVERIFY(!effectivelyEnabled(harness.page()));
        callQml(waiting, "dismiss");
        QVERIFY(effectivelyEnabled(harness.page()));
    }

    void helpOpensThePageHelpOrSupport()
    {
        QmlHarness harness;
        QObject *loader = harness.find(QStringLiteral("pageLoader"));
        QSignalSpy opened(loader, SIGNAL(openUrlLink(QString)));
        LogCapture log;
        callQml(loader, "helpClicked");
        QCOMPARE(opened.takeFirst().at(0).toString(),
            harness.root()->property("helpUrlPrefix").toString() + QStringLiteral("/support/"));
        QVERIFY(log.contains(QStringLiteral("[main] Invoke help URL")));

        harness.page()->setProperty("helpUrl", QStringLiteral("https://help.example/page"));
        callQml(loader, "helpClicked");
        QCOMPARE(opened.takeFirst().at(0).toString(), QStringLiteral("https://help.example/page"));
    }

    void rootFunctions()
    {
        QmlHarness harness;
        QObject *root = harness.root();
        QSignalSpy checked(root, SIGNAL(notifyPCChecked()));
        QSignalSpy registerDriver(root, SIGNAL(regOpenVRDriver()));
        LogCapture log;

        callQml(root, "setGpuType", QStringLiteral("amd"));
        QCOMPARE(root->property("gpuType").toString(), QStringLiteral("amd"));
        callQml(root, "setPCChecked");
        QVERIFY(root->property("bPCChecked").toBool());
        QCOMPARE(checked.count(), 1);
        QCOMPARE(log.lines(),
            QStringList({ QStringLiteral("[main] Received gpu type: amd"),
                QStringLiteral("[main] PC checked. Current page: pHealth.qml") }));

        callQml(root, "bringWindowToTop");
        QVERIFY(harness.window()->isVisible());
        QVERIFY(!(harness.window()->flags() & Qt::WindowStaysOnTopHint));

        callQml(root, "hideWindow");
        QVERIFY(!harness.window()->isVisible());
        QCOMPARE(registerDriver.count(), 0);
        root->setProperty("bIsDKV", true);
        callQml(root, "hideWindow");
        QCOMPARE(registerDriver.count(), 1);
        QVERIFY(log.contains(QStringLiteral("[main] hideWindow")));

        callQml(root, "bringWindowToTop");
        callQml(root, "startBGMode");
        QVERIFY(!harness.window()->isVisible());
        QVERIFY(log.contains(QStringLiteral("[main] UI enters BG mode")));
    }

    void footerButtonsCallThePage()
    {
        QmlHarness harness;
        QObject *footer = harness.find(QStringLiteral("pageFooter"));
        QObject *loader = harness.find(QStringLiteral("pageLoader"));
        QSignalSpy jumpBack(loader, SIGNAL(jumpBack()));
        QSignalSpy quit(harness.root(), SIGNAL(prepareToQuit(QString)));

        harness.load(QStringLiteral("pComplete.qml"));
        QMetaObject::invokeMethod(footer, "nextButtonClicked");
        QCOMPARE(quit.count(), 1);
        QCOMPARE(quit.at(0).at(0).toString(), QStringLiteral("done"));
        // A page without its own backClicked() goes back through the loader.
        QMetaObject::invokeMethod(footer, "backButtonClicked");
        QCOMPARE(jumpBack.count(), 1);
    }
};

QTEST_MAIN(TestQmlWindow)
#include "tst_qmlwindow.moc"
