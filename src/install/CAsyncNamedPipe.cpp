#include "install/CAsyncNamedPipe.h"

#include "platform/NamedPipe.h"

namespace {

using Status = platform::NamedPipeClient::Status;

void logFailure(Status status)
{
    switch (status) {
    case Status::OpenFailed:
        qDebug("Could not open pipe");
        qDebug("[AsyncNamedPipe] CAsyncNamedPipe::CallNamedPipeW() connect fail");
        break;
    case Status::BusyTimeout:
        qDebug("Wait pipe timeout");
        qDebug("[AsyncNamedPipe] CAsyncNamedPipe::CallNamedPipeW() connect fail");
        break;
    case Status::WriteFailed:
        qDebug("[AsyncNamedPipe] CAsyncNamedPipe::CallNamedPipeW() write file fail");
        break;
    case Status::WriteTimeout:
        qDebug("[AsyncNamedPipe] CAsyncNamedPipe::CallNamedPipeW() wait write timeout");
        break;
    case Status::ReadFailed:
        qDebug("[AsyncNamedPipe] CAsyncNamedPipe::CallNamedPipeW() read file fail");
        break;
    case Status::ReadTimeout:
        qDebug("[AsyncNamedPipe] CAsyncNamedPipe::CallNamedPipeW() wait read timeout");
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
    qDebug("[AsyncNamedPipe] CAsyncNamedPipe::CAsyncNamedPipe() m_strPipeName = %s, m_nTimeout = %d",
        qUtf8Printable(m_strPipeName), m_nTimeout);
}

CAsyncNamedPipe::~CAsyncNamedPipe()
{
    qDebug("[AsyncNamedPipe] CAsyncNamedPipe::~CAsyncNamedPipe()");
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
