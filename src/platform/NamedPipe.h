#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Message-mode named pipes. "\\.\pipe\NAME" (or a bare NAME) names a pipe machine-wide;
// names compare ignoring case. Anyone on the machine may connect. One connection
// carries one message from the client and one reply from the server.

// The full path of a pipe: "bgi_pipe" gives "\\.\pipe\bgi_pipe".
QString pipePath(const QString &shortName);

// The short name of a pipe path: "\\.\pipe\bgi_pipe" gives "bgi_pipe".
QString pipeShortName(const QString &pipePath);

// A pipe message as text: the bytes up to the first NUL (or all of them), as UTF-8.
QString pipeMessageText(const QByteArray &message);

// Why a pipe operation failed, the same on every system.
enum class PipeError {
    None,
    NameInUse, // another live server holds the name
    NotFound, // nobody serves the name
    Busy, // the server accepted no further client in time
    TimedOut, // the other end did not act in time
    Closed, // the other end closed the connection without a message
    TooLarge, // a message or reply longer than the limit
    Failed, // any other failure of the system
};

class NamedPipeServer {
public:
    static constexpr int MaxMessageSize = 4096;

    explicit NamedPipeServer(const QString &pipePath);
    ~NamedPipeServer();
    NamedPipeServer(const NamedPipeServer &) = delete;
    NamedPipeServer &operator=(const NamedPipeServer &) = delete;

    // Creates the pipe. Fails with NameInUse when another live server holds the name;
    // a pipe left behind by a server that died is replaced.
    bool listen();
    bool isListening() const { return m_listenFd >= 0; }

    // Waits for the next client; timeoutMs < 0 waits without limit. TimedOut when none came.
    bool waitForClient(int timeoutMs = -1);
    // Reads the connected client's message. False when the client closed without
    // writing (Closed), sent more than MaxMessageSize bytes (TooLarge), or sent nothing
    // within timeoutMs (TimedOut).
    bool readMessage(QByteArray *message, int timeoutMs);
    bool writeReply(const QByteArray &reply);
    void disconnectClient();
    void close();

    QString pipePath() const { return m_pipePath; }
    // The last failure; the system's own code for it (to log, never to decide on); a
    // readable text for it.
    PipeError error() const { return m_error; }
    int systemError() const { return m_systemError; }
    QString errorString() const { return m_errorString; }

private:
    bool fail(int systemError, const QString &what);

    QString m_pipePath;
    QString m_socketPath;
    int m_listenFd = -1;
    int m_clientFd = -1;
    int m_lockFd = -1;
    PipeError m_error = PipeError::None;
    int m_systemError = 0;
    QString m_errorString;
};

class NamedPipeClient {
public:
    static constexpr int MaxReplySize = 2047;

    // Which step of a call failed.
    enum class Status { Ok, OpenFailed, BusyTimeout, WriteFailed, WriteTimeout, ReadFailed, ReadTimeout };

    // The whole call (waiting for a busy pipe, writing, reading) takes at most timeoutMs.
    NamedPipeClient(const QString &pipePath, int timeoutMs);

    // Sends one message and reads one reply of at most maxReplySize bytes.
    Status call(const QByteArray &message, QByteArray *reply, int maxReplySize = MaxReplySize);

    // Why the last call failed, as for the server.
    PipeError error() const { return m_error; }
    int systemError() const { return m_systemError; }
    QString errorString() const;

private:
    Status fail(Status status, int systemError);

    QString m_pipePath;
    int m_timeoutMs;
    PipeError m_error = PipeError::None;
    int m_systemError = 0;
};

} // namespace platform
