#include "install/CAsyncNamedPipe.h"

#include "platform/NamedPipe.h"

namespace {

using Status = platform::NamedPipeClient::Status;

void logFailure(Status status)
{
    const char *const call = "CAsyncNamedPipe::CallNamedPipeW";
    switch (status) {
    case Status::OpenFailed:
    case Status::BusyTimeout:
        qDebug(status == Status::OpenFailed ? "Could not open pipe" : "Wait pipe timeout");
        qDebug("[AsyncNamedPipe] %s() connect fail", call);
        break;
    case Status::WriteFailed:
        qDebug("[AsyncNamedPipe] %s() write file fail", call);
        break;
    case Status::WriteTimeout:
        qDebug("[AsyncNamedPipe] %s() wait write timeout", call);
        break;
    case Status::ReadFailed:
        qDebug("[AsyncNamedPipe] %s() read file fail", call);
        break;
    case Status::ReadTimeout:
        qDebug("[AsyncNamedPipe] %s() wait read timeout", call);
        break;
    case Status::Ok:
        break;
    }
}

} // namespace

CAsyncNamedPipe::CAsyncNamedPipe(const QString &pipePath, int timeoutMs)
    : m_strPipeName(pipePath)
    , m_nTimeout(timeoutMs)
{
    qDebug("[AsyncNamedPipe] %s() m_strPipeName = %s, m_nTimeout = %d", "CAsyncNamedPipe::CAsyncNamedPipe",
        qUtf8Printable(m_strPipeName), m_nTimeout);
}

CAsyncNamedPipe::~CAsyncNamedPipe()
{
    qDebug("[AsyncNamedPipe] %s()", "CAsyncNamedPipe::~CAsyncNamedPipe");
}

bool CAsyncNamedPipe::CallNamedPipeW(const QString &message, QString &reply)
{
    qDebug("[AsyncNamedPipe] Sending message %s", qUtf8Printable(message));
    QByteArray bytes;
    const Status status = platform::NamedPipeClient(m_strPipeName, m_nTimeout).call(message.toUtf8(), &bytes);
    if (status != Status::Ok) {
        logFailure(status);
        return false;
    }
    reply = platform::pipeMessageText(bytes);
    qDebug("[AsyncNamedPipe] Received message %s", qUtf8Printable(reply));
    return true;
}
