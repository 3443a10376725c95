#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpServer>

// A small HTTP server on 127.0.0.1 for the download tests. Every request gets the
// answer set last: a status and body at once, silence, or the body one byte at a time.
class LoopbackHttpServer : public QObject {
    Q_OBJECT

public:
    explicit LoopbackHttpServer(QObject *parent = nullptr);

    bool listen();
    QString url(const QString &path) const;

    void answer(int status, const QByteArray &body);
    // Accepts the connection and reads the request, but never answers.
    void stayQuiet();
    // Sends the headers at once, then one byte of the body every intervalMs.
    void trickle(const QByteArray &body, int intervalMs);

    int requests() const { return m_requests; }

private:
    enum class Mode { Answer, Quiet, Trickle };

    void onConnection();
    void respond(QTcpSocket *socket);

    QTcpServer m_server;
    Mode m_mode = Mode::Answer;
    int m_status = 200;
    QByteArray m_body;
    int m_intervalMs = 0;
    int m_requests = 0;
};
