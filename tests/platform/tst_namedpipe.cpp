#include "SandboxMachine.h"

#include "platform/Machine.h"
#include "platform/NamedPipe.h"

#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include <csignal>
#include <memory>
#include <mutex>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using platform::NamedPipeClient;
using platform::NamedPipeServer;

Q_DECLARE_METATYPE(NamedPipeClient::Status)

namespace {

// Serves one pipe in a thread of this process: replies "OK" to each message, keeps
// the messages it read and counts the clients it dropped.
class ServerThread : public QThread {
public:
    explicit ServerThread(const QString &pipe, int readTimeoutMs = 2000)
        : m_server(pipe)
        , m_readTimeoutMs(readTimeoutMs)
    {
    }
    // Everything the thread did happens before the members go: the thread sanitizer
    // cannot see QThread::wait()'s own synchronisation inside the uninstrumented Qt
    // library, so the end of run() and this destructor meet in the lock as well.
    ~ServerThread() override
    {
        wait(10000);
        const std::lock_guard lock(m_mutex);
    }
    bool listen() { return m_server.listen(); }
    // Locked although read after wait(), for the same reason.
    QStringList messages() const
    {
        const std::lock_guard lock(m_mutex);
        return m_messages;
    }
    int dropped() const
    {
        const std::lock_guard lock(m_mutex);
        return m_dropped;
    }

protected:
    void run() override
    {
        serve();
        const std::lock_guard lock(m_mutex);
    }

private:
    void serve()
    {
        while (m_server.waitForClient()) {
            QByteArray message;
            if (!m_server.readMessage(&message, m_readTimeoutMs)) {
                const std::lock_guard lock(m_mutex);
                ++m_dropped;
                continue;
            }
            m_server.writeReply("OK");
            const QString text = platform::pipeMessageText(message);
            {
                const std::lock_guard lock(m_mutex);
                m_messages.append(text);
            }
            if (text == QLatin1String("PipeStop"))
                return;
        }
    }

    NamedPipeServer m_server;
    int m_readTimeoutMs;
    mutable std::mutex m_mutex;
    QStringList m_messages;
    int m_dropped = 0;
};

// The socket address that serves the pipe of a (lower-case) short name.
sockaddr_un socketAddress(const QString &shortName)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(platform::Machine::pipeFolder() + QLatin1Char('/') + shortName);
    qstrncpy(address.sun_path, path.constData(), sizeof(address.sun_path));
    return address;
}

int connectTo(int fd, const sockaddr_un &address)
{
    return ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address));
}

NamedPipeClient::Status send(const QString &pipe, const QByteArray &message, QByteArray *reply, int timeoutMs = 2000)
{
    return NamedPipeClient(pipe, timeoutMs).call(message, reply);
}

} // namespace

class TestNamedPipe : public QObject {
    Q_OBJECT

private slots:
    void init() { m_machine = std::make_unique<SandboxMachine>(); }
    void cleanup() { m_machine.reset(); }

    void everyConnectionOfAnotherProcessGetsItsReply()
    {
        QProcess server;
        QVERIFY(startAndWaitForLine(server, builtProgram(QStringLiteral("nova-pipe")),
            { QStringLiteral("serve"), QStringLiteral("many"), QStringLiteral("--count"), QStringLiteral("1000") },
            "listening"));
        int replies = 0;
        for (int i = 0; i < 1000; ++i) {
            QByteArray reply;
            if (send(QStringLiteral("\\\\.\\pipe\\many"), "message " + QByteArray::number(i), &reply)
                    == NamedPipeClient::Status::Ok
                && reply == "OK") {
                ++replies;
            }
        }
        QCOMPARE(replies, 1000);
        QVERIFY(server.waitForFinished(10000));
        const QList<QByteArray> lines = server.readAllStandardOutput().split('\n');
        QCOMPARE(lines.value(0), QByteArray("message 0"));
        QCOMPARE(lines.value(999), QByteArray("message 999"));
    }

