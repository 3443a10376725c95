#include "LoopbackHttpServer.h"

#include <QTcpSocket>
#include <QTimer>

LoopbackHttpServer::LoopbackHttpServer(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackHttpServer::onConnection);
}

bool LoopbackHttpServer::listen()
{
    return m_server.listen(QHostAddress::LocalHost);
}

QString LoopbackHttpServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
}

void LoopbackHttpServer::answer(int status, const QByteArray &body)
{
    m_mode = Mode::Answer;
    m_status = status;
    m_body = body;
}

void LoopbackHttpServer::stayQuiet()
{
    m_mode = Mode::Quiet;
}

void LoopbackHttpServer::trickle(const QByteArray &body, int intervalMs)
{
    m_mode = Mode::Trickle;
    m_status = 200;
    m_body = body;
    m_intervalMs = intervalMs;
}

void LoopbackHttpServer::answerPath(const QString &path, int status, const QByteArray &body, const Headers &headers)
{
    m_pathAnswers.insert(path, Answer { status, body, headers });
}

void LoopbackHttpServer::onConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            if (socket->property("answered").toBool() || !socket->peek(socket->bytesAvailable()).contains("\r\n\r\n"))
                return;
            socket->setProperty("answered", true);
            const QByteArray head = socket->readAll();
            // "GET /path HTTP/1.1"
            const QString path = QString::fromLatin1(head.left(head.indexOf("\r\n")).split(' ').value(1));
            ++m_requests;
            m_paths.append(path);
            respond(socket, path);
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void LoopbackHttpServer::writeHead(QTcpSocket *socket, int status, int length, const Headers &headers)
{
    static const QHash<int, QByteArray> reasons
        = { { 200, "OK" }, { 301, "Moved Permanently" }, { 302, "Found" }, { 500, "Internal Server Error" } };
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasons.value(status, "Not Found")
        + "\r\nContent-Type: application/json\r\nContent-Length: " + QByteArray::number(length)
        + "\r\nConnection: close\r\n";
    for (const auto &header : headers)
        head += header.first + ": " + header.second + "\r\n";
    socket->write(head + "\r\n");
}

void LoopbackHttpServer::sendAtOnce(QTcpSocket *socket, const Answer &answer)
{
    writeHead(socket, answer.status, answer.body.size(), answer.headers);
    socket->write(answer.body);
    socket->disconnectFromHost();
}

void LoopbackHttpServer::respond(QTcpSocket *socket, const QString &path)
{
    const auto own = m_pathAnswers.constFind(path);
    if (own != m_pathAnswers.constEnd()) {
        sendAtOnce(socket, *own);
        return;
    }
    if (m_mode == Mode::Quiet)
        return;
    if (m_mode == Mode::Answer) {
        sendAtOnce(socket, Answer { m_status, m_body, {} });
        return;
    }
    writeHead(socket, m_status, m_body.size());
    auto *timer = new QTimer(socket);
    connect(timer, &QTimer::timeout, socket, [socket, timer, body = m_body, sent = 0]() mutable {
        socket->write(body.mid(sent++, 1));
        if (sent == body.size()) {
            timer->stop();
            socket->disconnectFromHost();
        }
    });
    timer->start(m_intervalMs);
}
