#pragma once

#include <QThread>

#include <atomic>

class MessageParser;

namespace platform {
class NamedPipeServer;
}

// Serves one named pipe on a thread of its own and feeds every message a client
// writes into a parser. Each connection carries one message, answered "OK" before the
// message is parsed. The thread ends for good when the parser answers true, when a
// client sends "PipeStop", or when the pipe cannot be created.
class PipeThreadWin : public QThread {
    Q_OBJECT

public:
    // pipePath is "\\.\pipe\" followed by the short name; the parser is not owned.
    PipeThreadWin(const QString &pipePath, MessageParser *parser, QObject *parent = nullptr);
    // Stops a thread that still runs (bounded wait).
    ~PipeThreadWin() override;

    // "\\.\pipe\" + shortName.
    static QString pathFor(const QString &shortName);

    // Once the thread has finished, deletes the parser (when it is a QObject) and this
    // thread, deferred, in the thread that owns them.
    void deleteWhenFinished();

    QString pipePath() const { return m_pipePath; }
    // True from the pipe's creation until the thread leaves its loop.
    bool isServing() const { return m_running; }

public slots:
    // Asks the thread to stop by sending it "PipeStop" and waits, bounded, for it to
    // end; repeats while it still serves, a few times at most. False when a send fails
    // or the thread still serves after the last attempt.
    bool closePipe();

protected:
    void run() override;

private:
    bool waitForClient(platform::NamedPipeServer &server);
    // Answers one message; true when the thread stops.
    bool handleMessage(const QString &message);

    QString m_pipePath;
    MessageParser *m_parser;
    std::atomic<bool> m_running { false };
};