    void secondServerOnANameInUseFailsCleanly()
    {
        QProcess first;
        QVERIFY(startAndWaitForLine(first, builtProgram(QStringLiteral("nova-pipe")),
            { QStringLiteral("serve"), QStringLiteral("Taken") }, "listening"));
        NamedPipeServer second(QStringLiteral("\\\\.\\pipe\\taken")); // names ignore case
        QVERIFY(!second.listen());
        QCOMPARE(second.error(), platform::PipeError::NameInUse);
        QCOMPARE(second.systemError(), EADDRINUSE);
        QVERIFY(second.errorString().contains(QLatin1String("another process")));

        QByteArray reply; // the first server is unharmed
        QCOMPARE(send(QStringLiteral("taken"), "still there", &reply), NamedPipeClient::Status::Ok);
        first.kill();
        first.waitForFinished();
    }

    void staleSocketOfAKilledServerIsReplaced()
    {
        QProcess dead;
        QVERIFY(startAndWaitForLine(dead, builtProgram(QStringLiteral("nova-pipe")),
            { QStringLiteral("serve"), QStringLiteral("stale") }, "listening"));
        ::kill(pid_t(dead.processId()), SIGKILL);
        QVERIFY(dead.waitForFinished());
        QVERIFY(QFile::exists(m_machine->path(QStringLiteral("pipes/stale"))));

        QByteArray reply; // nobody listens on the stale socket: a missing pipe
        QCOMPARE(send(QStringLiteral("stale"), "hello", &reply), NamedPipeClient::Status::OpenFailed);

        ServerThread server(QStringLiteral("stale"));
        QVERIFY(server.listen());
        server.start();
        QCOMPARE(send(QStringLiteral("stale"), "PipeStop", &reply), NamedPipeClient::Status::Ok);
        QCOMPARE(reply, QByteArray("OK"));
        QVERIFY(server.wait(5000));
    }

    void clientToAMissingPipeFailsWithinItsTimeout()
    {
        QElapsedTimer timer;
        timer.start();
        QByteArray reply;
        QCOMPARE(send(QStringLiteral("nobody_here"), "hello", &reply, 500), NamedPipeClient::Status::OpenFailed);
        QVERIFY(timer.elapsed() < 500);
        QVERIFY(reply.isEmpty());
    }

    void serverThatNeverRepliesTimesTheClientOut()
    {
        NamedPipeServer mute(QStringLiteral("mute"));
        QVERIFY(mute.listen());
        QElapsedTimer timer;
        timer.start();
        QByteArray reply;
        QCOMPARE(send(QStringLiteral("mute"), "anyone?", &reply, 200), NamedPipeClient::Status::ReadTimeout);
        QVERIFY(timer.elapsed() >= 150);
        QVERIFY(timer.elapsed() < 3000);
    }

    // One limit covers the whole call: a pipe that stays busy, or one that is busy for
    // most of the limit and then never answers, ends the call within it.
    void oneLimitCoversEveryStepOfACall_data()
    {
        QTest::addColumn<int>("busyMs"); // how long the pipe stays busy; -1: for good
        QTest::addColumn<NamedPipeClient::Status>("status");
        QTest::newRow("stays busy") << -1 << NamedPipeClient::Status::BusyTimeout;
        QTest::newRow("busy, then silent") << 2500 << NamedPipeClient::Status::ReadTimeout;
    }
    void oneLimitCoversEveryStepOfACall()
    {
        QFETCH(int, busyMs);
        QFETCH(NamedPipeClient::Status, status);
        constexpr int LimitMs = 3000;
        // A server with room for one waiting client, taken by one it leaves waiting
        // for busyMs; it never answers anybody.
        QVERIFY(platform::Machine::prepareObjectFolder(platform::Machine::pipeFolder()));
        const sockaddr_un address = socketAddress(QStringLiteral("busy"));
        const int listener = ::socket(AF_UNIX, SOCK_SEQPACKET, 0);
        QCOMPARE(::bind(listener, reinterpret_cast<const sockaddr *>(&address), sizeof(address)), 0);
        QCOMPARE(::listen(listener, 0), 0);
        const int first = ::socket(AF_UNIX, SOCK_SEQPACKET, 0);
        QCOMPARE(connectTo(first, address), 0);
        QThread *server = QThread::create([listener, busyMs] {
            if (busyMs >= 0) {
                QThread::msleep(ulong(busyMs));
                ::close(::accept(listener, nullptr, nullptr));
            }
        });
        server->start();

        QElapsedTimer timer;
        timer.start();
        QByteArray reply;
        QCOMPARE(send(QStringLiteral("busy"), "anyone?", &reply, LimitMs), status);
        const qint64 elapsed = timer.elapsed();
        QVERIFY2(elapsed >= LimitMs - 100 && elapsed < LimitMs + 2000, qPrintable(QString::number(elapsed)));
        QVERIFY(server->wait(10000));
        delete server;
        ::close(first);
        ::close(listener);
    }

