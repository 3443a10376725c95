#pragma once

#include "platform/NamedPipe.h"

#include <QString>

#include <atomic>
#include <functional>
#include <optional>
#include <thread>

// Serves a pipe on a thread of its own for as long as it lives: hands each message's
// text to onMessage, on that thread, then answers reply ("OK" unless told otherwise),
// or with no reply closes the connection without a word.
class PipeListener {
public:
    PipeListener(const QString &pipe, std::function<void(const QString &)> onMessage,
        std::optional<QByteArray> reply = QByteArrayLiteral("OK"));
    ~PipeListener();
    PipeListener(const PipeListener &) = delete;
    PipeListener &operator=(const PipeListener &) = delete;

    bool isListening() const { return m_server.isListening(); }
    QString errorString() const { return m_server.errorString(); }

private:
    void serve();

    platform::NamedPipeServer m_server;
    std::function<void(const QString &)> m_onMessage;
    const std::optional<QByteArray> m_reply;
    std::atomic<bool> m_stop { false };
    std::thread m_thread;
};
