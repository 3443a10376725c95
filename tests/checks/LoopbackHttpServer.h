#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTcpServer>

// A small HTTP server on 127.0.0.1 for the download and link tests. A request for a
// path given its own answer gets that; every other request gets the answer set last: a
// status and body at once, silence, or the body one byte at a time.
class LoopbackHttpServer : public QObject {
    Q_OBJECT

public:
    using Headers = QList<QPair<QByteArray, QByteArray>>;

    explicit LoopbackHttpServer(QObject *parent = nullptr);

    bool listen();
    QString url(const QString &path) const;

    void answer(int status, const QByteArray &body);
    // Accepts the connection and reads the request, but never answers.
    void stayQuiet();
    // Sends the headers at once, then one byte of the body every intervalMs.
    void trickle(const QByteArray &body, int intervalMs);
    // Requests for path (as in url(path)) get this answer, with the extra header lines.
    void answerPath(const QString &path, int status, const QByteArray &body, const Headers &headers = {});

    int requests() const { return m_requests; }
    // The paths requested so far, in order.
    QStringList requestedPaths() const { return m_paths; }

private:
    enum class Mode { Answer, Quiet, Trickle };
    struct Answer {
        int status = 200;
        QByteArray body;
        Headers headers;
    };

    void onConnection();
    void respond(QTcpSocket *socket, const QString &path);
    void writeHead(QTcpSocket *socket, int status, int length, const Headers &headers = {});
    void sendAtOnce(QTcpSocket *socket, const Answer &answer);

    QTcpServer m_server;
    Mode m_mode = Mode::Answer;
    int m_status = 200;
    QByteArray m_body;
    int m_intervalMs = 0;
    int m_requests = 0;
    QHash<QString, Answer> m_pathAnswers;
    QStringList m_paths;
};
