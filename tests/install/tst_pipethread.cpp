#include "LogCapture.h"
#include "PipeRun.h"
#include "SandboxMachine.h"

#include "install/CAsyncNamedPipe.h"
#include "install/MessageParser.h"
#include "platform/NamedPipe.h"

#include <QElapsedTimer>
#include <QSemaphore>
#include <QTest>

#include <atomic>
#include <cerrno>
#include <memory>
#include <mutex>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// What the parsers of a test were given; a held inbox makes parsing wait for release.
struct Inbox {
    std::mutex mutex;
    QStringList messages;
    std::atomic<bool> hold { false };
    QSemaphore entered;
    QSemaphore release;
};

// Keeps its messages in an inbox that outlives it; "stop" ends the conversation.
class InboxParser : public QObject, public MessageParser {
public:
    explicit InboxParser(Inbox *inbox)
        : m_inbox(inbox)
    {
    }
    bool parseMessage(const QString &message) override
    {
        if (m_inbox->hold) {
            m_inbox->entered.release();
            m_inbox->release.acquire();
        }
        const std::lock_guard lock(m_inbox->mutex);
        m_inbox->messages.append(message);
        return message == QLatin1String("stop");
    }

private:
    Inbox *m_inbox;
};

QString testPipe()
{
    return PipeThreadWin::pathFor(PipeRun::DefaultName);
}

// Takes over the socket of the test pipe from the thread that serves it and answers
// "OK" to every message, up to a number of them; then it refuses further calls.
class Impostor {
public:
    Impostor(const QString &socketPath, int answers)
    {
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(socketPath);
        qstrncpy(address.sun_path, path.constData(), sizeof(address.sun_path));
        ::unlink(address.sun_path);
        m_fd = ::socket(AF_UNIX, SOCK_SEQPACKET, 0);
        m_listening
            = ::bind(m_fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0 && ::listen(m_fd, 16) == 0;
        m_thread.reset(QThread::create([this, answers] { answer(answers); }));
        m_thread->start();
    }
    ~Impostor()
    {
        m_stop = true;
        m_thread->wait();
        ::close(m_fd);
    }
    bool isListening() const { return m_listening; }
    int answered() const { return m_answered; }

private:
    void answer(int answers)
    {
        while (!m_stop && m_answered < answers) {
            pollfd entry { m_fd, POLLIN, 0 };
            if (::poll(&entry, 1, 50) <= 0)
                continue;
            const int client = ::accept(m_fd, nullptr, nullptr);
            char message[4096];
            if (::recv(client, message, sizeof(message), 0) > 0 && ::send(client, "OK", 2, MSG_NOSIGNAL) == 2)
                ++m_answered;
            ::close(client);
        }
        ::shutdown(m_fd, SHUT_RDWR);
    }

    int m_fd = -1;
    bool m_listening = false;
    std::atomic<bool> m_stop { false };
    std::atomic<int> m_answered { 0 };
    std::unique_ptr<QThread> m_thread;
};

} // namespace

class TestPipeThread : public QObject {
    Q_OBJECT

private slots:
    void init() { m_machine = std::make_unique<SandboxMachine>(); }
    void cleanup() { m_machine.reset(); }

