#include "BiServer.h"
#include "SandboxMachine.h"

#include <QElapsedTimer>
#include <QHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int Runs = 50;

} // namespace

// A process that stores and flushes records is killed with SIGKILL at random moments;
// the store must stay intact and every record it reported stored must reach the server.
class TestBiCrash : public QObject {
    Q_OBJECT

private slots:
    void killedWhileStoringAndFlushing()
    {
        BiServer server;
        QVERIFY(server.start({ QStringLiteral("--config"), QStringLiteral(R"({"package_line":15})") }));
        QTemporaryDir store;
        const QString helper = builtProgram(QStringLiteral("bi-crash-helper"));
        QSet<QString> stored;
        long next = 0;
        for (int run = 0; run < Runs; ++run) {
            QProcess process;
            QVERIFY(startAndWaitForLine(process, helper,
                { QStringLiteral("store"), store.path(), server.host(), BiServer::caFile(), QString::number(next) },
                "READY"));
            // The kill moment: a random time while the helper stores and flushes.
            QElapsedTimer timer;
            timer.start();
            const int killAfterMs = QRandomGenerator::global()->bounded(5, 120);
            while (timer.elapsed() < killAfterMs)
                process.waitForReadyRead(int(qMax<qint64>(1, killAfterMs - timer.elapsed())));
            process.kill();
            QVERIFY(process.waitForFinished(10000));
            for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
                if (line.startsWith("stored ")) {
                    stored.insert(QString::fromLatin1(line.mid(7)));
                    next = qMax(next, line.mid(7).toLong() + 1);
                }
            }
            QCOMPARE(storeQuery(store.path(), QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
        }

        QProcess drain;
        QVERIFY(startAndWaitForLine(
            drain, helper, { QStringLiteral("drain"), store.path(), server.host(), BiServer::caFile() }, "READY"));
        QVERIFY(drain.waitForFinished(120000));
        QVERIFY(drain.readAllStandardOutput().contains("DRAINED"));

        QHash<QString, int> received;
        for (const QString &a0 : server.receivedA0())
            ++received[a0];
        QStringList lost;
        int duplicates = 0;
        for (const QString &n : qAsConst(stored)) {
            if (!received.contains(n))
                lost.append(n);
            duplicates += qMax(0, received.value(n) - 1);
        }
        qInfo("%d runs, %d records stored, %d received, %d delivered twice or more", Runs, int(stored.size()),
            int(received.size()), duplicates);
        QVERIFY2(lost.isEmpty(), qPrintable(QStringLiteral("lost: ") + lost.join(QLatin1Char(' '))));
        QVERIFY(stored.size() > Runs);
    }
};

QTEST_GUILESS_MAIN(TestBiCrash)
#include "tst_bicrash.moc"
