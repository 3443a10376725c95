#include "LogCapture.h"
#include "LoopbackHttpServer.h"

#include "checks/WebLoader.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

const QString AbortLine = QStringLiteral("[WebLoader] Http url download request time out, and abort request!!!");

} // namespace

class TestWebLoader : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.listen());
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("comp.json"));
    }
    void init() { writeFile(m_path, "old"); }

    void answers_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("saveName");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("lines"); // {path} stands for the target path
        QTest::newRow("good answer overwrites")
            << 200 << QStringLiteral("comp.json") << true << QByteArray("{\"Version\":\"2\"}")
            << QStringList { QStringLiteral("[WebLoader] Total size: 15, current download size: 15"),
                   QStringLiteral("[WebLoader] Json file downloaded successfully, saved to {path}") };
        QTest::newRow("404 leaves the old file")
            << 404 << QStringLiteral("comp.json") << false << QByteArray("old")
            << QStringList { QStringLiteral("[WebLoader] Json file download failed, error: ContentNotFoundError") };
        QTest::newRow("unwritable target fails")
            << 200 << QStringLiteral("missing/comp.json") << false << QByteArray("old")
            << QStringList { QStringLiteral("[WebLoader] Total size: 15, current download size: 15") };
    }
    void answers()
    {
        QFETCH(int, status);
        QFETCH(QString, saveName);
        QFETCH(bool, result);
        QFETCH(QByteArray, content);
        QFETCH(QStringList, lines);
        m_server.answer(status, "{\"Version\":\"2\"}");
        const QString target = m_dir.filePath(saveName);
        LogCapture log;
        WebLoader loader;
        QSignalSpy downloaded(&loader, &WebLoader::downloaded);
        loader.download(m_server.url(QStringLiteral("/NovaCheckComp/comp.json")), target);
        QVERIFY(downloaded.wait(10000));
        QCOMPARE(downloaded.count(), 1);
        QCOMPARE(downloaded.at(0).at(0).toBool(), result);
        QCOMPARE(readFile(m_path), content);
        const QStringList expected = lines.replaceInStrings(QStringLiteral("{path}"), target);
        for (const QString &line : expected)
            QVERIFY2(log.contains(line), qPrintable(log.lines().join(QLatin1Char('\n'))));
        if (!result && status == 200)
            QVERIFY(
                log.lines(QtWarningMsg).value(0).startsWith(QStringLiteral("[WebLoader] Failed to save json file to")));
        QVERIFY(!log.contains(AbortLine));
    }

    void silentServerIsAbortedAfterOnePeriod()
    {
        m_server.stayQuiet();
        LogCapture log;
        WebLoader loader;
        QSignalSpy downloaded(&loader, &WebLoader::downloaded);
        QElapsedTimer clock;
        clock.start();
        loader.download(m_server.url(QStringLiteral("/comp.json")), m_path);
        QVERIFY(downloaded.wait(20000));
        // A coarse timer may fire up to 5 % early.
        QVERIFY2(clock.elapsed() >= WebLoader::WatchdogMs * 9 / 10 && clock.elapsed() < 2 * WebLoader::WatchdogMs,
            qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(downloaded.at(0).at(0).toBool(), false);
        QCOMPARE(log.startingWith(QStringLiteral("[WebLoader] m_")),
            QStringList { QStringLiteral("[WebLoader] m_LastDownSize: 0, m_FileDownSize: 0") });
        QVERIFY(log.contains(AbortLine));
        QVERIFY(log.contains(QStringLiteral("[WebLoader] Json file download failed, error: OperationCanceledError")));
        QCOMPARE(readFile(m_path), QByteArray("old"));
    }

    void slowTransferIsNeverAborted()
    {
        const QByteArray body = "[1234]\n";
        m_server.trickle(body, 3000); // seven bytes over 21 seconds
        LogCapture log;
        WebLoader loader;
        QSignalSpy downloaded(&loader, &WebLoader::downloaded);
        loader.download(m_server.url(QStringLiteral("/comp.json")), m_path);
        QVERIFY(downloaded.wait(40000));
        QCOMPARE(downloaded.at(0).at(0).toBool(), true);
        QCOMPARE(readFile(m_path), body);
        QVERIFY(!log.contains(AbortLine));
        QVERIFY(log.startingWith(QStringLiteral("[WebLoader] m_LastDownSize:")).size() >= 2);
    }

private:
    LoopbackHttpServer m_server;
    QTemporaryDir m_dir;
    QString m_path;
};

QTEST_GUILESS_MAIN(TestWebLoader)
#include "tst_webloader.moc"
