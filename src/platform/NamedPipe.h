#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Message-mode named pipes. "\\.\pipe\NAME" (or a bare NAME) names a pipe machine-wide;
// names compare ignoring case. Anyone on the machine may connect. One connection
// carries one message from the client and one reply from the server.

// The short name of a pipe path: "\\.\pipe\bgi_pipe" gives "bgi_pipe".
QString pipeShortName(const QString &pipePath);

// A pipe message as text: the bytes up to the first NUL (or all of them), as UTF-8.
QString pipeMessageText(const QByteArray &message);

class NamedPipeServer {
public:
    static constexpr int MaxMessageSize = 4096;

    explicit NamedPipeServer(const QString &pipePath);
    ~NamedPipeServer();
    NamedPipeServer(const NamedPipeServer &) = delete;
    NamedPipeServer &operator=(const NamedPipeServer &) = delete;

    // Creates the pipe. Fails when another live server holds the name; a pipe left
    // behind by a server that died is replaced.
    bool listen();
    bool isListening() const { return m_listenFd >= 0; }

    // Waits for the next client; timeoutMs < 0 waits without limit.
    bool waitForClient(int timeoutMs = -1);
    // Reads the connected client's message. False when the client closed without
    // writing, sent more than MaxMessageSize bytes, or sent nothing within timeoutMs.
    bool readMessage(QByteArray *message, int timeoutMs);
    bool writeReply(const QByteArray &reply);
    void disconnectClient();
    void close();

    QString pipePath() const { return m_pipePath; }
    // errno of the last failure, and a readable text for it.
    int error() const { return m_error; }
    QString errorString() const { return m_errorString; }

private:
    bool fail(int error, const QString &what);

    QString m_pipePath;
    QString m_socketPath;
    int m_listenFd = -1;
    int m_clientFd = -1;
    int m_lockFd = -1;
    int m_error = 0;
    QString m_errorString;
};

class NamedPipeClient {
public:
    static constexpr int MaxReplySize = 2047;

    // Which step of a call failed.
    enum class Status { Ok, OpenFailed, BusyTimeout, WriteFailed, WriteTimeout, ReadFailed, ReadTimeout };

    // Each step (waiting for a busy pipe, writing, reading) may take up to timeoutMs.
    NamedPipeClient(const QString &pipePath, int timeoutMs);

    // Sends one message and reads one reply of at most maxReplySize bytes.
    Status call(const QByteArray &message, QByteArray *reply, int maxReplySize = MaxReplySize);

    int error() const { return m_error; }
    QString errorString() const;

private:
    Status fail(Status status, int error);

    QString m_pipePath;
    int m_timeoutMs;
    int m_error = 0;
};

} // namespace platform
