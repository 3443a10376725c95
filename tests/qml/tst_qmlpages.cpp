// Each page: the object names, properties, signals and functions the native side
// uses, and the behaviour behind them.

#include "LogCapture.h"
#include "QmlHarness.h"
#include "UrlRecorder.h"

#include <QElapsedTimer>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

QStringList firstArguments(const QSignalSpy &spy)
{
    QStringList values;
    for (const QList<QVariant> &call : spy)
        values << call.at(0).toString();
    return values;
}

} // namespace

class TestQmlPages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QmlHarness::registerBuiltResources(); }

    void pageContract_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QStringList>("properties");
        QTest::addColumn<QStringList>("methods");
        QTest::addColumn<QString>("child");
        const auto list
            = [](const char *text) { return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts); };
        QTest::newRow("legal") << "pLegal.qml"
                               << "pLegal" << list("isLegalChecked") << list("setUrl() nextClicked()")
                               << "languageSelector";
        QTest::newRow("health") << "pHealth.qml"
                                << "pHealth" << QStringList() << list("nextClicked()") << QString();
        QTest::newRow("check") << "pCheck.qml"
                               << "pCheck" << list("clicksReadyPC clicksSteamVRTest")
                               << list("setCheckResult(QVariant,QVariant,QVariant) nextClicked()") << QString();
        QTest::newRow(".NET") << "pDotNet.qml"
                              << "pDotNet" << QStringList()
                              << list("decideNextText() installNetFx() reboot() closeSetup() nextClicked()")
                              << QString();
        QTest::newRow("driver") << "pDriver.qml"
                                << "pDriver" << QStringList() << list("openUrl() nextClicked()") << QString();
        QTest::newRow("folder")
            << "pFolder.qml"
            << "pFolder"
            << list("canSkipInstall prevNovaLoc prevNovaFolderName defaultNovaLoc defaultNovaFolderName prevSteamLoc "
                    "prevSteamPath")
            << list("returnSelectedPath(QVariant,QVariant) setSizeInfo(QVariant,QVariant) selectPath(QString) "
                    "decidePath(QString,QString) nextClicked()")
            << QString();
        QTest::newRow("install")
            << "pInstall.qml"
            << "pInstall" << list("installMessageText speedMessageText downlaodState minutesToGuide bDialogReturned")
            << list("setProgress(QVariant) complete() startCruising(QVariant) stopCruising()") << "videoA";
        QTest::newRow("complete") << "pComplete.qml"
                                  << "pComplete" << QStringList() << list("nextClicked()") << QString();
        QTest::newRow("sign-in") << "pKeltSignin.qml"
                                 << "pKeltSignin" << QStringList()
                                 << list("handleState(QVariant) signinKelt() nextClicked()") << QString();
        QTest::newRow("Steam sign-in") << "pSignin.qml"
                                       << "pSignin" << QStringList() << QStringList() << QString();
        QTest::newRow("software") << "pSw01.qml"
                                  << "pSw01" << QStringList() << QStringList() << QString();
    }

    void pageContract()
    {
        QFETCH(QString, file);
        QFETCH(QString, objectName);
        QFETCH(QStringList, properties);
        QFETCH(QStringList, methods);
        QFETCH(QString, child);
        QmlHarness harness;
        harness.load(file);
        QObject *page = harness.find(objectName);
        QVERIFY(page);
        QCOMPARE(page, harness.page());
        properties << QStringLiteral("section") << QStringLiteral("stepperVisible") << QStringLiteral("helpVisible")
                   << QStringLiteral("helpUrl");
        methods << QStringLiteral("setBackStatus(bool,bool,QString)")
                << QStringLiteral("setNextStatus(bool,bool,QString)");
        for (const QString &name : qAsConst(properties))
            QVERIFY2(page->metaObject()->indexOfProperty(name.toLatin1().constData()) >= 0, qPrintable(name));
        for (const QString &signature : qAsConst(methods))
            QVERIFY2(page->metaObject()->indexOfMethod(signature.toLatin1().constData()) >= 0, qPrintable(signature));
        if (!child.isEmpty())
            QVERIFY(page->findChild<QObject *>(child));
        const int section = file == QLatin1String("pFolder.qml") || file == QLatin1String("pInstall.qml")
                || file == QLatin1String("pComplete.qml")
            ? 1
            : 0;
        if (file != QLatin1String("pKeltSignin.qml") && file != QLatin1String("pSignin.qml")
            && file != QLatin1String("pSw01.qml"))
            QCOMPARE(page->property("section").toInt(), section);
    }

    void healthLeavesAtOnceWhenThePcWasChecked()
    {
        QmlHarness harness({ { QStringLiteral("bPCChecked"), true } });
        QSignalSpy next(harness.find(QStringLiteral("pageLoader")), SIGNAL(jumpNext()));
        callQml(harness.page(), "nextClicked");
        QCOMPARE(next.count(), 1);
        QVERIFY(!harness.find(QStringLiteral("waitingDialog"))->property("visible").toBool());
    }

    // The PC check ends while the overlay shows (after 0.5 s) or after its minimum (2.5 s).
    void healthWaitsAtLeastTwoSecondsForTheCheck_data()
    {
        QTest::addColumn<int>("checkEndsAfter");
        QTest::newRow("check ends early") << 500;
        QTest::newRow("check ends late") << 2500;
    }

    void healthWaitsAtLeastTwoSecondsForTheCheck()
    {
        QFETCH(int, checkEndsAfter);
        QmlHarness harness;
        QObject *waiting = harness.find(QStringLiteral("waitingDialog"));
        QSignalSpy next(harness.find(QStringLiteral("pageLoader")), SIGNAL(jumpNext()));
        QElapsedTimer clock;
        qint64 shownAt = -1;
        qint64 hiddenAt = -1;
        qint64 checkEndedAt = -1;
        QObject watcher;
        connect(qobject_cast<QQuickItem *>(waiting), &QQuickItem::visibleChanged, &watcher,
            [&] { (waiting->property("visible").toBool() ? shownAt : hiddenAt) = clock.elapsed(); });

        clock.start();
        callQml(harness.page(), "nextClicked");
        QVERIFY(shownAt >= 0 && shownAt < 200);
        callQml(harness.page(), "nextClicked"); // a second press changes nothing
        QTimer::singleShot(checkEndsAfter, harness.root(), [&] {
            checkEndedAt = clock.elapsed();
            callQml(harness.root(), "setPCChecked");
        });

        QVERIFY(next.wait(10000));
        QCOMPARE(next.count(), 1);
        QVERIFY(hiddenAt >= 0);
        QVERIFY2(hiddenAt >= 2000, qPrintable(QString::number(hiddenAt)));
        QVERIFY(hiddenAt >= checkEndedAt);
        QVERIFY2(hiddenAt < qMax(qint64(2000), checkEndedAt) + 1000, qPrintable(QString::number(hiddenAt)));
    }

    void installProgressStaysWithinOneAndNinetyNine_data()
    {
        QTest::addColumn<double>("set");
        QTest::addColumn<double>("shown");
        QTest::newRow("negative") << -5.0 << 1.0;
        QTest::newRow("zero") << 0.0 << 1.0;
        QTest::newRow("within") << 42.5 << 42.5;
        QTest::newRow("hundred") << 100.0 << 99.0;
        QTest::newRow("beyond") << 150.0 << 99.0;
    }

    void installProgressStaysWithinOneAndNinetyNine()
    {
        QFETCH(double, set);
        QFETCH(double, shown);
        QmlHarness harness;
        QObject *page = harness.load(QStringLiteral("pInstall.qml"));
        QCOMPARE(page->property("progress").toDouble(), 1.0);
        callQml(page, "setProgress", set);
        QCOMPARE(page->property("progress").toDouble(), shown);
        QVERIFY(visibleText(page, QString::number(int(shown))));
        // Cruising never passes 99 either; only complete() shows 100.
        callQml(page, "setProgress", 98.95);
        callQml(page, "startCruising", 120.0);
        QTRY_COMPARE(page->property("progress").toDouble(), 99.0);
        callQml(page, "complete");
        QCOMPARE(page->property("progress").toDouble(), 100.0);
    }

    void installCruisesSlowlyToItsTarget()
    {
        QmlHarness harness;
        QObject *page = harness.load(QStringLiteral("pInstall.qml"));
        callQml(page, "setProgress", 10.0);
        callQml(page, "startCruising", 10.1);
        QTRY_VERIFY(page->property("progress").toDouble() > 10.0);
        QCOMPARE(page->property("progress").toDouble(), 10.07);
        QTRY_COMPARE(page->property("progress").toDouble(), 10.1);

        // Stopped cruising stays where it is.
        callQml(page, "startCruising", 50.0);
        callQml(page, "stopCruising");
        QTest::qWait(1500);
        QCOMPARE(page->property("progress").toDouble(), 10.1);
    }

    void installRefusesACruiseTargetNotAboveTheProgress()
    {
        QmlHarness harness;
        QObject *page = harness.load(QStringLiteral("pInstall.qml"));
        callQml(page, "setProgress", 42.5);
        LogCapture log;
        callQml(page, "startCruising", 40.0);
        callQml(page, "startCruising", 42.5);
        QCOMPARE(log.lines(QtWarningMsg),
            QStringList({ QStringLiteral(
                              "[pInstall] WARNING: Cruise target 40 is no greater than current progress 42.5, abort."),
                QStringLiteral(
                    "[pInstall] WARNING: Cruise target 42.5 is no greater than current progress 42.5, abort.") }));
        QTest::qWait(1200);
        QCOMPARE(page->property("progress").toDouble(), 42.5);
    }

    void installCompletion_data()
    {
        QTest::addColumn<QVariantMap>("flags");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("outcome");
        const QVariantMap swoa { { QStringLiteral("bIsSWOA"), true } };
        const QVariantMap otherDev { { QStringLiteral("bIsOtherDev"), true } };
        QTest::newRow("SWOA, store app installed") << swoa << 0 << "launch";
        QTest::newRow("other device, 1638") << otherDev << 1638 << "launch";
        QTest::newRow("1603") << swoa << 1603 << "IN012";
        QTest::newRow("1618") << swoa << 1618 << "IN013";
        QTest::newRow("3010") << otherDev << 3010 << "IN011";
        QTest::newRow("any other") << swoa << 42 << "IN014";
    }

    void installCompletion()
    {
        QFETCH(QVariantMap, flags);
        QFETCH(int, exitCode);
        QFETCH(QString, outcome);
        flags.insert(QStringLiteral("nNovaportErrorCode"), exitCode);
        QmlHarness harness(flags);
        QObject *page = harness.load(QStringLiteral("pInstall.qml"));
        QSignalSpy launch(harness.find(QStringLiteral("pageLoader")), SIGNAL(launchNovaport()));
        QSignalSpy dialogs(harness.root(), SIGNAL(showDialog(QString)));
        QElapsedTimer clock;
        clock.start();
        callQml(page, "complete");
        QVERIFY(visibleText(page, QStringLiteral("Installation completed")));
        QVERIFY(visibleText(page, QStringLiteral("100")));

        QTRY_VERIFY_WITH_TIMEOUT(launch.count() + dialogs.count() == 1, 5000);
        QVERIFY(clock.elapsed() >= 1900);
        QCOMPARE(
            outcome == QLatin1String("launch") ? QStringLiteral("launch") : firstArguments(dialogs).value(0), outcome);
    }

    void installCompletionInOtherModes()
    {
        QmlHarness dkv({ { QStringLiteral("bIsDKV"), true } });
        QObject *page = dkv.load(QStringLiteral("pInstall.qml"));
        QSignalSpy next(dkv.find(QStringLiteral("pageLoader")), SIGNAL(jumpNext()));
        callQml(page, "complete");
        QCOMPARE(next.count(), 1);

        // In the full mode the guide takes over: the page only shows 100 %.
        QmlHarness full;
        page = full.load(QStringLiteral("pInstall.qml"));
        QSignalSpy launch(full.find(QStringLiteral("pageLoader")), SIGNAL(launchNovaport()));
        QSignalSpy dialogs(full.root(), SIGNAL(showDialog(QString)));
        callQml(page, "complete");
        QVERIFY(!visibleText(page, QStringLiteral("Installation completed")));
        QTest::qWait(2500);
        QCOMPARE(launch.count() + dialogs.count(), 0);
    }

    void installShowsWhatTheInstallManagerSets()
    {
        QmlHarness harness({ { QStringLiteral("videoPath"), QStringLiteral("/nowhere/Videos/") } });
        QObject *page = harness.load(QStringLiteral("pInstall.qml"));
        QVERIFY(visibleText(page, QStringLiteral("Preparing")));
        page->setProperty("installMessageText", QStringLiteral("Installing NOVA Sw (12.0/600.0 MB)"));
        page->setProperty("speedMessageText", QStringLiteral("0.05 MB/s"));
        page->setProperty("minutesToGuide", 7);
        QVERIFY(visibleText(page, QStringLiteral("Installing NOVA Sw (12.0/600.0 MB)")));
        QVERIFY(visibleText(page, QStringLiteral("0.05 MB/s  \u00b7  About 7 min left")));
        QVERIFY(
            visibleText(page, QStringLiteral("The download speed is very slow. Please check your network connection")));
        page->setProperty("downlaodState", 1);
        QVERIFY(visibleText(page, QStringLiteral("Sign in or sign up for a Steam account")));
        page->setProperty("downlaodState", 2);
        QVERIFY(!visibleText(page, QStringLiteral("Sign in or sign up for a Steam account")));

        // A missing video leaves the still picture and shows no dialog.
        QObject *video = page->findChild<QObject *>(QStringLiteral("videoA"));
        QCOMPARE(video->property("source").toUrl(), QUrl(QStringLiteral("file:///nowhere/Videos/Novaport_anim.mp4")));
        QVERIFY(!video->property("visible").toBool());
    }

    void folderShowsTheSpaceNeeded_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("estimate") << Q_INT64_C(19434307584) << QStringLiteral("18.1 GB");
        QTest::newRow("500 MB") << Q_INT64_C(524288000) << QStringLiteral("500 MB");
        QTest::newRow("just under 1 GB") << Q_INT64_C(1073741823) << QStringLiteral("1023 MB");
        QTest::newRow("1 GB") << Q_INT64_C(1073741824) << QStringLiteral("1.0 GB");
    }

    void folderShowsTheSpaceNeeded()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, shown);
        QmlHarness harness;
        QObject *page = harness.load(QStringLiteral("pFolder.qml"));
        QSignalSpy next(harness.find(QStringLiteral("pageLoader")), SIGNAL(setNextStatus(bool, bool, QString)));
        QMetaObject::invokeMethod(
            page, "setSizeInfo", Q_ARG(QVariant, QVariant(bytes)), Q_ARG(QVariant, QVariant(true)));
        QQuickItem *text = visibleText(page, QStringLiteral("Space required: ") + shown);
        QVERIFY(text);
        QCOMPARE(text->property("cstyle").toString(), QStringLiteral("C3"));
        // Known sizes allow Next where the page list started with it off.
        QCOMPARE(next.count(), 1);
        QCOMPARE(next.at(0), QVariantList({ true, true, QStringLiteral("INSTALL") }));
    }

    void folderDecidesTheSoftwareOrSteamLocation_data()
    {
        QTest::addColumn<bool>("swoa");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("decided");
        QTest::newRow("software, earlier folder")
            << true << QString() << QStringList { QStringLiteral("D:\\Apps"), QStringLiteral("NOVA1") };
        QTest::newRow("Steam, earlier folder")
            << false << QString() << QStringList { QStringLiteral("E:\\Games"), QStringLiteral("Steam") };
        QTest::newRow("software, chosen")
            << true << QStringLiteral("F:\\New") << QStringList { QStringLiteral("F:\\New"), QStringLiteral("NOVA") };
        QTest::newRow("Steam, chosen") << false << QStringLiteral("F:\\New")
                                       << QStringList { QStringLiteral("F:\\New"), QStringLiteral("Steam") };
    }

    void folderDecidesTheSoftwareOrSteamLocation()
    {
        QFETCH(bool, swoa);
        QFETCH(QString, chosen);
        QFETCH(QStringList, decided);
        QmlHarness harness({ { QStringLiteral("bIsSWOA"), swoa } });
        QObject *page = harness.load(QStringLiteral("pFolder.qml"));
        page->setProperty("defaultNovaLoc", QStringLiteral("C:\\Program Files"));
        page->setProperty("defaultNovaFolderName", QStringLiteral("NOVA"));
        page->setProperty("prevNovaLoc", QStringLiteral("D:\\Apps"));
        page->setProperty("prevNovaFolderName", QStringLiteral("NOVA1"));
        page->setProperty("prevSteamLoc", QStringLiteral("E:\\Games"));
        QSignalSpy select(page, SIGNAL(selectPath(QString)));
        QSignalSpy decide(page, SIGNAL(decidePath(QString, QString)));
        QSignalSpy next(harness.find(QStringLiteral("pageLoader")), SIGNAL(jumpNext()));

        if (!chosen.isEmpty()) {
            QObject *footer = harness.find(QStringLiteral("pageFooter"));
            callQml(footer, "setNextStatus", true, true, QStringLiteral("INSTALL"));
            callQml(page, "chooseFolder");
            QCOMPARE(select.count(), 1);
            QCOMPARE(select.at(0).at(0).toString(), swoa ? QStringLiteral("D:\\Apps") : QStringLiteral("E:\\Games"));
            // Nothing chosen keeps the folder; the page waits no longer.
            callQml(page, "returnSelectedPath", QString(), QString());
            QVERIFY(!page->property("choosing").toBool());
            callQml(page, "chooseFolder");
            callQml(page, "returnSelectedPath", chosen, decided.at(1));
            // Shown with the system's separators.
            QVERIFY(visibleText(page,
                QString(chosen + QLatin1Char('\\') + decided.at(1)).replace(QLatin1Char('\\'), QLatin1Char('/'))));
        }
        callQml(page, "nextClicked");
        QCOMPARE(decide.count(), 1);
        QCOMPARE(decide.at(0), QVariantList({ decided.at(0), decided.at(1) }));
        QCOMPARE(next.count(), 1);
    }

    void signinFollowsTheAccountState()
    {
        QmlHarness harness;
        QObject *page = harness.load(QStringLiteral("pKeltSignin.qml"));
        QObject *waiting = harness.find(QStringLiteral("waitingDialog"));
        QSignalSpy signin(page, SIGNAL(signinKelt()));
        QSignalSpy status(page, SIGNAL(setNextStatus(bool, bool, QString)));
        QSignalSpy next(harness.find(QStringLiteral("pageLoader")), SIGNAL(jumpNext()));

        // The page's own sign-in button stands for Next.
        callQml(page, "handleState", 0);
        QCOMPARE(status.takeFirst(), QVariantList({ true, false, QStringLiteral("SIGN IN") }));
        // Not installed yet: wait, then sign in as soon as the package is there.
        callQml(page, "nextClicked");
        QVERIFY(waiting->property("visible").toBool());
        QCOMPARE(signin.count(), 0);
        harness.root()->setProperty("signinState", 1);
        QVERIFY(!waiting->property("visible").toBool());
        QCOMPARE(signin.count(), 1);
        QCOMPARE(status.takeFirst(), QVariantList({ false, false, QStringLiteral("SIGN IN") }));
        QVERIFY(status.wait(12000));
        QCOMPARE(status.takeFirst(), QVariantList({ true, false, QStringLiteral("SIGN IN") }));

        // Signed in from outside: the window comes up and the page goes on.
        harness.root()->setProperty("signinState", 3);
        QCOMPARE(next.count(), 1);
    }

    void signinReportsAFailedPackage()
    {
        QmlHarness harness({ { QStringLiteral("signinState"), 2 } });
        QObject *page = harness.load(QStringLiteral("pKeltSignin.qml"));
        QSignalSpy dialogs(harness.root(), SIGNAL(showDialog(QString)));
        QSignalSpy signin(page, SIGNAL(signinKelt()));
        // A state change nobody waits for does nothing.
        harness.root()->setProperty("signinState", 0);
        harness.root()->setProperty("signinState", 2);
        QCOMPARE(dialogs.count(), 0);
        callQml(page, "handleState", 1);
        QCOMPARE(firstArguments(dialogs), QStringList { QStringLiteral("SN001") });
        QCOMPARE(signin.count(), 0);
    }

    void dotNetButtonFollowsTheState_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("signal");
        QTest::newRow("install") << 0 << "INSTALL"
                                 << "installNetFx";
        QTest::newRow("install again") << 1 << "INSTALL REQUIRED SOFTWARE AGAIN"
                                       << "installNetFx";
        QTest::newRow("restart") << 2 << "RESTART COMPUTER"
                                 << "reboot";
        QTest::newRow("go on") << 3 << "NEXT"
                               << "jumpNext";
    }

    void dotNetButtonFollowsTheState()
    {
        QFETCH(int, state);
        QFETCH(QString, text);
        QFETCH(QString, signal);
        QmlHarness harness({ { QStringLiteral("dotNetBtnState"), state } });
        QObject *page = harness.load(QStringLiteral("pDotNet.qml"));
        QSignalSpy install(page, SIGNAL(installNetFx()));
        QSignalSpy reboot(page, SIGNAL(reboot()));
        QSignalSpy next(harness.find(QStringLiteral("pageLoader")), SIGNAL(jumpNext()));
        QSignalSpy nextStatus(page, SIGNAL(setNextStatus(bool, bool, QString)));
        QSignalSpy backStatus(page, SIGNAL(setBackStatus(bool, bool, QString)));

        callQml(page, "decideNextText");
        QCOMPARE(nextStatus.takeFirst(), QVariantList({ true, true, text }));
        callQml(page, "nextClicked");
        const QMap<QString, int> counts { { QStringLiteral("installNetFx"), install.count() },
            { QStringLiteral("reboot"), reboot.count() }, { QStringLiteral("jumpNext"), next.count() } };
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            QCOMPARE(it.value(), it.key() == signal ? 1 : 0);
        if (signal == QLatin1String("installNetFx")) {
            QCOMPARE(nextStatus.takeFirst(), QVariantList({ false, true, text }));
            QCOMPARE(backStatus.takeFirst().at(0).toBool(), false);
        }
    }

    void dotNetReportsEveryResultEvenARepeatedFailure()
    {
        QmlHarness harness({ { QStringLiteral("dotNetBtnState"), 1 } });
        QObject *page = harness.load(QStringLiteral("pDotNet.qml"));
        QSignalSpy nextStatus(page, SIGNAL(setNextStatus(bool, bool, QString)));
        callQml(page, "nextClicked");
        harness.root()->setProperty("dotNetBtnState", 1);
        QCOMPARE(nextStatus.count(), 2);
        QCOMPARE(nextStatus.at(1), QVariantList({ true, true, QStringLiteral("INSTALL REQUIRED SOFTWARE AGAIN") }));
        QVERIFY(visibleText(page, QStringLiteral("The installation did not finish. Try again to go on.")));
    }

    void legalNeedsTheTermsAccepted()
    {
        QmlHarness harness({ { QStringLiteral("bIsSWOA"), true } });
        QObject *page = harness.page();
        QSignalSpy dialogs(harness.root(), SIGNAL(showDialog(QString)));
        QSignalSpy next(harness.find(QStringLiteral("pageLoader")), SIGNAL(jumpNext()));
        callQml(page, "nextClicked");
        QCOMPARE(firstArguments(dialogs), QStringList { QStringLiteral("LE001") });
        QCOMPARE(next.count(), 0);
        page->setProperty("isLegalChecked", true);
        callQml(page, "nextClicked");
        QCOMPARE(next.count(), 1);
    }

    void legalDocumentsFollowTheUrlLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("folder");
        QTest::newRow("jp") << "jp"
                            << "/jp/legal/";
        QTest::newRow("eu") << "eu"
                            << "/eu/legal/";
        QTest::newRow("unknown") << "xx"
                                 << "/us/legal/";
    }

    // The documents lie under the product site the native side sets, also when it sets
    // it after the page has loaded.
    void legalDocumentsFollowTheUrlLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, folder);
        QmlHarness harness({ { QStringLiteral("bIsSWOA"), true }, { QStringLiteral("urlLocale"), locale },
            { QStringLiteral("productSite"), QStringLiteral("https://site.test") } });
        for (const char *document : { "eulaUrl", "termsUrl", "privacyUrl" })
            QVERIFY2(
                harness.page()->property(document).toString().startsWith(QStringLiteral("https://site.test") + folder),
                document);
        harness.root()->setProperty("productSite", QStringLiteral("http://127.0.0.1:8080"));
        for (const char *document : { "eulaUrl", "termsUrl", "privacyUrl" })
            QVERIFY2(harness.page()->property(document).toString().startsWith(
                         QStringLiteral("http://127.0.0.1:8080") + folder),
                document);
    }

    void languageSelectorAppliesTheChosenLanguage()
    {
        QmlHarness harness({ { QStringLiteral("bIsSWOA"), true }, { QStringLiteral("defaultLangIndex"), 16 } });
        QObject *selector = harness.find(QStringLiteral("languageSelector"));
        QSignalSpy pages(harness.root(), SIGNAL(initPages()));
        QSignalSpy dialogs(harness.root(), SIGNAL(initDialog()));
        QSignalSpy bi(harness.root(), SIGNAL(languageBI(QString)));

        callQml(selector, "setDefaultLang");
        QCOMPARE(harness.language.calls,
            QStringList({ QStringLiteral("setSteamLang(16)"), QStringLiteral("setOOBELang(16)"),
                QStringLiteral("setOtherAppLang(16)"), QStringLiteral("setStyledTextLang(16)"),
                QStringLiteral("getLocaleLang(16)") }));
        QCOMPARE(pages.count(), 1);
        QCOMPARE(dialogs.count(), 1);
        QCOMPARE(firstArguments(bi), QStringList { QStringLiteral("zh_CN") });
        QCOMPARE(harness.root()->property("styledTextLang").toString(), QStringLiteral("zh-CN"));

        callQml(selector, "choose", 2);
        QCOMPARE(harness.root()->property("defaultLangIndex").toInt(), 2);
        QCOMPARE(harness.root()->property("urlLocale").toString(), QStringLiteral("de"));
        // The root's language was applied: no second application on activation.
        harness.language.calls.clear();
        QVERIFY(QTest::qWaitForWindowActive(harness.window()));
        QTRY_VERIFY(harness.root()->property("bHasBeenActive").toBool());
        QVERIFY(harness.language.calls.isEmpty());
    }

    void checkShowsTheFindings()
    {
        QmlHarness harness;
        QObject *page = harness.load(QStringLiteral("pCheck.qml"));
        callQml(page, "setCheckResult", QStringLiteral("gpu"), QStringLiteral("GeForce GTX 960"),
            QStringLiteral("RANK_BAD"));
        callQml(
            page, "setCheckResult", QStringLiteral("memory"), QStringLiteral("16.0 GB"), QStringLiteral("RANK_GOOD"));
        QQuickItem *gpu = visibleText(page, QStringLiteral("GeForce GTX 960"));
        QVERIFY(gpu);
        QCOMPARE(gpu->property("cstyle").toString(), QStringLiteral("C3"));
        QVERIFY(visibleText(page, QStringLiteral("Your graphics card may not work well with NOVA.")));
        QCOMPARE(visibleText(page, QStringLiteral("16.0 GB"))->property("cstyle").toString(), QStringLiteral("C1"));
        QVERIFY(!visibleText(page, QStringLiteral("We recommended at least 8 GB.")));

        QTest::ignoreMessage(QtWarningMsg, "[pCheck] Unknown check type: usb");
        callQml(page, "setCheckResult", QStringLiteral("usb"), QStringLiteral("x"), QStringLiteral("RANK_BAD"));

        QSignalSpy dialogs(harness.root(), SIGNAL(showDialog(QString)));
        callQml(page, "nextClicked");
        QCOMPARE(firstArguments(dialogs), QStringList { QStringLiteral("CH001") });
    }

    void driverPageNamesTheShortcutAndOpensTheDownload()
    {
        QmlHarness harness(
            { { QStringLiteral("sku"), QStringLiteral("KYR") }, { QStringLiteral("gpuType"), QStringLiteral("amd") } });
        QObject *page = harness.load(QStringLiteral("pDriver.qml"));
        QCOMPARE(page->property("shortcut").toString(), QStringLiteral("NovaTundraESetup"));
        UrlRecorder browser;
        callQml(page, "openUrl");
        QCOMPARE(browser.urls.size(), 1);
        QVERIFY(browser.urls.at(0).host().contains(QLatin1String("amd")));

        QSignalSpy dialogs(harness.root(), SIGNAL(showDialog(QString)));
        callQml(page, "nextClicked");
        QCOMPARE(firstArguments(dialogs), QStringList { QStringLiteral("DR001") });
    }

    void completionQuitsWithDone()
    {
        QmlHarness harness;
        QObject *page = harness.load(QStringLiteral("pComplete.qml"));
        QSignalSpy quit(harness.root(), SIGNAL(prepareToQuit(QString)));
        callQml(page, "nextClicked");
        QCOMPARE(firstArguments(quit), QStringList { QStringLiteral("done") });
        QObject *header = harness.find(QStringLiteral("pageHeader"));
        QVERIFY(header->property("bBlueBgL").toBool() && header->property("bBlueBgR").toBool());
    }
};

QTEST_MAIN(TestQmlPages)
#include "tst_qmlpages.moc"
