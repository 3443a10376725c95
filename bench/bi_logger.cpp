// Prints, in one run: rows stored per second one record at a time, rows uploaded per
// second to the stand-in analytics server on loopback, and the size of the upload
// bodies against gzip -6 of the same bytes.
//   bi_logger [rows]
#include "bilogger/Batch.h"
#include "bilogger/BiLogger.h"
#include "bilogger/Gzip.h"
#include "bilogger/LogStore.h"
#include "bilogger/ServerConfig.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

using namespace bilogger;

namespace {

const QString Script = QStringLiteral(NOVA_BI_SERVER);

// The size of data compressed by the gzip program at level 6.
qint64 gzip6Size(const std::string &data)
{
    QProcess gzipTool;
    gzipTool.start(QStringLiteral("gzip"), { QStringLiteral("-6"), QStringLiteral("-n"), QStringLiteral("-c") });
    gzipTool.write(data.data(), qint64(data.size()));
    gzipTool.closeWriteChannel();
    gzipTool.waitForFinished(30000);
    return gzipTool.readAllStandardOutput().size();
}

BiRecord pageRecord(int n)
{
    BiRecord record("oobe_page");
    record.add("a0", "0f4b8d6e-3a57-4c1e-9a0b-6d1c2e3f4a5b");
    record.add("a1", n % 2 ? "pFolder.qml" : "pInstall.qml");
    record.add("a2", std::to_string(1700000000 + n));
    record.add("a3", std::to_string(n % 97));
    record.add("a4", "next");
    record.add("a5", std::to_string(n % 3));
    record.add("a6", "null");
    record.add("a7", "tundra");
    record.add("a8", "1.0");
    return record;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : LogStore::MaxRows;
    QTemporaryDir certs, out, store;
    if (QProcess::execute(QStringLiteral("python3"), { Script, QStringLiteral("certs"), certs.path() }) != 0)
        return 1;
    QProcess server;
    server.start(QStringLiteral("python3"),
        { Script, QStringLiteral("serve"), QStringLiteral("--cert"), certs.filePath(QStringLiteral("server.pem")),
            QStringLiteral("--key"), certs.filePath(QStringLiteral("server.key")), QStringLiteral("--out"), out.path(),
            QStringLiteral("--lifetime"), QStringLiteral("300") });
    if (!server.waitForReadyRead(10000))
        return 1;
    const QByteArray ready = server.readLine().trimmed();
    const std::string host = "127.0.0.1:" + ready.mid(6).toStdString();

    BiLogger logger;
    if (!logger.init(store.path().toStdString(), "com.kelt.nova.setup",
            { "4C4C4544-0047-3010-8052-B4C04F4B4E32", "Microsoft Corporation", "10.0.19045", "en_US", "1.0.121.0" },
            { host, std::string(), certs.filePath(QStringLiteral("ca.pem")).toStdString() }))
        return 1;

    QElapsedTimer timer;
    timer.start();
    for (int n = 0; n < rows; ++n)
        logger.submit(pageRecord(n));
    const qint64 storeMs = qMax<qint64>(1, timer.elapsed());
    std::printf("stored:   %d rows in %lld ms = %.0f rows/s\n", rows, storeMs, rows * 1000.0 / storeMs);

    // The batches the upload will send, compressed both ways.
    LogStore reader;
    reader.open(store.path().toStdString());
    std::vector<StoredRow> pending = reader.oldest(BiLogger::DefaultEnvironment, rows);
    qint64 ours = 0, reference = 0, plain = 0;
    int batches = 0;
    for (size_t next = 0; next < pending.size(); ++batches) {
        const Batch batch = makeBatch({ pending.begin() + long(next), pending.end() }, ServerConfig::DefaultPackageSize,
            ServerConfig::DefaultPackageLine);
        next += batch.ids.size();
        plain += qint64(batch.body.size());
        ours += qint64(gzip(batch.body).size());
        reference += gzip6Size(batch.body);
    }
    reader.close();

    timer.restart();
    int uploaded = 0;
    while (logger.rowCount() > 0) {
        const FlushReport report = logger.flush().get();
        if (report.sentRows == 0)
            break;
        uploaded += report.sentRows;
    }
    const qint64 uploadMs = qMax<qint64>(1, timer.elapsed());
    std::printf("uploaded: %d rows in %lld ms = %.0f rows/s\n", uploaded, uploadMs, uploaded * 1000.0 / uploadMs);
    std::printf("bodies:   %d batches, %lld bytes plain, %lld bytes as sent, %lld bytes by gzip -6 (%.4f)\n", batches,
        plain, ours, reference, double(ours) / double(reference));

    logger.shutdown();
    server.kill();
    server.waitForFinished(5000);
    return 0;
}
