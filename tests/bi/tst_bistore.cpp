#include "BiServer.h"

#include "bilogger/Batch.h"
#include "bilogger/Gzip.h"
#include "bilogger/LogStore.h"
#include "bilogger/ServerConfig.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace bilogger;

Q_DECLARE_METATYPE(std::string)

namespace {

std::vector<StoredRow> rowsOfLengths(const QList<int> &lengths)
{
    std::vector<StoredRow> rows;
    for (int i = 0; i < lengths.size(); ++i)
        rows.push_back({ i + 1, std::string(size_t(lengths.at(i)), 'x') });
    return rows;
}

// Decodes a gzip stream with Python's gzip module.
QByteArray pythonGunzip(const QByteArray &stream, bool *ok)
{
    QProcess python;
    python.start(QStringLiteral("python3"),
        { QStringLiteral("-c"),
            QStringLiteral("import gzip, sys; sys.stdout.buffer.write(gzip.decompress(sys.stdin.buffer.read()))") });
    python.write(stream);
    python.closeWriteChannel();
    *ok = python.waitForFinished(30000) && python.exitStatus() == QProcess::NormalExit && python.exitCode() == 0;
    return python.readAllStandardOutput();
}

} // namespace

class TestBiStore : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_store = std::make_unique<LogStore>();
        QVERIFY(m_store->open(m_dir->path().toStdString()));
    }
    void cleanup() { m_store.reset(); }

    void newStoreHasItsTablesAndVersion()
    {
        QCOMPARE(m_store->schemaVersion(), LogStore::SchemaVersion);
        const StoredConfig config = m_store->config();
        QCOMPARE(config.config, std::string("{}"));
        QCOMPARE(config.validCountdown, 0);
        QCOMPARE(config.expireEpoch, 0);
        m_store->close();
        QCOMPARE(storeQuery(m_dir->path(), QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'trigger'")),
            QStringLiteral("DeleteOneRecordOnOverflow"));
        QCOMPARE(storeQuery(m_dir->path(), QStringLiteral("SELECT COUNT(*) FROM server_config")), QStringLiteral("1"));
    }

    void overflowKeepsTheNewestRows()
    {
        LogStore &store = *m_store;
        const int extra = 37;
        for (int i = 0; i < LogStore::MaxRows + extra; ++i)
            QCOMPARE(store.save(1000 + i, "default", "{\"n\":" + std::to_string(i) + "}"), 0);
        QCOMPARE(store.count("default"), std::int64_t(LogStore::MaxRows));
        const std::vector<StoredRow> oldest = store.oldest("default", 1);
        QCOMPARE(oldest.front().content, "{\"n\":" + std::to_string(extra) + "}");
    }

    void duplicateContentIsStoredOnce()
    {
        LogStore &store = *m_store;
        QCOMPARE(store.save(10, "default", "{\"a\":1}"), 0);
        QCOMPARE(store.save(11, "default", "{\"b\":2}"), 0);
        QCOMPARE(store.save(12, "default", "{\"a\":1}"), 0);
        QCOMPARE(store.count("default"), 2);
        QCOMPARE(store.oldest("default", 10).front().id, 1);
    }

    void olderStoreLosesItsDuplicatesOnOpen()
    {
        // Made into a version 1 store: no index, duplicates possible.
        m_store->close();
        const QTemporaryDir &dir = *m_dir;
        storeQuery(dir.path(), QStringLiteral("DROP INDEX bi_logs_content"));
        storeQuery(dir.path(), QStringLiteral("UPDATE schema_ver SET version = 1"));
        for (int id : { 1, 2, 3 })
            storeQuery(dir.path(),
                QStringLiteral("INSERT INTO bi_logs VALUES (%1, %1, 'default', '%2')")
                    .arg(id)
                    .arg(id == 2 ? QStringLiteral("{}") : QStringLiteral("{\"same\":1}")));
        LogStore store;
        QVERIFY(store.open(dir.path().toStdString()));
        QCOMPARE(store.schemaVersion(), LogStore::SchemaVersion);
        const std::vector<StoredRow> rows = store.oldest("default", 10);
        QCOMPARE(rows.size(), size_t(2));
        QCOMPARE(rows.at(0).id, 1);
        QCOMPARE(rows.at(1).id, 2);
    }

    void environmentsAreKeptApart()
    {
        LogStore &store = *m_store;
        QCOMPARE(store.save(5, "stage", "{\"s\":1}"), 0);
        QCOMPARE(store.save(4, "default", "{\"d\":1}"), 0);
        QCOMPARE(store.count("stage"), 1);
        QCOMPARE(store.oldest("stage", 10).front().content, std::string("{\"s\":1}"));
        QVERIFY(store.remove({ 1 }));
        QCOMPARE(store.count("stage"), 0);
        QCOMPARE(store.count("default"), 1);
    }

    void batches_data()
    {
        QTest::addColumn<QList<int>>("lengths");
        QTest::addColumn<int>("packageSize");
        QTest::addColumn<int>("packageLine");
        QTest::addColumn<int>("taken");
        QTest::newRow("all fit") << QList<int> { 10, 10, 10 } << 100 << 10 << 3;
        QTest::newRow("line limit") << QList<int> { 10, 10, 10 } << 100 << 2 << 2;
        QTest::newRow("size limit is strict") << QList<int> { 10, 10, 10 } << 30 << 10 << 2;
        QTest::newRow("just below size") << QList<int> { 10, 10, 10 } << 31 << 10 << 3;
        QTest::newRow("oversized first row alone") << QList<int> { 500, 10 } << 100 << 10 << 1;
        QTest::newRow("first row equal to size alone") << QList<int> { 100, 10 } << 100 << 10 << 1;
        QTest::newRow("oversized row waits") << QList<int> { 10, 500, 10 } << 100 << 10 << 1;
        QTest::newRow("no rows") << QList<int> {} << 100 << 10 << 0;
    }
    void batches()
    {
        QFETCH(QList<int>, lengths);
        QFETCH(int, packageSize);
        QFETCH(int, packageLine);
        QFETCH(int, taken);
        const std::vector<StoredRow> rows = rowsOfLengths(lengths);
        const Batch batch = makeBatch(rows, packageSize, packageLine);
        QCOMPARE(int(batch.ids.size()), taken);
        std::string joined;
        for (int i = 0; i < taken; ++i) {
            QCOMPARE(batch.ids.at(size_t(i)), rows.at(size_t(i)).id);
            joined += rows.at(size_t(i)).content;
        }
        QCOMPARE(batch.body, joined);
    }

    void serverConfig_data()
    {
        QTest::addColumn<std::string>("json");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<bool>("compress");
        QTest::addColumn<int>("packageSize");
        QTest::addColumn<int>("packageLine");
        QTest::newRow("full") << std::string(R"({"url":"https://h","compress":true,"expire_time":60,)"
                                             R"("version":"2","dev_app_id":"x","package_size":4096,"package_line":50})")
                              << true << true << 4096 << 50;
        QTest::newRow("defaults") << std::string("{}") << true << false << int(ServerConfig::DefaultPackageSize)
                                  << ServerConfig::DefaultPackageLine;
        QTest::newRow("not an object") << std::string("[1]") << false << false << 0 << 0;
        QTest::newRow("not JSON") << std::string("<html>") << false << false << 0 << 0;
        QTest::newRow("zero lines") << std::string(R"({"package_line":0})") << false << false << 0 << 0;
        QTest::newRow("negative size") << std::string(R"({"package_size":-1})") << false << false << 0 << 0;
        QTest::newRow("size as text") << std::string(R"({"package_size":"9"})") << false << false << 0 << 0;
        QTest::newRow("negative expiry") << std::string(R"({"expire_time":-5})") << false << false << 0 << 0;
    }
    void serverConfig()
    {
        QFETCH(std::string, json);
        QFETCH(bool, valid);
        const std::optional<ServerConfig> config = ServerConfig::parse(json);
        QCOMPARE(config.has_value(), valid);
        if (!valid)
            return;
        QTEST(config->compress, "compress");
        QTEST(int(config->packageSize), "packageSize");
        QTEST(config->packageLine, "packageLine");
    }

    void validity_data()
    {
        QTest::addColumn<int>("expireEpoch");
        QTest::addColumn<int>("validCountdown");
        QTest::addColumn<int>("end");
        // now = 1000
        QTest::newRow("new store") << 0 << 0 << 0;
        QTest::newRow("countdown first") << 5000 << 60 << 1060;
        QTest::newRow("epoch first") << 1030 << 60 << 1030;
        QTest::newRow("clock set back: countdown bounds it") << 900000 << 100 << 1100;
    }
    void validity()
    {
        QFETCH(int, expireEpoch);
        QFETCH(int, validCountdown);
        QFETCH(int, end);
        QCOMPARE(validityEnd(StoredConfig { "{}", validCountdown, expireEpoch }, 1000), std::int64_t(end));
        const StoredConfig fresh = freshConfig("{}", ServerConfig(), 1000);
        QCOMPARE(validityEnd(fresh, 1000), 1000 + ServerConfig::DefaultExpireTime);
    }

    void gzipPassesIndependentDecoders_data()
    {
        QTest::addColumn<QByteArray>("data");
        QByteArray random(200000, '\0');
        for (char &c : random)
            c = char(QRandomGenerator::global()->bounded(256));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("records") << QByteArray("{\"category\":\"oobe_page\",\"a0\":\"x\"}").repeated(3000);
        QTest::newRow("incompressible") << random;
    }
    void gzipPassesIndependentDecoders()
    {
        QFETCH(QByteArray, data);
        const std::string compressed = gzip(data.toStdString());
        const QByteArray stream = QByteArray::fromStdString(compressed);
        QVERIFY(stream.size() >= 18);
        QCOMPARE(stream.mid(4, 4), QByteArray(4, '\0')); // modification time 0
        QCOMPARE(quint8(stream.at(9)), quint8(255)); // operating system unknown
        bool ok = false;
        QCOMPARE(pythonGunzip(stream, &ok), data);
        QVERIFY(ok);
        QProcess gzipTool;
        gzipTool.start(QStringLiteral("gzip"), { QStringLiteral("-t") });
        gzipTool.write(stream);
        gzipTool.closeWriteChannel();
        QVERIFY(gzipTool.waitForFinished(30000));
        QCOMPARE(gzipTool.exitCode(), 0);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<LogStore> m_store;
};

QTEST_GUILESS_MAIN(TestBiStore)
#include "tst_bistore.moc"
