#pragma once

#include "PipeListener.h"

#include <QFile>

#include <memory>
#include <optional>

// Serves a pipe for as long as it lives, as PipeListener does; in a sandbox machine each
// message is appended as a line to <sandbox>/<pipe short name>.log, so tests can read
// what the wizard sent.
class RecordingListener {
public:
    explicit RecordingListener(const QString &pipe, std::optional<QByteArray> reply = QByteArrayLiteral("OK"));
    RecordingListener(const RecordingListener &) = delete;
    RecordingListener &operator=(const RecordingListener &) = delete;

    // False, with a line on stderr, when the pipe could not be served.
    bool isListening() const { return m_listener->isListening(); }

private:
    void record(const QString &message);

    QFile m_log;
    std::unique_ptr<PipeListener> m_listener; // last: stops before the log closes
};
