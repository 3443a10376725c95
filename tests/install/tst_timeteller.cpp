#include "LogCapture.h"

#include "install/InstallInfo.h"
#include "install/NovaParser.h"
#include "install/SpeedEstimate.h"
#include "install/TellerTable.h"
#include "install/TimeTeller.h"

#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

namespace {

constexpr qint64 MiB = 1024 * 1024;

QString stateLine(const char *name, int state)
{
    return QStringLiteral("[TimeTeller] %1 TimeTeller changes state to %2").arg(QLatin1String(name)).arg(state);
}

} // namespace

class TestTimeTeller : public QObject {
    Q_OBJECT

private slots:
    // Events: "dl=<bytes left>", "install", "nodl" (started without download reports), "finish".
    void stateFollowsTheReports_data()
    {
        QTest::addColumn<QString>("events");
        QTest::addColumn<int>("state");
        QTest::addColumn<qint64>("leftBytes");
        QTest::addColumn<QStringList>("lines");
        const QString s1 = stateLine("NOVA Sw", 1), s2 = stateLine("NOVA Sw", 2);
        QTest::newRow("not started") << "" << 0 << 600 * MiB << QStringList {};
        QTest::newRow("downloading logs once") << "dl=100 dl=50" << 1 << 50LL << QStringList { s1 };
        QTest::newRow("installing twice logs once") << "dl=9 install install" << 2 << 9LL << QStringList { s1, s2 };
        QTest::newRow("a retry downloads again") << "dl=9 install dl=5" << 1 << 5LL << QStringList { s1, s2, s1 };
        QTest::newRow("without download reports")
            << "nodl finish" << 4 << 600 * MiB << QStringList { stateLine("NOVA Sw", 3), stateLine("NOVA Sw", 4) };
    }
    void stateFollowsTheReports()
    {
        QFETCH(QString, events);
        QFETCH(int, state);
        QFETCH(qint64, leftBytes);
        QFETCH(QStringList, lines);
        SpeedEstimate speed;
        TimeTeller teller(QStringLiteral("NOVA Sw"), 600 * MiB, 100, &speed);
        LogCapture log;
        for (const QString &event : events.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (event.startsWith(QLatin1String("dl=")))
                teller.onReportDownload(event.mid(3).toLongLong());
            else if (event == QLatin1String("install"))
                teller.onStartInstall();
            else if (event == QLatin1String("nodl"))
                teller.startWithoutDownload();
            else
                teller.onFinished();
        }
        QCOMPARE(log.lines(), lines);
        QCOMPARE(teller.facts().state, state);
        QCOMPARE(teller.facts().leftBytes, leftBytes);
        QCOMPARE(teller.facts().startTime.isValid(), events.contains(QLatin1String("install")) || state >= 3);
    }

