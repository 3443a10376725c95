#include "install/PipeThreadWin.h"

#include "install/MessageParser.h"
#include "platform/NamedPipe.h"

#include <QDeadlineTimer>

namespace {

const QLatin1String StopMessage("PipeStop");
// How long the idle thread waits for a client before it looks whether it should end.
constexpr int AcceptSliceMs = 200;
// A connected client has this long to write its message before it is dropped.
constexpr int ReadLimitMs = 3000;
// Pause after a failed connect, so that a lasting failure does not spin.
constexpr int ConnectRetryMs = 100;
// The "PipeStop" call of closePipe(), and how long it then waits for the thread.
constexpr int StopCallTimeoutMs = 5000;
constexpr int StopReplySize = 4096;
constexpr int StopWaitMs = 1000;
// Stop requests before closePipe() gives up, which bounds how long it blocks its
// caller (the user-interface thread) to about this many times the two limits above.
constexpr int MaxStopAttempts = 3;
// Longest possible turn of the loop (a silent client) plus a margin.
constexpr int DestroyWaitMs = ReadLimitMs + 5000;
// A retry starts its run at once, while the previous run's server of the same pipe may
// still be closing: the new server waits this long for the name.
constexpr int NameWaitMs = 3000;
constexpr int NameRetryMs = 20;

} // namespace

PipeThreadWin::PipeThreadWin(const QString &pipePath, MessageParser *parser, QObject *parent)
    : QThread(parent)
    , m_pipePath(pipePath)
    , m_parser(parser)
{
}

PipeThreadWin::~PipeThreadWin()
{
    requestInterruption();
    wait(DestroyWaitMs);
}

QString PipeThreadWin::pathFor(const QString &shortName)
{
    return platform::pipePath(shortName);
}

void PipeThreadWin::deleteWhenFinished()
{
    if (auto *parserObject = dynamic_cast<QObject *>(m_parser))
        connect(this, &QThread::finished, parserObject, &QObject::deleteLater);
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

bool PipeThreadWin::closePipe()
{
    if (!m_running) {
        // Stopped already, or still creating its pipe: then it ends right after.
        requestInterruption();
        return true;
    }
    for (int attempt = 0; m_running; ++attempt) {
        if (attempt == MaxStopAttempts) {
            // Something else answers on our pipe while the thread still serves: the
            // thread is asked to end by itself the next time it looks.
            qWarning("[PipeThread] Pipe %s still serves after %d stop requests, giving up", qUtf8Printable(m_pipePath),
                MaxStopAttempts);
            requestInterruption();
            return false;
        }
        QByteArray reply;
        platform::NamedPipeClient stopper(m_pipePath, StopCallTimeoutMs);
        const auto status = stopper.call(StopMessage.latin1(), &reply, StopReplySize);
        // A thread that ended between the check and the call also refuses the call.
        if (status != platform::NamedPipeClient::Status::Ok && m_running) {
            qDebug("[PipeThreadWin]ClosePipeIO() Send pipe Stop fail");
            return false;
        }
        wait(StopWaitMs);
    }
    return true;
}

void PipeThreadWin::run()
{
    qDebug("PipeThreadWin started: %s", qUtf8Printable(m_pipePath));
    qDebug("[PipeThreadWin] Creating named pipe %s", qUtf8Printable(m_pipePath));
    platform::NamedPipeServer server(m_pipePath);
    const QDeadlineTimer nameDeadline(NameWaitMs);
    bool listening = server.listen();
    while (!listening && server.error() == platform::PipeError::NameInUse && !nameDeadline.hasExpired()
        && !isInterruptionRequested()) {
        msleep(NameRetryMs);
        listening = server.listen();
    }
    if (!listening) {
        qWarning("[PipeThread] Create named pipe %s error: 0x%08x", qUtf8Printable(m_pipePath),
            unsigned(server.systemError()));
        return;
    }
    m_running = true;
    bool stop = false;
    while (!stop && !isInterruptionRequested()) {
        if (!waitForClient(server))
            continue;
        // A client that closes without writing, or stays silent, is dropped unanswered.
        QByteArray message;
        if (server.readMessage(&message, ReadLimitMs)) {
            server.writeReply(QByteArrayLiteral("OK"));
            stop = handleMessage(platform::pipeMessageText(message));
        }
        server.disconnectClient();
    }
    // Cleared before the pipe goes away: closePipe() then takes a refused call for a stop.
    m_running = false;
    server.close();
    qDebug("[PipeThreadWin] Close named pipe %s", qUtf8Printable(m_pipePath));
    qDebug("[PipeThreadWin] Leaving named pipe thread %s", qUtf8Printable(m_pipePath));
}

bool PipeThreadWin::waitForClient(platform::NamedPipeServer &server)
{
    if (server.waitForClient(AcceptSliceMs))
        return true;
    if (server.error() != platform::PipeError::TimedOut) {
        qWarning("[PipeThread] Connect named pipe %s error: 0x%08x", qUtf8Printable(m_pipePath),
            unsigned(server.systemError()));
        msleep(ConnectRetryMs);
    }
    return false;
}

bool PipeThreadWin::handleMessage(const QString &message)
{
    if (message == StopMessage) {
        qDebug("[PipeThreadWin] Pipe Stop!");
        return true;
    }
    if (!m_parser) {
        qDebug("[PipeThreadWin] Error! Parser object is null");
        return true;
    }
    return m_parser->parseMessage(message);
}
