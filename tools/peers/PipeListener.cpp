#include "PipeListener.h"

namespace {

// How often the thread looks at the stop flag while no client comes.
constexpr int PollMs = 50;
// A connected client that stays silent this long is dropped.
constexpr int ReadTimeoutMs = 1000;

} // namespace

PipeListener::PipeListener(
    const QString &pipe, std::function<void(const QString &)> onMessage, std::optional<QByteArray> reply)
    : m_server(pipe)
    , m_onMessage(std::move(onMessage))
    , m_reply(std::move(reply))
{
    if (m_server.listen())
        m_thread = std::thread([this] { serve(); });
}

PipeListener::~PipeListener()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

void PipeListener::serve()
{
    while (!m_stop) {
        QByteArray message;
        if (!m_server.waitForClient(PollMs) || !m_server.readMessage(&message, ReadTimeoutMs))
            continue;
        // Handled before the reply, so a client that has its reply knows it was recorded.
        m_onMessage(platform::pipeMessageText(message));
        if (m_reply)
            m_server.writeReply(*m_reply);
        m_server.disconnectClient();
    }
}