    // startAgo: seconds since the start, -1 for no start time.
    void estimateByState_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("state");
        QTest::addColumn<qint64>("bytes"); // default bytes, and bytes left in state 1
        QTest::addColumn<qint64>("installSeconds");
        QTest::addColumn<int>("startAgo");
        QTest::addColumn<double>("speed");
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("warning");
        const QString noStart = QStringLiteral("[TimeTeller] WARNING: No record of start time, return 0");
        QTest::newRow("guide before any speed") << "NOVA Guide" << 0 << 100 * MiB << 60LL << -1 << -1.0 << 160LL << "";
        QTest::newRow("fractions truncated") << "NOVA HidRomCU" << 0 << 400 * 1024LL << 2LL << -1 << -1.0 << 2LL << "";
        QTest::newRow("downloading") << "NOVA Sw" << 1 << 50 * MiB << 100LL << -1 << 2.0 << 125LL << "";
        QTest::newRow("stalled speed") << "NOVA Sw" << 1 << MiB << 0LL << -1 << 0.0 << 100LL << "";
        QTest::newRow("installing") << "NOVA Sw" << 2 << 0LL << 100LL << 30 << 1.0 << 70LL << "";
        QTest::newRow("installing past its time") << "NOVA Sw" << 2 << 0LL << 100LL << 500 << 1.0 << 10LL << "";
        QTest::newRow("installing, no start time") << "NOVA Sw" << 2 << 0LL << 100LL << -1 << 1.0 << 0LL << noStart;
        QTest::newRow("no reports") << "Steam client" << 3 << 200 * MiB << 60LL << 30 << 2.0 << 130LL << "";
        QTest::newRow("no reports, past its time") << "Steam client" << 3 << 0LL << 60LL << 90 << 1.0 << 6LL << "";
        QTest::newRow("unknown state") << "NOVA Sw" << 7 << MiB << 100LL << -1 << 1.0 << 0LL
                                       << "[TimeTeller] Unknown state: 7. Shouldn't happen.";
        QTest::newRow("SteamVR at least 1 MB/s") << "SteamVR" << 0 << 10 * MiB << 60LL << -1 << 0.5 << 70LL << "";
        QTest::newRow("SteamVR, stalled speed") << "SteamVR" << 0 << 10 * MiB << 60LL << -1 << 0.0 << 70LL << "";
    }
    void estimateByState()
    {
        QFETCH(QString, name);
        QFETCH(int, state);
        QFETCH(qint64, bytes);
        QFETCH(qint64, installSeconds);
        QFETCH(int, startAgo);
        QFETCH(double, speed);
        QFETCH(qint64, seconds);
        QFETCH(QString, warning);
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const TellerFacts facts { state, bytes, bytes, installSeconds,
            startAgo < 0 ? QDateTime() : now.addSecs(-startAgo) };
        LogCapture log;
        QCOMPARE(tellerSecondsLeft(name, facts, speed, now), seconds);
        QCOMPARE(log.lines(QtWarningMsg), warning.isEmpty() ? QStringList() : QStringList { warning });
    }

    // The speeds go to two tellers in turn; a third one, which never reports, estimates with them.
    void speedIsSharedAndSmoothed_data()
    {
        QTest::addColumn<QString>("speeds");
        QTest::addColumn<double>("estimated");
        QTest::addColumn<QString>("lastLine");
        QTest::newRow("first speed") << "2" << 2.0 << "NOVA Guide received speed 2.000000, est speed 2.000000";
        QTest::newRow("smoothed") << "2 4" << 2.4 << "NOVA Sw received speed 4.000000, est speed 2.400000";
        QTest::newRow("0 is the last speed")
            << "4 2 0" << 3.28 << "NOVA Guide received speed 2.000000, est speed 3.280000";
        QTest::newRow("0 first is 1 MB/s") << "0" << 1.0 << "NOVA Guide received speed 1.000000, est speed 1.000000";
    }
    void speedIsSharedAndSmoothed()
    {
        QFETCH(QString, speeds);
        QFETCH(double, estimated);
        QFETCH(QString, lastLine);
        SpeedEstimate speed;
        TimeTeller tellers[]
            = { { QStringLiteral("NOVA Guide"), 0, 0, &speed }, { QStringLiteral("NOVA Sw"), 0, 0, &speed } };
        TimeTeller updater(QStringLiteral("NOVA Updater"), 7 * MiB, 30, &speed);
        LogCapture log;
        const QStringList list = speeds.split(QLatin1Char(' '));
        for (int i = 0; i < list.size(); ++i)
            tellers[i % 2].onReportSpeed(list.at(i).toDouble());
        QCOMPARE(speed.estimated(), estimated);
        QCOMPARE(log.lines().last(), QStringLiteral("[TimeTeller] TimeTeller ") + lastLine);
        QCOMPARE(updater.estimate(), qint64(7 / estimated + 30));
    }

    void tellersPerMode_data()
    {
        QTest::addColumn<QString>("modes");
        QTest::addColumn<QStringList>("rows");
        const QStringList head { QStringLiteral("NOVA Updater 7340032 30"), QStringLiteral("NOVA HidRomCU 409600 2"),
            QStringLiteral("NOVA Guide 104857600 60"), QStringLiteral("NOVA Sw 629145600 100") };
        const QStringList swoa { QStringLiteral("NOVA Updater 7340032 30"), QStringLiteral("NOVA Sw 629145600 400") };
        const QString client = QStringLiteral("Steam client 209715200 60"),
                      steamVR = QStringLiteral("SteamVR 1288699904 60");
        const QString standalone = QStringLiteral("Standalone SteamVR 419430400 60");
        QTest::newRow("Steam to install") << "" << head + QStringList { client, steamVR };
        QTest::newRow("Steam there") << "folder" << head + QStringList { QStringLiteral("Steam client 0 60"), steamVR };
        QTest::newRow("SteamVR there") << "folder steamvr"
                                       << head
                + QStringList { QStringLiteral("Steam client 0 60"), QStringLiteral("SteamVR 0 60") };
        QTest::newRow("standalone SteamVR") << "standalone folder steamvr" << head + QStringList { standalone };
        QTest::newRow("software only") << "swoa" << swoa + QStringList { client, steamVR };
        QTest::newRow("software only, standalone") << "swoa standalone" << swoa + QStringList { standalone };
    }
    void tellersPerMode()
    {
        QFETCH(QString, modes);
        QFETCH(QStringList, rows);
        const auto on
            = [&modes](const char *mode) { return modes.split(QLatin1Char(' ')).contains(QLatin1String(mode)); };
        QStringList made;
        for (const TellerRow &row : tellerRows({ on("swoa"), on("standalone"), on("folder"), on("steamvr") }))
            made << QStringLiteral("%1 %2 %3").arg(row.name).arg(row.defaultBytes).arg(row.installSeconds);
        QCOMPARE(made, rows);
    }

    // "cur/total@speed" and the facts that hold: steamvr and hide (the parser's flags),
    // parallel, allDone, steamDone, namesSteamVR. "ignored": the page does not change.
    void installTextsPerPhase_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("sizes"); // as the guide is told them
        const auto row = [](const char *name, const char *report, const char *message, const char *speed,
                             const char *sizes = "10.0|100.0") {
            QTest::newRow(name) << QString::fromUtf8(report) << QString::fromUtf8(message) << QString::fromUtf8(speed)
                                << QString::fromUtf8(sizes);
        };
        const char *const sw = "Installing NOVA Tundra Software";
        row("downloading", "10.04/100@2.26", "Installing NOVA Tundra Software (10.0/100.0 MB)", "2.3 MB/s");
        row("no speed yet", "10/100@0", "Installing NOVA Tundra Software (10.0/100.0 MB)", "");
        row("downloaded", "100/100@2", sw, "", "100.0|100.0");
        row("self-update", "10/100@2 hide", sw, "");
        row("first report", "-1/-1@-1 hide", sw, "", "-1.0|-1.0");
        row("all done", "10/100@2 parallel allDone", sw, "");
        row("SteamVR's own", "10/100@2 steamvr parallel", "ignored", "");
        row("SteamVR's own, all done", "10/100@2 steamvr parallel allDone", sw, "");
        row("and Steam", "10/100@2 parallel hide", "Installing NOVA Tundra Software (10.0/100.0 MB) and Steam",
            "2.0 MB/s");
        row("and SteamVR", "10/100@0 parallel namesSteamVR",
            "Installing NOVA Tundra Software (10.0/100.0 MB) and SteamVR", "");
        row("Steam done", "10/100@2 parallel steamDone", "Installing NOVA Tundra Software (10.0/100.0 MB)", "2.0 MB/s");
        row("downloaded, and Steam", "100/100@2 parallel", "Installing NOVA Tundra Software and Steam", "",
            "100.0|100.0");
    }
    void installTextsPerPhase()
    {
        QFETCH(QString, report);
        QFETCH(QString, message);
        QFETCH(QString, speed);
        QFETCH(QString, sizes);
        const QStringList f = report.split(QLatin1Char(' '));
        const auto on = [&f](const char *flag) { return f.contains(QLatin1String(flag)); };
        const QStringList n = f.first().split(QRegularExpression(QStringLiteral("[/@]")));
        const InstallInfo info { QStringLiteral("NOVA Sw"), QStringLiteral("NOVA Tundra Software"), n[0].toDouble(),
            n[1].toDouble(), n[2].toDouble(), on("steamvr"), on("hide") };
        const InstallTexts texts
            = installTexts(info, { on("parallel"), on("allDone"), on("steamDone"), on("namesSteamVR") });
        QCOMPARE(texts.ignored ? QStringLiteral("ignored") : texts.message, message);
        QCOMPARE(texts.speed, speed);
        QCOMPARE(installInfoPipeText(info), QStringLiteral("INSTALL_INFO:NOVA Sw|NOVA Tundra Software|") + sizes);
    }

    // Every text with a unit goes through the translations (French writes "Mo").
    void unitsAreTranslated()
    {
        class UnitTranslator : public QTranslator {
        public:
            bool isEmpty() const override { return false; }
            QString translate(const char *, const char *source, const char *, int) const override
            {
                return QString::fromUtf8(source).replace(QLatin1String("MB"), QLatin1String("Mo"));
            }
        } translator;
        QCoreApplication::installTranslator(&translator);
        const InstallInfo info { QStringLiteral("X"), QStringLiteral("Kit"), 1.0, 2.0, 3.0, false, false };
        const QStringList texts { installTexts(info, {}).message, installTexts(info, {}).speed,
            installTexts(info, { true, false, false, false }).message,
            installTexts(info, { true, false, true, false }).message };
        QCoreApplication::removeTranslator(&translator);
        for (const QString &text : texts)
            QVERIFY2(text.contains(QLatin1String("Mo")) && !text.contains(QLatin1String("MB")), qPrintable(text));
    }

    void nameIsNotReadAsPlaceMarker()
    {
        const InstallInfo info { QStringLiteral("X"), QStringLiteral("Kit %2"), 1.0, 2.0, 0.0, false, false };
        QCOMPARE(installTexts(info, {}).message, QStringLiteral("Installing Kit %2 (1.0/2.0 MB)"));
        QCOMPARE(installTexts(info, { true, false, false, false }).message,
            QStringLiteral("Installing Kit %2 (1.0/2.0 MB) and Steam"));
    }

    void minutesRoundUp_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("toGuide");
        QTest::newRow("nothing left") << 0LL << 0 << 1;
        QTest::newRow("a minute") << 60LL << 1 << 1;
        QTest::newRow("just over") << 61LL << 2 << 2;
        QTest::newRow("guide alone") << 160LL << 3 << 3;
    }
    void minutesRoundUp()
    {
        QFETCH(qint64, seconds);
        QFETCH(int, left);
        QFETCH(int, toGuide);
        QCOMPARE(minutesLeft(seconds), left);
        QCOMPARE(minutesToGuide(seconds), toGuide);
    }

    // A step's parser wired to its teller as the install manager wires them.
    void parserReportsReachTheTeller()
    {
        SpeedEstimate speed;
        TimeTeller teller(QStringLiteral("NOVA Guide"), 100 * MiB, 60, &speed);
        NovaParser parser(QStringLiteral("NOVA Guide"), QStringLiteral("NOVA Tundra Setup Guide"), 0, 0, false, false);
        connect(&parser, &NovaParser::reportDownload, &teller, &TimeTeller::onReportDownload);
        connect(&parser, &NovaParser::reportSpeed, &teller, &TimeTeller::onReportSpeed);
        connect(&parser, &NovaParser::startInstall, &teller, &TimeTeller::onStartInstall);
        connect(&parser, &NovaParser::installFinished, &teller, &TimeTeller::onFinished);
        InstallTexts texts;
        connect(&parser, &NovaParser::showInstallInfo,
            [&texts](const QString &name, const QString &nameTr, double cur, double total, double mbps, bool steamVR,
                bool hide) {
                texts = installTexts({ name, nameTr, cur, total, mbps, steamVR, hide }, {});
            });

        parser.parseMessage(QStringLiteral("Size:0/10485760"));
        QCOMPARE(teller.facts().state, int(TellerState::Downloading));
        parser.parseMessage(QStringLiteral("Size:3145728/10485760"));
        QCOMPARE(teller.facts().leftBytes, 7340032LL);
        QVERIFY(speed.estimated() > 0.0);
        QCOMPARE(texts.message, QStringLiteral("Installing NOVA Tundra Setup Guide (3.0/10.0 MB)"));
        parser.parseMessage(QStringLiteral("Size:10485760/10485760"));
        QCOMPARE(teller.facts().state, int(TellerState::Installing));
        LogCapture log;
        QCOMPARE(teller.estimate(teller.facts().startTime.addSecs(100)), 6LL);
        QVERIFY(parser.parseMessage(QStringLiteral("ExitCode:0")));
        QCOMPARE(teller.estimate(), 0LL);
        QCOMPARE(log.startingWith(QStringLiteral("[TimeTeller]")),
            (QStringList { QStringLiteral("[TimeTeller] NOVA Guide TimeTeller [2] est left time: 6"),
                stateLine("NOVA Guide", 4),
                QStringLiteral("[TimeTeller] NOVA Guide TimeTeller [4] est left time: 0") }));
    }
};

QTEST_GUILESS_MAIN(TestTimeTeller)
#include "tst_timeteller.moc"
