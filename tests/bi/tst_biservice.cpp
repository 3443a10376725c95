#include "BiServer.h"
#include "LogCapture.h"
#include "SandboxMachine.h"

#include "bi/BIService.h"
#include "core/DLog.h"
#include "core/ModeFlags.h"
#include "core/Utils.h"
#include "platform/Registry.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QNetworkAccessManager>
#include <QTest>
#include <QTimer>

#include <memory>
#include <thread>

Q_DECLARE_METATYPE(ModeFlags)

namespace {

const QString Version = QStringLiteral("NovaTundraInstall_1.0.121.0");
const QString HasData = QStringLiteral("[BIService] Has data to flush: ");

QJsonObject numbered(const QStringList &values)
{
    QJsonObject object;
    for (int i = 0; i < values.size(); ++i)
        object.insert(QLatin1Char('a') + QString::number(i), values.at(i));
    return object;
}

// The record's own keys: everything but the standard ones.
QJsonObject ownKeys(QJsonObject record)
{
    for (const char *key : { "category", "version", "timestamp", "app_id", "environment", "serial_num", "manufacturer",
             "sdk_int", "locale", "app_version" })
        record.remove(QLatin1String(key));
    return record;
}

QList<QJsonObject> ofCategory(const QList<QJsonObject> &records, const QString &category)
{
    QList<QJsonObject> result;
    for (const QJsonObject &record : records) {
        if (record.value(QLatin1String("category")).toString() == category)
            result.append(record);
    }
    return result;
}

// The pages of the stored "oobe_page" records, in the store's order.
QStringList storedPages(const QString &folder)
{
    QStringList pages;
    for (const QJsonObject &record : ofCategory(storedRecords(folder), QStringLiteral("oobe_page")))
        pages.append(record.value(QLatin1String("a1")).toString());
    return pages;
}

// Shows a page and leaves it at once.
void passPage(BIService &service, const QString &page)
{
    service.setRecordStepStart(page);
    service.setRecordStepEnd(page, QStringLiteral("next"), 0);
}

// Ticks and waits until the tick's records are stored: the library counts the stored
// rows behind them and logs the count.
bool tickStored(BIService &service, const LogCapture &log)
{
    const int before = log.startingWith(HasData).size();
    service.sendAndFlush();
    return QTest::qWaitFor([&] { return log.startingWith(HasData).size() > before; }, 20000);
}

BIPcInfo pcInfo()
{
    return { QStringLiteral("2.3"), QStringLiteral("Intel(R) Core(TM) i7-9700K CPU @ 3.60GHz"),
        QStringLiteral("RANK_GOOD"), QStringLiteral("NVIDIA GeForce GTX 1080"), QStringLiteral("RANK_GOOD"),
        QStringLiteral("Windows 10 Pro"), QStringLiteral("RANK_GOOD"), QStringLiteral("15.9"),
        QStringLiteral("RANK_GOOD"), QStringLiteral("RANK_GOOD"),
        { { QStringLiteral("Intel(R) UHD Graphics 630"), QStringLiteral("RANK_BAD") },
            { QStringLiteral("NVIDIA GeForce GTX 1080"), QStringLiteral("RANK_GOOD") } } };
}

} // namespace

