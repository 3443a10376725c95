#include "LogCapture.h"
#include "LoopbackHttpServer.h"

#include "checks/WebLoader.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
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
const QString CanceledLine = QStringLiteral("[WebLoader] Json file download failed, error: OperationCanceledError");
const int StallMs = DownloadLimits().stallMs;

// Answers each request at once with fixed bytes and closes: for the answers the shared
// server does not make, such as a body without a declared length.
class RawHttpServer {
public:
    explicit RawHttpServer(const QByteArray &answer)
    {
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this, answer] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, answer] {
                    if (!socket->peek(socket->bytesAvailable()).contains("\r\n\r\n"))
                        return;
                    socket->readAll();
                    socket->write(answer);
                    socket->disconnectFromHost();
                });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    bool listen() { return m_server.listen(QHostAddress::LocalHost); }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1/comp.json").arg(m_server.serverPort()); }

private:
    QTcpServer m_server;
};

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
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("saveName");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("lines"); // {path} stands for the target path
        QTest::addColumn<QString>("warning"); // how the only warning starts; empty: none
        const QByteArray list = "{\"Version\":\"2\"}";
        const QString file = QStringLiteral("comp.json");
        QTest::newRow("good answer overwrites")
            << 200 << list << file << true << list
            << QStringList { QStringLiteral("[WebLoader] Total size: 15, current download size: 15"),
                   QStringLiteral("[WebLoader] Json file downloaded successfully, saved to {path}") }
            << QString();
        QTest::newRow("404 leaves the old file")
            << 404 << list << file << false << QByteArray("old") << QStringList()
            << QStringLiteral("[WebLoader] Json file download failed, error: ContentNotFoundError");
        QTest::newRow("unwritable target fails")
            << 200 << list << QStringLiteral("missing/comp.json") << false << QByteArray("old")
            << QStringList { QStringLiteral("[WebLoader] Total size: 15, current download size: 15") }
            << QStringLiteral("[WebLoader] Failed to save json file to");
        // Qt ends a redirect it does not follow without an error.
        for (int status : { 301, 302 }) {
            QTest::addRow("%d leaves the old file", status)
                << status << QByteArray("<html>Moved</html>") << file << false << QByteArray("old") << QStringList()
                << QStringLiteral("[WebLoader] Json file download failed, HTTP status: %1").arg(status);
        }
        for (int status : { 200, 204 }) {
            QTest::addRow("%d without a body leaves the old file", status)
                << status << QByteArray() << file << false << QByteArray("old") << QStringList()
                << QStringLiteral("[WebLoader] Json file download failed, empty body");
        }
    }
    void answers()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, saveName);
        QFETCH(bool, result);
        QFETCH(QByteArray, content);
        QFETCH(QStringList, lines);
        QFETCH(QString, warning);
        m_server.answer(status, body);
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
        const QStringList warnings = log.lines(QtWarningMsg);
        QVERIFY2(warning.isEmpty() ? warnings.isEmpty() : warnings.size() == 1 && warnings.first().startsWith(warning),
            qPrintable(warnings.join(QLatin1Char('\n'))));
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
        QVERIFY2(clock.elapsed() >= StallMs * 9 / 10 && clock.elapsed() < 2 * StallMs,
            qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(downloaded.at(0).at(0).toBool(), false);
        QCOMPARE(log.startingWith(QStringLiteral("[WebLoader] m_")),
            QStringList { QStringLiteral("[WebLoader] m_LastDownSize: 0, m_FileDownSize: 0") });
        QVERIFY(log.contains(AbortLine));
        QVERIFY(log.contains(CanceledLine));
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

    // Past the cap the transfer ends at once, whether the length was declared or not.
    void sizeCap_data()
    {
        QTest::addColumn<bool>("declared"); // a Content-Length comes with the body
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("intervalMs"); // between the bytes of a declared body; 0: at once
        QTest::addColumn<bool>("result");
        QTest::newRow("declared, at the cap") << true << 64 << 0 << true;
        // Its first byte would come after the test's time limit.
        QTest::newRow("declared, above the cap") << true << 65 << 2000 << false;
        QTest::newRow("undeclared, at the cap") << false << 64 << 0 << true;
        QTest::newRow("undeclared, above the cap") << false << 65 << 0 << false;
    }
    void sizeCap()
    {
        QFETCH(bool, declared);
        QFETCH(int, size);
        QFETCH(int, intervalMs);
        QFETCH(bool, result);
        const QByteArray body(size, 'x');
        RawHttpServer raw("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + body);
        QVERIFY(raw.listen());
        if (intervalMs > 0)
            m_server.trickle(body, intervalMs);
        else
            m_server.answer(200, body);
        LogCapture log;
        WebLoader loader({ 5000, 5000, 64 });
        QSignalSpy downloaded(&loader, &WebLoader::downloaded);
        QElapsedTimer clock;
        clock.start();
        loader.download(declared ? m_server.url(QStringLiteral("/comp.json")) : raw.url(), m_path);
        QVERIFY(downloaded.wait(10000));
        QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(downloaded.count(), 1);
        QCOMPARE(downloaded.at(0).at(0).toBool(), result);
        QCOMPARE(readFile(m_path), result ? body : QByteArray("old"));
        const QStringList failed { QStringLiteral("[WebLoader] Download is larger than 64 bytes, abort request!!!") };
        QCOMPARE(log.lines(QtWarningMsg), result ? QStringList() : failed);
    }

    void steadyTrickleEndsAtTheOverallLimit()
    {
        m_server.trickle(QByteArray(20, 'x'), 400); // eight seconds in all, a byte in every period
        LogCapture log;
        WebLoader loader({ 1000, 1500, DownloadLimits().maxBytes });
        QSignalSpy downloaded(&loader, &WebLoader::downloaded);
        QElapsedTimer clock;
        clock.start();
        loader.download(m_server.url(QStringLiteral("/comp.json")), m_path);
        QVERIFY(downloaded.wait(10000));
        QVERIFY2(clock.elapsed() >= 1400 && clock.elapsed() < 4000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(downloaded.count(), 1);
        QCOMPARE(downloaded.at(0).at(0).toBool(), false);
        QCOMPARE(readFile(m_path), QByteArray("old"));
        QCOMPARE(log.lines(QtWarningMsg),
            (QStringList {
                QStringLiteral("[WebLoader] Download took longer than 1.5 s, abort request!!!"), CanceledLine }));
        // The watchdog ran alongside and saw bytes arrive.
        QVERIFY(!log.startingWith(QStringLiteral("[WebLoader] m_LastDownSize: 0, m_FileDownSize: ")).isEmpty());
        QVERIFY(!log.contains(AbortLine));
    }

private:
    LoopbackHttpServer m_server;
    QTemporaryDir m_dir;
    QString m_path;
};

QTEST_GUILESS_MAIN(TestWebLoader)
#include "tst_webloader.moc"
