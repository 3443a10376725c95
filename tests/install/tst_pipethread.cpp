#include "LogCapture.h"
#include "PipeRun.h"
#include "SandboxMachine.h"

#include "install/CAsyncNamedPipe.h"
#include "install/MessageParser.h"
#include "platform/NamedPipe.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QSemaphore>
#include <QTest>

#include <atomic>
#include <cerrno>
#include <memory>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// What the parsers of a test were given; a held inbox makes parsing wait for release.
struct Inbox {
    QMutex mutex;
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
        QMutexLocker lock(&m_inbox->mutex);
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
