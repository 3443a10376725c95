#include "BiServer.h"
#include "LogCapture.h"

#include "bilogger/BiLogger.h"
#include "bilogger/LogStore.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <iostream>
#include <mutex>
#include <sstream>
#include <thread>

using namespace bilogger;

namespace {

constexpr auto FlushLimit = std::chrono::seconds(60);

const ClientInfo Client { "4C4C4544-0047-3010-8052-B4C04F4B4E32", "Microsoft Corporation", "10.0.19045", "en_US",
    "1.0.121.0" };

// Standard error of this process while it lives.
class ErrCapture {
public:
    ErrCapture()
        : m_previous(std::cerr.rdbuf(m_text.rdbuf()))
    {
    }
    ~ErrCapture() { std::cerr.rdbuf(m_previous); }
    QString text() const { return QString::fromStdString(m_text.str()); }

private:
    std::ostringstream m_text;
    std::streambuf *m_previous;
};

QString configOption(int packageSize, int packageLine, bool compress = true)
{
    return QStringLiteral(R"({"package_size":%1,"package_line":%2,"compress":%3})")
        .arg(packageSize)
        .arg(packageLine)
        .arg(compress ? QStringLiteral("true") : QStringLiteral("false"));
}

bool submitNumbered(BiLogger &logger, int from, int count, const std::string &padding = std::string())
{
    for (int i = from; i < from + count; ++i) {
        BiRecord record = *logger.createRecord("oobe_test");
        record.add("a0", std::to_string(i));
        record.add("pad", padding);
        if (!logger.submit(record))
            return false;
    }
    return true;
}

QStringList numbers(int from, int count)
{
    QStringList list;
    for (int i = from; i < from + count; ++i)
        list.append(QString::number(i));
    return list;
}

// Queues records numbered from..from+count-1; the answer of the last one.
std::shared_future<bool> queueNumbered(BiLogger &logger, int from, int count)
{
    std::shared_future<bool> stored;
    for (int i = from; i < from + count; ++i) {
        BiRecord record = *logger.createRecord("oobe_test");
        record.add("a0", std::to_string(i));
        stored = logger.submitQueued(record);
    }
    return stored;
}

bool curlMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libcurl");
}

FlushReport flushNow(BiLogger &logger)
{
    std::shared_future<FlushReport> report = logger.flush();
    if (report.wait_for(FlushLimit) != std::future_status::ready)
        return FlushReport();
    return report.get();
}

} // namespace

