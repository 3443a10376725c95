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

void LoopbackHttpServer::onConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            if (socket->property("answered").toBool() || !socket->peek(socket->bytesAvailable()).contains("\r\n\r\n"))
                return;
            socket->setProperty("answered", true);
            socket->readAll();
            ++m_requests;
            respond(socket);
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void LoopbackHttpServer::respond(QTcpSocket *socket)
{
    if (m_mode == Mode::Quiet)
        return;
    const QByteArray reason = m_status == 200 ? "OK" : "Not Found";
    socket->write("HTTP/1.1 " + QByteArray::number(m_status) + ' ' + reason + "\r\nContent-Type: application/json"
        + "\r\nContent-Length: " + QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n");
    if (m_mode == Mode::Answer) {
        socket->write(m_body);
        socket->disconnectFromHost();
        return;
    }
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