    void clientsThatSendNothingAreDroppedWithoutAReply()
    {
        ServerThread server(QStringLiteral("quiet"), 200);
        QVERIFY(server.listen());
        server.start();

        QByteArray reply; // an empty message: the server drops the connection
        QCOMPARE(send(QStringLiteral("quiet"), QByteArray(), &reply), NamedPipeClient::Status::ReadFailed);
        QVERIFY(reply.isEmpty());

        // A client that connects and stays silent is dropped after the read limit,
        // and the next client is served while it still holds its connection.
        const int silent = ::socket(AF_UNIX, SOCK_SEQPACKET, 0);
        QCOMPARE(connectTo(silent, socketAddress(QStringLiteral("quiet"))), 0);

        QCOMPARE(send(QStringLiteral("quiet"), "PipeStop", &reply), NamedPipeClient::Status::Ok);
        QCOMPARE(reply, QByteArray("OK"));
        QVERIFY(server.wait(5000));
        ::close(silent);
        QCOMPARE(server.dropped(), 2);
        QCOMPARE(server.messages(), QStringList { QStringLiteral("PipeStop") });
    }

    void oversizedMessagesAndRepliesFail()
    {
        NamedPipeServer server(QStringLiteral("big"));
        QVERIFY(server.listen());
        QThread *client = QThread::create([] {
            QByteArray reply;
            NamedPipeClient(QStringLiteral("big"), 2000)
                .call(QByteArray(NamedPipeServer::MaxMessageSize + 1, 'x'), &reply);
        });
        client->start();
        QVERIFY(server.waitForClient(5000));
        QByteArray message;
        QVERIFY(!server.readMessage(&message, 2000));
        QCOMPARE(server.error(), platform::PipeError::TooLarge);
        QCOMPARE(server.systemError(), EMSGSIZE);
        client->wait();
        delete client;

        QThread *replier = QThread::create([&server] {
            QByteArray message;
            if (server.waitForClient(5000) && server.readMessage(&message, 2000))
                server.writeReply(QByteArray(NamedPipeClient::MaxReplySize + 1, 'y'));
        });
        replier->start();
        QByteArray reply;
        NamedPipeClient bigReply(QStringLiteral("big"), 2000);
        QCOMPARE(bigReply.call("hello", &reply), NamedPipeClient::Status::ReadFailed);
        QCOMPARE(bigReply.error(), platform::PipeError::TooLarge);
        QCOMPARE(bigReply.systemError(), EMSGSIZE);
        replier->wait();
        delete replier;
    }

    void messageTextEndsAtTheFirstNul_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << QByteArray("Size:1/2") << QStringLiteral("Size:1/2");
        QTest::newRow("nul-terminated") << QByteArray("DONE\0garbage", 12) << QStringLiteral("DONE");
        QTest::newRow("leading nul") << QByteArray("\0x", 2) << QString();
        QTest::newRow("utf-8") << QByteArray("Gr\xc3\xbc\xc3\x9f") << QString::fromUtf8("Grüß");
    }
    void messageTextEndsAtTheFirstNul()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(platform::pipeMessageText(bytes), text);
    }

    void shortNameDropsThePipePrefix()
    {
        QCOMPARE(platform::pipeShortName(QStringLiteral("\\\\.\\pipe\\bgi_pipe")), QStringLiteral("bgi_pipe"));
        QCOMPARE(platform::pipeShortName(QStringLiteral("\\\\.\\PIPE\\Guide")), QStringLiteral("Guide"));
        QCOMPARE(platform::pipeShortName(QStringLiteral("updater_pipe")), QStringLiteral("updater_pipe"));
    }

private:
    std::unique_ptr<SandboxMachine> m_machine;
};

QTEST_GUILESS_MAIN(TestNamedPipe)
#include "tst_namedpipe.moc"