    void servesOneMessagePerConnectionUntilTheParserStops()
    {
        LogCapture log;
        Inbox inbox;
        PipeRun run(new InboxParser(&inbox));
        QVERIFY(run.start());
        QCOMPARE(run.send(QStringLiteral("first")), QStringLiteral("OK"));
        QCOMPARE(run.send(QString::fromUtf8("Gr\xc3\xbc\xc3\x9f")), QStringLiteral("OK"));
        QCOMPARE(run.send(QStringLiteral("stop")), QStringLiteral("OK"));
        QVERIFY(run.waitUntilGone()); // thread and parser deleted
        QCOMPARE(inbox.messages,
            (QStringList { QStringLiteral("first"), QString::fromUtf8("Gr\xc3\xbc\xc3\x9f"), QStringLiteral("stop") }));
        QCOMPARE(log.startingWith(QStringLiteral("[PipeThreadWin]")),
            (QStringList { QStringLiteral("[PipeThreadWin] Creating named pipe ") + testPipe(),
                QStringLiteral("[PipeThreadWin] Close named pipe ") + testPipe(),
                QStringLiteral("[PipeThreadWin] Leaving named pipe thread ") + testPipe() }));
        QVERIFY(log.contains(QStringLiteral("PipeThreadWin started: ") + testPipe()));
        QCOMPARE(log.startingWith(QStringLiteral("[AsyncNamedPipe]")).mid(0, 4),
            (QStringList { QStringLiteral("[AsyncNamedPipe] CAsyncNamedPipe::CAsyncNamedPipe() m_strPipeName = ")
                    + testPipe() + QStringLiteral(", m_nTimeout = 5000"),
                QStringLiteral("[AsyncNamedPipe] Sending message first"),
                QStringLiteral("[AsyncNamedPipe] Received message OK"),
                QStringLiteral("[AsyncNamedPipe] CAsyncNamedPipe::~CAsyncNamedPipe()") }));

        log.clear(); // the pipe is gone
        QCOMPARE(run.send(QStringLiteral("late")), QStringLiteral("<failed>"));
        QVERIFY(log.contains(QStringLiteral("Could not open pipe")));
        QVERIFY(log.contains(QStringLiteral("[AsyncNamedPipe] CAsyncNamedPipe::CallNamedPipeW() connect fail")));
    }

    void pipeStopIsAnsweredAndNeverParsed()
    {
        LogCapture log;
        Inbox inbox;
        PipeRun run(new InboxParser(&inbox));
        QVERIFY(run.start());
        QCOMPARE(run.send(QStringLiteral("PipeStop")), QStringLiteral("OK"));
        QVERIFY(run.waitUntilGone());
        QVERIFY(inbox.messages.isEmpty());
        QVERIFY(log.contains(QStringLiteral("[PipeThreadWin] Pipe Stop!")));
    }

    void aThreadWithoutParserStopsAtTheFirstMessage()
    {
        LogCapture log;
        PipeThreadWin thread(testPipe(), nullptr);
        thread.start();
        QVERIFY(QTest::qWaitFor([&thread] { return thread.isServing(); }, 10000));
        QString reply;
        QVERIFY(CAsyncNamedPipe(testPipe(), 2000).CallNamedPipeW(QStringLiteral("hello"), reply));
        QCOMPARE(reply, QStringLiteral("OK"));
        QVERIFY(thread.wait(10000));
        QVERIFY(log.contains(QStringLiteral("[PipeThreadWin] Error! Parser object is null")));
    }

    void theReplyComesBeforeParsingAndABusyThreadRefusesToStop()
    {
        Inbox inbox;
        inbox.hold = true;
        PipeRun run(new InboxParser(&inbox));
        QVERIFY(run.start());
        QCOMPARE(run.send(QStringLiteral("slow")), QStringLiteral("OK"));
        QVERIFY(inbox.entered.tryAcquire(1, 10000)); // answered while parsing still waits

        LogCapture log; // "PipeStop" times out while the parser holds the thread
        QVERIFY(!run.thread()->closePipe());
        QVERIFY(log.contains(QStringLiteral("[PipeThreadWin]ClosePipeIO() Send pipe Stop fail")));
        inbox.hold = false;
        inbox.release.release();
        QVERIFY(run.thread()->closePipe());
        QVERIFY(run.waitUntilGone());
    }