class TestBiLogger : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    // First, while no test of this process has uploaded: libcurl is not linked, and only
    // the first upload loads it.
    void libcurlIsLoadedByTheFirstUpload()
    {
        QVERIFY(!curlMapped());
        BiServer server;
        QVERIFY(server.start());
        BiLogger logger;
        QVERIFY(start(logger, server.host()));
        QVERIFY(submitNumbered(logger, 0, 1));
        QVERIFY(!curlMapped());
        QCOMPARE(flushNow(logger).sentRows, 1);
        QVERIFY(curlMapped());
    }

    void everyRecordArrivesOnceInLimitedBatches()
    {
        BiServer server;
        QVERIFY(server.start({ QStringLiteral("--config"), configOption(1500, 7) }));
        BiLogger logger;
        QVERIFY(start(logger, server.host()));
        QVERIFY(submitNumbered(logger, 0, 30));
        // One row larger than a whole batch.
        QVERIFY(submitNumbered(logger, 30, 1, std::string(3000, 'p')));
        QVERIFY(submitNumbered(logger, 31, 9));

        const FlushReport first = flushNow(logger);
        QCOMPARE(first.sentRows, 40);
        QCOMPARE(first.failedAttempts, 0);
        QVERIFY(submitNumbered(logger, 40, 5));
        QCOMPARE(flushNow(logger).sentRows, 5);
        QCOMPARE(logger.rowCount(), 0);

        QCOMPARE(server.receivedA0(), numbers(0, 45));
        bool oversizedAlone = false;
        for (const QJsonObject &request : server.requests(QStringLiteral("/log/f/"))) {
            const QJsonArray records = request.value(QLatin1String("records")).toArray();
            QVERIFY(records.size() <= 7);
            QCOMPARE(request.value(QLatin1String("agent")).toString(), QStringLiteral("VODEVodero Library Win32"));
            QCOMPARE(request.value(QLatin1String("headers")).toVariant().toStringList(),
                QStringList(
                    { QStringLiteral("Content-Length"), QStringLiteral("Host"), QStringLiteral("User-Agent") }));
            if (records.at(0).toObject().value(QLatin1String("a0")).toString() == QLatin1String("30")) {
                QCOMPARE(records.size(), 1);
                oversizedAlone = true;
            }
            verifyGzipBody(server, request);
            if (QTest::currentTestFailed())
                return;
        }
        QVERIFY(oversizedAlone);
        // The configuration was asked for once, with the row count of that moment.
        const QList<QJsonObject> inits = server.requests(QStringLiteral("/init/"));
        QCOMPARE(inits.size(), 1);
        QCOMPARE(inits.at(0).value(QLatin1String("path")).toString(), QStringLiteral("/init/40/"));
    }

    void recordsCarryTheStandardKeys()
    {
        BiServer server;
        QVERIFY(server.start({ QStringLiteral("--config"), configOption(65536, 100, false) }));
        BiLogger logger;
        logger.useStageEnvironment();
        QVERIFY(logger.init(m_dir->path().toStdString(), "com.kelt.nova.setup", Client,
            { std::string(), server.host().toStdString(), BiServer::caFile().toStdString() }));
        BiRecord record = *logger.createRecord("oobe_page");
        record.add("a1", "pLegal.qml");
        QVERIFY(logger.submit(record));
        QCOMPARE(flushNow(logger).sentRows, 1);

        const QJsonObject request = server.requests(QStringLiteral("/log/f/")).value(0);
        QVERIFY(!request.contains(QLatin1String("gzip")));
        const QJsonObject sent = request.value(QLatin1String("records")).toArray().at(0).toObject();
        const QJsonObject expected { { QStringLiteral("a1"), QStringLiteral("pLegal.qml") },
            { QStringLiteral("category"), QStringLiteral("oobe_page") },
            { QStringLiteral("version"), QString::fromStdString(BiLogger::version()) },
            { QStringLiteral("timestamp"), sent.value(QLatin1String("timestamp")) },
            { QStringLiteral("app_id"), QStringLiteral("com.kelt.nova.setup") },
            { QStringLiteral("environment"), QStringLiteral("stage") },
            { QStringLiteral("serial_num"), QString::fromStdString(Client.serialNum) },
            { QStringLiteral("manufacturer"), QString::fromStdString(Client.manufacturer) },
            { QStringLiteral("sdk_int"), QString::fromStdString(Client.sdkInt) },
            { QStringLiteral("locale"), QString::fromStdString(Client.locale) },
            { QStringLiteral("app_version"), QString::fromStdString(Client.appVersion) } };
        QCOMPARE(sent, expected);
        QVERIFY(qAbs(sent.value(QLatin1String("timestamp")).toDouble() - QDateTime::currentSecsSinceEpoch()) < 60);
    }

    void failingServerLeavesRowsForTheNextFlush()
    {
        BiServer server;
        QVERIFY(server.start({ QStringLiteral("--fail-log"), QStringLiteral("3") }));
        BiLogger logger;
        QVERIFY(start(logger, server.host()));
        QVERIFY(submitNumbered(logger, 0, 4));

        const FlushReport failed = flushNow(logger);
        QCOMPARE(failed.sentRows, 0);
        QCOMPARE(failed.failedAttempts, 3);
        QCOMPARE(server.requests(QStringLiteral("/log/f/")).size(), 3);
        // The server's errors became one error record of the library's own.
        const QList<QJsonObject> stored = storedRecords(m_dir->path());
        QCOMPARE(stored.size(), 5);
        QCOMPARE(stored.last().value(QLatin1String("app_id")).toString(), QStringLiteral("error_log"));
        QCOMPARE(stored.last().value(QLatin1String("category")).toString(), QStringLiteral("DefaultCategory"));
        QCOMPARE(stored.last().value(QLatin1String("error_type")).toString(), QStringLiteral("upload"));
        QCOMPARE(stored.last().value(QLatin1String("error_appid")).toString(), QStringLiteral("com.kelt.nova.setup"));

        QCOMPARE(flushNow(logger).sentRows, 5);
        QCOMPARE(server.receivedA0().mid(0, 4), numbers(0, 4));
        QCOMPARE(logger.rowCount(), 0);
    }

    void aFlushSendsAtMost500Rows()
    {
        BiServer server;
        QVERIFY(server.start({ QStringLiteral("--config"), configOption(65536, 90) }));
        BiLogger logger;
        QVERIFY(start(logger, server.host()));
        QVERIFY(submitNumbered(logger, 0, 620));
        QCOMPARE(flushNow(logger).sentRows, 500);
        QCOMPARE(logger.rowCount(), 120);
        QCOMPARE(flushNow(logger).sentRows, 120);
        QCOMPARE(server.receivedA0(), numbers(0, 620));
    }

    void validConfigurationIsReusedAndExpiredOneFetched()
    {
        BiServer server;
        QVERIFY(server.start());
        const auto inits = [&server] { return server.requests(QStringLiteral("/init/")).size(); };
        {
            BiLogger logger;
            QVERIFY(start(logger, server.host()));
            QVERIFY(flushNow(logger).configured);
            QVERIFY(flushNow(logger).configured);
            QCOMPARE(inits(), 1);
        }
        {
            // A new run reuses the stored answer.
            BiLogger logger;
            QVERIFY(start(logger, server.host()));
            QVERIFY(flushNow(logger).configured);
            QCOMPARE(inits(), 1);
        }
        const int countdown
            = storeQuery(m_dir->path(), QStringLiteral("SELECT valid_countdown FROM server_config")).toInt();
        QVERIFY2(countdown > 3500 && countdown <= 3600, qPrintable(QString::number(countdown)));

        storeQuery(m_dir->path(),
            QStringLiteral("UPDATE server_config SET expire_epoch = %1").arg(QDateTime::currentSecsSinceEpoch() - 1));
        BiLogger logger;
        QVERIFY(start(logger, server.host()));
        QVERIFY(flushNow(logger).configured);
        QCOMPARE(inits(), 2);
    }

    void unusableConfigurationSendsNothing()
    {
        BiServer server;
        QVERIFY(server.start({ QStringLiteral("--config"), QStringLiteral(R"({"package_line":0})") }));
        BiLogger logger;
        QVERIFY(start(logger, server.host()));
        QVERIFY(submitNumbered(logger, 0, 2));
        const FlushReport report = flushNow(logger);
        QVERIFY(!report.configured);
        QCOMPARE(server.requests(QStringLiteral("/log/")).size(), 0);
        QCOMPARE(logger.rowCount(), 3); // and the error record
    }

    void untrustedCertificateIsRefused()
    {
        BiServer server;
        QVERIFY(server.start());
        BiLogger logger;
        QVERIFY(start(logger, server.host(), BiServer::otherCaFile()));
        QVERIFY(submitNumbered(logger, 0, 1));
        const FlushReport report = flushNow(logger);
        QVERIFY(!report.configured);
        QCOMPARE(report.failedAttempts, 3);
        QCOMPARE(server.requests().size(), 0);
        QCOMPARE(logger.rowCount(), 1);
    }

    void withoutNetworkSendingIsAQuietNoOp()
    {
        LogCapture log;
        ErrCapture err;
        BiLogger logger;
        // Nothing listens on port 1.
        QVERIFY(start(logger, QStringLiteral("127.0.0.1:1")));
        QVERIFY(submitNumbered(logger, 0, 3));
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 3; ++i)
            QCOMPARE(flushNow(logger).sentRows, 0);
        QVERIFY(timer.elapsed() < 10000);
        QCOMPARE(logger.rowCount(), 3);
        QVERIFY(log.lines().isEmpty());
    }

    void shutdownEndsARunningFlushAtOnce()
    {
        BiServer server;
        QVERIFY(server.start({ QStringLiteral("--fail-log"), QStringLiteral("1000") }));
        BiLogger logger;
        QVERIFY(start(logger, server.host()));
        QVERIFY(submitNumbered(logger, 0, 1));
        std::shared_future<FlushReport> report = logger.flush();
        QElapsedTimer timer;
        timer.start();
        logger.shutdown();
        QVERIFY(timer.elapsed() < 5000);
        QCOMPARE(report.wait_for(std::chrono::seconds(0)), std::future_status::ready);
        QVERIFY(!logger.isInitialized());
        QCOMPARE(logger.flush().get().sentRows, 0);
    }

    void queuedRecordsAreCountedAndSentInOrder()
    {
        BiServer server;
        QVERIFY(server.start());
        BiLogger logger;
        QVERIFY(start(logger, server.host()));
        std::mutex mutex;
        QList<qint64> counts;
        const auto countRows = [&](std::int64_t rows) {
            std::lock_guard<std::mutex> lock(mutex);
            counts.append(rows);
        };
        // An empty store is neither reported nor sent.
        logger.flushStoredQueued(countRows);
        queueNumbered(logger, 0, 20);
        logger.flushStoredQueued(countRows);
        QTRY_COMPARE_WITH_TIMEOUT(server.receivedA0(), numbers(0, 20), 30000);
        QTRY_COMPARE(logger.rowCount(), 0);
        std::lock_guard<std::mutex> lock(mutex);
        QCOMPARE(counts, QList<qint64>({ 20 }));
        QCOMPARE(server.requests(QStringLiteral("/init/")).value(0).value(QLatin1String("path")).toString(),
            QStringLiteral("/init/20/"));
    }

    // A record waits for a store held longer than its tries would last.
    void aQueuedRecordOutwaitsALongLock()
    {
        BiLogger logger;
        QVERIFY(start(logger, QString()));
        StoreLock lock(m_dir->path());
        QVERIFY(lock.isHeld());
        ErrCapture err;
        std::thread releaser([&lock] {
            std::this_thread::sleep_for(
                std::chrono::milliseconds(BiLogger::SaveTries * LogStore::BusyTimeoutMs + 1000));
            lock.release();
        });
        const std::shared_future<bool> stored = queueNumbered(logger, 0, 2);
        const bool ready = stored.wait_for(FlushLimit) == std::future_status::ready;
        releaser.join();
        QVERIFY(ready);
        QVERIFY(stored.get());
        // The first record's tries ran out while the store was held; it was kept all the same.
        QVERIFY(
            err.text().contains(QStringLiteral("save log fail, result = 5, retry = %1").arg(BiLogger::SaveTries - 1)));
        QCOMPARE(logger.rowCount(), 2);
    }

    void shutdownGivesUpOnALockedStoreAtOnce()
    {
        BiLogger logger;
        QVERIFY(start(logger, QString()));
        StoreLock lock(m_dir->path());
        QVERIFY(lock.isHeld());
        ErrCapture err;
        const std::shared_future<bool> stored = queueNumbered(logger, 0, 3);
        QElapsedTimer timer;
        timer.start();
        logger.shutdown();
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(stored.wait_for(std::chrono::seconds(0)), std::future_status::ready);
        QVERIFY(!stored.get());
    }

    void initialisationErrors_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("appId");
        QTest::addColumn<QString>("error");
        QTest::newRow("empty app id") << QString() << QString()
                                      << QStringLiteral("AppID cannot be empty while calling BiLogger::init()\n");
        QTest::newRow("missing folder")
            << QStringLiteral("/no/such/folder") << QStringLiteral("com.kelt.nova.setup")
            << QStringLiteral("Invalid storage path: [/no/such/folder], please make sure it is correct.\n");
    }
    void initialisationErrors()
    {
        QFETCH(QString, path);
        QFETCH(QString, appId);
        QFETCH(QString, error);
        ErrCapture err;
        BiLogger logger;
        QVERIFY(!logger.init((path.isNull() ? m_dir->path() : path).toStdString(), appId.toStdString(), Client, {}));
        QVERIFY(!logger.createRecord("oobe_page"));
        QVERIFY(!logger.submit(BiRecord("oobe_page")));
        QCOMPARE(err.text(),
            error
                + QStringLiteral("init fail, BiLogger will not function.\n"
                                 "BiLogger is not initialized. Please call init() first.\n"
                                 "BiLogger is not initialized. Please call init() first.\n"));
    }

private:
    bool start(BiLogger &logger, const QString &host, const QString &caFile = BiServer::caFile())
    {
        return logger.init(m_dir->path().toStdString(), "com.kelt.nova.setup", Client,
            { host.toStdString(), std::string(), caFile.toStdString() });
    }

    void verifyGzipBody(const BiServer &server, const QJsonObject &request)
    {
        const QJsonObject header = request.value(QLatin1String("gzip")).toObject();
        QCOMPARE(header.value(QLatin1String("mtime")).toInt(-1), 0);
        QCOMPARE(header.value(QLatin1String("os")).toInt(), 255);
        QCOMPARE(QProcess::execute(QStringLiteral("gzip"),
                     { QStringLiteral("-t"), QStringLiteral("-S"), QStringLiteral(".bin"),
                         server.bodyFile(request.value(QLatin1String("n")).toInt()) }),
            0);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestBiLogger)
#include "tst_bilogger.moc"
