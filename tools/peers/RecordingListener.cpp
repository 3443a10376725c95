#include "RecordingListener.h"

#include "platform/Machine.h"

#include <cstdio>

RecordingListener::RecordingListener(const QString &pipe, std::optional<QByteArray> reply)
{
    if (platform::Machine::isSandbox())
        m_log.setFileName(
            platform::Machine::root() + QLatin1Char('/') + platform::pipeShortName(pipe) + QStringLiteral(".log"));
    m_listener = std::make_unique<PipeListener>(
        pipe, [this](const QString &message) { record(message); }, std::move(reply));
    if (!m_listener->isListening())
        std::fprintf(
            stderr, "peer: cannot serve %s: %s\n", qUtf8Printable(pipe), qUtf8Printable(m_listener->errorString()));
}

void RecordingListener::record(const QString &message)
{
    if (m_log.isOpen() || (!m_log.fileName().isEmpty() && m_log.open(QIODevice::WriteOnly | QIODevice::Append))) {
        m_log.write(message.toUtf8() + '\n');
        m_log.flush();
    }
}