    void emptyAndSilentClientsAreDroppedAndTheNextIsServed()
    {
        Inbox inbox;
        PipeRun run(new InboxParser(&inbox));
        QVERIFY(run.start());
        LogCapture log;
        QCOMPARE(run.send(QString()), QStringLiteral("<failed>")); // no reply to an empty message
        QVERIFY(log.contains(QStringLiteral("[AsyncNamedPipe] CAsyncNamedPipe::CallNamedPipeW() read file fail")));

        // A client that connects and never writes holds the server only up to its read limit.
        const int silent = ::socket(AF_UNIX, SOCK_SEQPACKET, 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(m_machine->path(QStringLiteral("pipes/") + PipeRun::DefaultName));
        qstrncpy(address.sun_path, path.constData(), sizeof(address.sun_path));
        QCOMPARE(::connect(silent, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
        QCOMPARE(run.send(QStringLiteral("next")), QStringLiteral("OK"));
        ::close(silent);

        QVERIFY(run.stopIfServing());
        QVERIFY(run.waitUntilGone());
        QCOMPARE(inbox.messages, QStringList { QStringLiteral("next") });
    }

    void closePipeEndsTheThreadWhateverItsState()
    {
        Inbox inbox;
        PipeRun serving(new InboxParser(&inbox));
        QVERIFY(serving.start());
        QElapsedTimer timer;
        timer.start();
        QVERIFY(serving.thread()->closePipe());
        QVERIFY(timer.elapsed() < 1000); // waits for the thread, not a fixed pause
        QVERIFY(serving.thread()->isFinished());
        QVERIFY(serving.thread()->closePipe()); // stopped already: at once
        QVERIFY(serving.waitUntilGone());

        PipeRun starting(new InboxParser(&inbox)); // asked before it has its pipe
        starting.thread()->start();
        QVERIFY(starting.thread()->closePipe());
        QVERIFY(starting.waitUntilGone());
    }

    void closePipeGivesUpWhenSomethingElseAnswersForTheThread()
    {
        Inbox inbox;
        PipeRun run(new InboxParser(&inbox));
        QVERIFY(run.start());
        // Every "PipeStop" is answered, but never reaches the thread, which goes on serving.
        Impostor impostor(m_machine->path(QStringLiteral("pipes/") + PipeRun::DefaultName), 10);
        QVERIFY(impostor.isListening());
        LogCapture log;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!run.thread()->closePipe());
        QCOMPARE(impostor.answered(), 3);
        QVERIFY(timer.elapsed() < 3 * 1000 + 5000);
        QCOMPARE(log.lines(QtWarningMsg),
            QStringList {
                QStringLiteral("[PipeThread] Pipe %1 still serves after 3 stop requests, giving up").arg(testPipe()) });
        QVERIFY(run.waitUntilGone()); // asked to end, the thread ends by itself
        QVERIFY(inbox.messages.isEmpty());
    }

    void aSecondServerOnANameInUseEndsAndLeavesTheFirstServing()
    {
        Inbox inbox;
        PipeRun first(new InboxParser(&inbox));
        QVERIFY(first.start());
        LogCapture log;
        PipeRun second(new InboxParser(&inbox));
        second.thread()->start();
        QVERIFY(second.waitUntilGone());
        QVERIFY(log.contains(QStringLiteral("[PipeThread] Create named pipe %1 error: %2")
                                 .arg(testPipe(), QString::asprintf("0x%08x", EADDRINUSE))));
        QVERIFY(first.stopIfServing());
        QVERIFY(first.waitUntilGone());
    }

    // A retry's server starts while the previous run's server of the pipe still closes:
    // it takes the name once that one has gone, and serves.
    void aServerStartedWhileThePreviousClosesTakesTheName()
    {
        Inbox inbox;
        PipeRun first(new InboxParser(&inbox));
        QVERIFY(first.start());
        LogCapture log;
        PipeRun second(new InboxParser(&inbox));
        second.thread()->start();
        QVERIFY(first.stopIfServing());
        QVERIFY(first.waitUntilGone());
        QVERIFY(QTest::qWaitFor([&] { return second.send(QStringLiteral("stop")) == QLatin1String("OK"); }, 5000));
        QVERIFY(second.waitUntilGone());
        QVERIFY(log.startingWith(QStringLiteral("[PipeThread] Create named pipe")).isEmpty());
    }

    void aClientGivesUpOnAServerThatNeverReplies()
    {
        platform::NamedPipeServer mute(testPipe());
        QVERIFY(mute.listen());
        LogCapture log;
        QString reply;
        QVERIFY(!CAsyncNamedPipe(testPipe(), 200).CallNamedPipeW(QStringLiteral("anyone?"), reply));
        QVERIFY(log.contains(QStringLiteral("[AsyncNamedPipe] CAsyncNamedPipe::CallNamedPipeW() wait read timeout")));
    }

private:
    std::unique_ptr<SandboxMachine> m_machine;
};

QTEST_GUILESS_MAIN(TestPipeThread)
#include "tst_pipethread.moc"
