#include "LogCapture.h"

#include "install/SizeProgress.h"

#include <QTest>

class TestSizeProgress : public QObject {
    Q_OBJECT

private slots:
    void sizeTextReadsCurrentAndTotal_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("result");
        QTest::addColumn<qint64>("current");
        QTest::addColumn<qint64>("total");
        QTest::newRow("sizes") << "1048576/2097152" << int(SizeText::Ok) << 1048576LL << 2097152LL;
        QTest::newRow("beyond 32 bits") << "4294967296/8589934592" << int(SizeText::Ok) << 4294967296LL << 8589934592LL;
        QTest::newRow("letters are 0") << "abc/5" << int(SizeText::Ok) << 0LL << 5LL;
        QTest::newRow("empty parts") << "/" << int(SizeText::Ok) << 0LL << 0LL;
        QTest::newRow("nothing") << "" << int(SizeText::Empty) << -1LL << -1LL;
        QTest::newRow("no slash") << "12" << int(SizeText::Malformed) << -1LL << -1LL;
        QTest::newRow("two slashes") << "1/2/3" << int(SizeText::Malformed) << -1LL << -1LL;
    }
    void sizeTextReadsCurrentAndTotal()
    {
        QFETCH(QString, text);
        QFETCH(int, result);
        QFETCH(qint64, current);
        QFETCH(qint64, total);
        qint64 readCurrent = -1;
        qint64 readTotal = -1;
        QCOMPARE(int(parseSizeText(text, &readCurrent, &readTotal)), result);
        QCOMPARE(readCurrent, current);
        QCOMPARE(readTotal, total);
    }

    // Reports are "current@ms" in MiB against a total of 100 MiB; the last one is checked.
    void speedComesFromTheNewestSamples_data()
    {
        QTest::addColumn<QString>("reports");
        QTest::addColumn<bool>("measured");
        QTest::addColumn<double>("speed");
        QTest::addColumn<QStringList>("lastLines");
        const QString notEnough = QStringLiteral("[NovaParser] Yet no enough timing data. Cannot calculate speed.");
        QTest::newRow("first report") << "1@0" << false << 0.0 << QStringList { notEnough };
        QTest::newRow("one MiB per second")
            << "1@0 2@1000" << true << 1.0
            << QStringList { QStringLiteral("[NovaParser] Speed 1.000000 MB/s, 1.0 MB/s") };
        QTest::newRow("same value twice")
            << "5@0 5@1000" << true << 0.0
            << QStringList { QStringLiteral("[NovaParser] Speed 0.000000 MB/s, 0.0 MB/s") };
        QTest::newRow("same time stamp")
            << "1@500 3@500" << true << 0.0
            << QStringList { QStringLiteral("[NovaParser] Timing overlapped. Cannot caluculate speed."),
                   QStringLiteral("[NovaParser] Speed 0.000000 MB/s, 0.0 MB/s") };
        QTest::newRow("falling value empties the queue")
            << "1@0 50@1000 10@2000" << false << 0.0
            << QStringList { QStringLiteral("[NovaParser] Current size falls befind previous size. Clean queue."),
                   notEnough };
        QTest::newRow("after falling back")
            << "1@0 50@1000 10@2000 12@3000" << true << 2.0
            << QStringList { QStringLiteral("[NovaParser] Speed 2.000000 MB/s, 2.0 MB/s") };
        QTest::newRow("six samples at most")
            << "0@0 10@1000 11@2000 12@3000 13@4000 14@5000 15@6000" << true << 1.0
            << QStringList { QStringLiteral("[NovaParser] Speed 1.000000 MB/s, 1.0 MB/s") };
        QTest::newRow("complete") << "1@0 100@1000" << false << 0.0 << QStringList {};
    }
    void speedComesFromTheNewestSamples()
    {
        QFETCH(QString, reports);
        QFETCH(bool, measured);
        QFETCH(double, speed);
        QFETCH(QStringList, lastLines);
        constexpr qint64 MiB = 1024 * 1024;
        SizeProgress progress;
        SizeProgress::Update update;
        const QStringList list = reports.split(QLatin1Char(' '));
        for (const QString &report : list) {
            LogCapture log;
            const qint64 current = report.section(QLatin1Char('@'), 0, 0).toLongLong() * MiB;
            update = progress.add(current, 100 * MiB, report.section(QLatin1Char('@'), 1).toLongLong());
            if (&report == &list.last())
                QCOMPARE(log.lines(), lastLines);
        }
        QCOMPARE(update.speedMeasured, measured);
        QCOMPARE(update.speedMBps, speed);
        QCOMPARE(update.complete, progress.currentMB() >= 100.0);
        QCOMPARE(update.leftBytes, update.complete ? 0 : qint64((100.0 - progress.currentMB()) * MiB));
        QCOMPARE(progress.totalMB(), 100.0);
    }
};

QTEST_GUILESS_MAIN(TestSizeProgress)
#include "tst_sizeprogress.moc"