class TestBIService : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_machine = std::make_unique<SandboxMachine>();
        // Uploads go to a port where nothing listens, so the records stay in the store.
        m_machine->writeProfile({ { QStringLiteral("biServer"), QStringLiteral("127.0.0.1:1") },
            { QStringLiteral("productUuid"), QStringLiteral("4C4C4544-0047-3010-8052-B4C04F4B4E32") },
            { QStringLiteral("osManufacturer"), QStringLiteral("Microsoft Corporation") },
            { QStringLiteral("windowsVersion"), QStringLiteral("10.0.19045") } });
    }
    void cleanup()
    {
        Mode::set(ModeFlags());
        m_machine.reset();
    }

    void constructionPublishesTheStoreAndStartsTheLogger()
    {
        LogCapture log;
        BIService service(Version);
        QTRY_VERIFY(service.isLoggerReady());
        QCOMPARE(service.tempFolder(), DLog::tempLogFolder());
        QVERIFY(service.tempFolder().startsWith(m_machine->root()));
        QCOMPARE(
            platform::Registry::read(Utils::RegKeltNova, QStringLiteral("BIPath")).toString(), service.tempFolder());
        QVERIFY(QFile::exists(service.tempFolder() + QStringLiteral("/.bilogclient")));
        QVERIFY(QUuid::fromString(service.sessionId()).toString(QUuid::WithoutBraces) == service.sessionId());
        QCOMPARE(log.startingWith(QStringLiteral("[BIService]")),
            QStringList({ QStringLiteral("[BIService]BI Service Version: ")
                    + QString::fromStdString(bilogger::BiLogger::version()),
                QStringLiteral("[BIService] Initialize BI service"), QStringLiteral("[BIService] Init BILogger+"),
                QStringLiteral("[BIService] Init BILogger-") }));
    }

    void recordsCarryTheSettersValues()
    {
        LogCapture log;
        BIService service(Version);
        QTRY_VERIFY(service.isLoggerReady());
        service.setCallerKind(QStringLiteral("launcher"));
        service.setRegion(QStringLiteral("CN"));
        service.setInstallLanguage(QStringLiteral("de_DE"));
        service.setSigninKind(QStringLiteral("login"));
        service.setInstalledStatus(true, false, true, false);
        const QDateTime start = QDateTime::currentDateTimeUtc();
        service.setInstallProgress(QStringLiteral("foreground installing"), start.addSecs(100));
        service.setInstallProgress(QStringLiteral("background installing"), start.addSecs(250));
        service.setSteamVRProgress(QStringLiteral("wait signin"));
        service.setLastPage(QStringLiteral("pInstall.qml"));
        service.setQuitReason(QStringLiteral("bg done"));
        service.storePcInfo(pcInfo());
        service.setPCCheckReady(2, 3);
        service.setRecordStepStart(QStringLiteral("pCheck.qml"));
        service.setRecordStepEnd(QStringLiteral("pCheck.qml"), QStringLiteral("back"), 4);
        service.setLearnMoreStart(QStringLiteral("pCheck.qml"), QStringLiteral("gpu"));
        service.setLearnMoreEnd();
        QVERIFY(tickStored(service, log));

        const QList<QJsonObject> records = storedRecords(service.tempFolder());
        const QString id = service.sessionId();

        const QJsonObject session = ofCategory(records, QStringLiteral("oobe_install_info")).value(0);
        QJsonObject expected
            = numbered({ id, QStringLiteral("login"), QStringLiteral("installed"), QStringLiteral("not installed"),
                QStringLiteral("installed"), QStringLiteral("not installed"), QStringLiteral("background installing"),
                QStringLiteral("wait signin"), QStringLiteral("pInstall.qml"), QStringLiteral("complete"),
                QStringLiteral("launcher"), QStringLiteral("CN"), session.value(QLatin1String("a12")).toString(),
                session.value(QLatin1String("a13")).toString(), session.value(QLatin1String("a14")).toString(),
                QStringLiteral("tundra"), QStringLiteral("1.0"), QStringLiteral("null") });
        expected.insert(QStringLiteral("country"), QStringLiteral("null"));
        expected.insert(QStringLiteral("account_id"), QStringLiteral("null"));
        QCOMPARE(ownKeys(session), expected);
        // The install language takes the place of the user's locale.
        QCOMPARE(session.value(QLatin1String("locale")).toString(), QStringLiteral("de_DE"));
        // Milestones counted from the service's start, which lies just before start.
        QVERIFY(qAbs(session.value(QLatin1String("a12")).toString().toInt() - 100) <= 2);
        QVERIFY(qAbs(session.value(QLatin1String("a13")).toString().toInt() - 250) <= 2);
        QVERIFY(session.value(QLatin1String("a14")).toString().toInt() <= 2);
        QCOMPARE(session.value(QLatin1String("app_id")).toString(), QStringLiteral("com.kelt.nova.setup"));
        QCOMPARE(session.value(QLatin1String("environment")).toString(), QStringLiteral("default"));
        QCOMPARE(session.value(QLatin1String("app_version")).toString(), QStringLiteral("1.0.121.0"));
        QCOMPARE(session.value(QLatin1String("serial_num")).toString(),
            QStringLiteral("4C4C4544-0047-3010-8052-B4C04F4B4E32"));
        QCOMPARE(session.value(QLatin1String("manufacturer")).toString(), QStringLiteral("Microsoft Corporation"));
        QCOMPARE(session.value(QLatin1String("sdk_int")).toString(), QStringLiteral("10.0.19045"));

        const BIPcInfo pc = pcInfo();
        QCOMPARE(ownKeys(ofCategory(records, QStringLiteral("oobe_check")).value(0)),
            numbered({ id, pc.listVersion, pc.cpuName, pc.cpuRank, pc.gpuName, pc.gpuRank, pc.osName, pc.osRank,
                QStringLiteral("15.9 GB"), pc.memoryRank, pc.overallRank, QStringLiteral("2"), QStringLiteral("3"),
                QStringLiteral("null"), QStringLiteral("null"), QStringLiteral("null"), QStringLiteral("tundra"),
                QStringLiteral("1.0") }));
        const QList<QJsonObject> gpus = ofCategory(records, QStringLiteral("oobe_gpu"));
        QCOMPARE(gpus.size(), 1);
        QCOMPARE(ownKeys(gpus.at(0)),
            numbered({ id, QStringLiteral("Intel(R) UHD Graphics 630"), QStringLiteral("RANK_BAD"),
                QStringLiteral("null"), QStringLiteral("null") }));

        const QJsonObject page = ownKeys(ofCategory(records, QStringLiteral("oobe_page")).value(0));
        QCOMPARE(page,
            numbered({ id, QStringLiteral("pCheck.qml"), page.value(QLatin1String("a2")).toString(),
                QStringLiteral("0"), QStringLiteral("back"), QStringLiteral("4"), QStringLiteral("null"),
                QStringLiteral("tundra"), QStringLiteral("1.0") }));
        QVERIFY(qAbs(page.value(QLatin1String("a2")).toString().toLongLong() - start.toSecsSinceEpoch()) <= 2);

        const QJsonObject learnMore = ownKeys(ofCategory(records, QStringLiteral("oobe_learn_more")).value(0));
        QCOMPARE(learnMore.value(QLatin1String("a1")).toString(), QStringLiteral("pCheck.qml"));
        QCOMPARE(learnMore.value(QLatin1String("a2")).toString(), QStringLiteral("gpu"));

        // The check, page and learn-more records go out once; the session on every tick.
        QVERIFY(tickStored(service, log));
        const QList<QJsonObject> again = storedRecords(service.tempFolder());
        QCOMPARE(ofCategory(again, QStringLiteral("oobe_check")).size(), 1);
        QCOMPARE(ofCategory(again, QStringLiteral("oobe_page")).size(), 1);
        QCOMPARE(ofCategory(again, QStringLiteral("oobe_learn_more")).size(), 1);
    }

    void pageTimingLogsItsMistakes()
    {
        BIService service(Version);
        QTRY_VERIFY(service.isLoggerReady());
        LogCapture log;
        service.setRecordStepEnd(QStringLiteral("pLegal.qml"), QStringLiteral("next"), 0);
        service.setRecordStepStart(QStringLiteral("pLegal.qml"));
        service.setRecordStepStart(QStringLiteral("pHealth.qml"));
        service.setRecordStepEnd(QStringLiteral("pCheck.qml"), QStringLiteral("next"), 1);
        service.setRecordStepEnd(QStringLiteral("pHealth.qml"), QStringLiteral("next"), 1);
        QCOMPARE(log.lines(),
            QStringList({ QStringLiteral("[BIService] setRecordStepEnd+ pLegal.qml"),
                QStringLiteral("[BIService]setRecordStepEnd() mRecordStep is NULL"),
                QStringLiteral("[BIService] setRecordStepStart+ pLegal.qml"),
                QStringLiteral("[BIService] setRecordStepStart-"),
                QStringLiteral("[BIService] setRecordStepStart+ pHealth.qml"),
                QStringLiteral("[BIService]setRecordStepStart() previous page: pLegal.qml is not record done"),
                QStringLiteral("[BIService] setRecordStepStart-"),
                QStringLiteral("[BIService] setRecordStepEnd+ pCheck.qml"),
                QStringLiteral("[BIService]setRecordStepEnd() page name pCheck.qml is not same with pHealth.qml"),
                QStringLiteral("[BIService] setRecordStepEnd+ pHealth.qml"),
                QStringLiteral("[BIService] setRecordStepEnd-") }));
        QVERIFY(tickStored(service, log));
        const QList<QJsonObject> pages = ofCategory(storedRecords(service.tempFolder()), QStringLiteral("oobe_page"));
        QCOMPARE(pages.size(), 2);
        QCOMPARE(pages.at(0).value(QLatin1String("a1")).toString(), QStringLiteral("pLegal.qml"));
        QCOMPARE(pages.at(0).value(QLatin1String("a4")).toString(), QStringLiteral("next"));
        QCOMPARE(pages.at(1).value(QLatin1String("a1")).toString(), QStringLiteral("pHealth.qml"));
        QCOMPARE(pages.at(1).value(QLatin1String("a5")).toString(), QStringLiteral("1"));
    }

    void stageServerByMode_data()
    {
        QTest::addColumn<ModeFlags>("flags");
        QTest::addColumn<QString>("environment");
        ModeFlags internal;
        internal.isInternal = true;
        ModeFlags developer;
        developer.isDeveloper = true;
        ModeFlags demo;
        demo.isDemo = true;
        ModeFlags internalBeta = internal;
        internalBeta.isBeta = true;
        QTest::newRow("public") << ModeFlags() << QStringLiteral("default");
        QTest::newRow("internal") << internal << QStringLiteral("stage");
        QTest::newRow("developer") << developer << QStringLiteral("stage");
        QTest::newRow("demo") << demo << QStringLiteral("stage");
        QTest::newRow("internal beta") << internalBeta << QStringLiteral("default");
    }
    void stageServerByMode()
    {
        QFETCH(ModeFlags, flags);
        QFETCH(QString, environment);
        Mode::set(flags);
        LogCapture log;
        BIService service(Version);
        QTRY_VERIFY(service.isLoggerReady());
        QCOMPARE(
            log.contains(QStringLiteral("[BIService] Use Stage server for BI")), environment == QLatin1String("stage"));
        QVERIFY(tickStored(service, log));
        QCOMPARE(
            storedRecords(service.tempFolder()).value(0).value(QLatin1String("environment")).toString(), environment);
    }

    void closeSendsEverythingAndEndsTheOpenPage()
    {
        BiServer server;
        QVERIFY(server.start());
        m_machine->writeProfile(
            { { QStringLiteral("biServer"), server.host() }, { QStringLiteral("biCaFile"), BiServer::caFile() } });
        BIService service(Version);
        service.setRecordStepStart(QStringLiteral("pFolder.qml"));
        service.setLearnMoreStart(QStringLiteral("pFolder.qml"), QStringLiteral("space"));
        LogCapture log;
        service.close();

        QVERIFY(!service.isLoggerReady());
        QVERIFY(log.contains(QStringLiteral("[BIService] Previous page: pFolder.qml is not recorded yet, close it")));
        QVERIFY(log.contains(QStringLiteral("[BIService] WARNING: Shouldn't be here. Found a record for pFolder.qml")));
        QVERIFY(log.contains(QStringLiteral("[BIService] finalFlush() Done")));
        QCOMPARE(log.lines().last(), QStringLiteral("[BIService] close() Done"));
        QCOMPARE(storeQuery(service.tempFolder(), QStringLiteral("SELECT COUNT(*) FROM bi_logs")), QStringLiteral("0"));

        QStringList categories;
        QString how;
        for (const QJsonObject &request : server.requests(QStringLiteral("/log/f/"))) {
            for (const QJsonValue value : request.value(QLatin1String("records")).toArray()) {
                const QJsonObject record = value.toObject();
                categories.append(record.value(QLatin1String("category")).toString());
                if (record.value(QLatin1String("category")).toString() == QLatin1String("oobe_page"))
                    how = record.value(QLatin1String("a4")).toString();
            }
        }
        QCOMPARE(categories,
            QStringList({ QStringLiteral("oobe_install_info"), QStringLiteral("oobe_learn_more"),
                QStringLiteral("oobe_page") }));
        QCOMPARE(how, QStringLiteral("quit"));
    }

    // While another program holds the store, the ticks go on without waiting for it and
    // every record lands once the store is free.
    void windowKeepsAnsweringWhileTheStoreIsLocked()
    {
        constexpr int LockMs = 10000;
        constexpr int BeatMs = 20;
        BIService service(Version);
        QTRY_VERIFY(service.isLoggerReady());
        StoreLock lock(service.tempFolder());
        QVERIFY(lock.isHeld());

        QElapsedTimer clock;
        clock.start();
        qint64 lastBeat = 0;
        qint64 worstLateMs = 0;
        QTimer heartbeat;
        heartbeat.setTimerType(Qt::PreciseTimer);
        heartbeat.setInterval(BeatMs);
        connect(&heartbeat, &QTimer::timeout, [&] {
            const qint64 now = clock.elapsed();
            worstLateMs = qMax(worstLateMs, now - lastBeat - BeatMs);
            lastBeat = now;
        });
        // Besides the service's own tick: a page and a tick every 250 ms.
        QStringList pages;
        QTimer pager;
        pager.setInterval(250);
        connect(&pager, &QTimer::timeout, [&] {
            pages.append(QStringLiteral("p%1.qml").arg(pages.size()));
            passPage(service, pages.last());
            service.sendAndFlush();
        });
        heartbeat.start();
        pager.start();
        QEventLoop window;
        QTimer::singleShot(LockMs, &window, &QEventLoop::quit);
        window.exec();
        pager.stop();
        heartbeat.stop();
        lock.release();

        QVERIFY2(worstLateMs <= 100, qPrintable(QStringLiteral("late by %1 ms").arg(worstLateMs)));
        QVERIFY(pages.size() >= 30);
        QTRY_COMPARE_WITH_TIMEOUT(storedPages(service.tempFolder()), pages, 30000);
    }

    // Records of the last round that wait for a busy store are kept by close().
    void closeKeepsRecordsHeldUpByABusyStore()
    {
        BiServer server;
        QVERIFY(server.start());
        m_machine->writeProfile(
            { { QStringLiteral("biServer"), server.host() }, { QStringLiteral("biCaFile"), BiServer::caFile() } });
        BIService service(Version);
        QTRY_VERIFY(service.isLoggerReady());
        service.setRecordStepStart(QStringLiteral("pInstall.qml"));
        StoreLock lock(service.tempFolder());
        QVERIFY(lock.isHeld());
        // The other program lets go while close() runs.
        std::thread releaser([&lock] {
            std::this_thread::sleep_for(std::chrono::seconds(3));
            lock.release();
        });
        LogCapture log;
        service.close();
        releaser.join();

        QCOMPARE(log.lines().last(), QStringLiteral("[BIService] close() Done"));
        QCOMPARE(log.lines(QtWarningMsg), QStringList());
        QStringList pages;
        for (const QJsonObject &request : server.requests(QStringLiteral("/log/f/"))) {
            for (const QJsonValue value : request.value(QLatin1String("records")).toArray()) {
                if (value.toObject().value(QLatin1String("category")).toString() == QLatin1String("oobe_page"))
                    pages.append(value.toObject().value(QLatin1String("a1")).toString());
            }
        }
        QCOMPARE(pages, QStringList({ QStringLiteral("pInstall.qml") }));
        QCOMPARE(storeQuery(service.tempFolder(), QStringLiteral("SELECT COUNT(*) FROM bi_logs")), QStringLiteral("0"));
    }

    // Ending the service does not wait out a store that another program holds.
    void endingWithALockedStoreIsPrompt()
    {
        QElapsedTimer timer;
        {
            auto service = std::make_unique<BIService>(Version);
            QTRY_VERIFY(service->isLoggerReady());
            StoreLock lock(service->tempFolder());
            QVERIFY(lock.isHeld());
            for (int i = 0; i < 5; ++i) {
                passPage(*service, QStringLiteral("p%1.qml").arg(i));
                service->sendAndFlush();
            }
            timer.start();
            service.reset();
        }
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
    }

    void countryLookupRetries()
    {
        BiServer server;
        QVERIFY(server.start({ QStringLiteral("--fail-country"), QStringLiteral("2"), QStringLiteral("--country"),
            QStringLiteral("DE") }));
        m_machine->writeProfile(
            { { QStringLiteral("countryServer"), server.host() }, { QStringLiteral("biCaFile"), BiServer::caFile() } });
        BIService service(Version);
        // The network manager comes with the first lookup, not with the service.
        QVERIFY(service.findChildren<QNetworkAccessManager *>().isEmpty());
        LogCapture log;
        service.setAccountID(QStringLiteral("42"));
        QCOMPARE(service.findChildren<QNetworkAccessManager *>().size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(QStringLiteral("[BIService] onNetReplied, country: DE")), 30000);
        QCOMPARE(log.startingWith(QStringLiteral("[BIService] onNetReplied, retry to get country: ")),
            QStringList({ QStringLiteral("[BIService] onNetReplied, retry to get country: 1"),
                QStringLiteral("[BIService] onNetReplied, retry to get country: 2") }));
        QCOMPARE(log.startingWith(QStringLiteral("[BIService] askCountry: ")).value(0),
            QStringLiteral("[BIService] askCountry: https://") + server.host()
                + QStringLiteral("/api/cntysettings/v1/find/42"));
        QCOMPARE(server.requests(QStringLiteral("/api/cntysettings/v1/find/42")).size(), 3);
    }

    void countryLookupGivesUpAfterFiveRetries()
    {
        BiServer server;
        QVERIFY(server.start({ QStringLiteral("--fail-country"), QStringLiteral("100") }));
        m_machine->writeProfile(
            { { QStringLiteral("countryServer"), server.host() }, { QStringLiteral("biCaFile"), BiServer::caFile() } });
        BIService service(Version);
        LogCapture log;
        service.setAccountID(QStringLiteral("u1"));
        QTRY_COMPARE_WITH_TIMEOUT(log.count(QStringLiteral("[BIService] onNetReplied, received: {}")), 6, 30000);
        QCOMPARE(log.startingWith(QStringLiteral("[BIService] onNetReplied, retry")).size(), 5);
        QCOMPARE(server.requests(QStringLiteral("/api/")).size(), 6);
    }

private:
    std::unique_ptr<SandboxMachine> m_machine;
};

QTEST_GUILESS_MAIN(TestBIService)
#include "tst_biservice.moc"
