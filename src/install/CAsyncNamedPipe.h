#pragma once

#include <QString>

// A one-shot client of a pipe served by another process: one message out, one reply
// back, the whole call limited by the time-out.
class CAsyncNamedPipe {
public:
    CAsyncNamedPipe(const QString &pipePath, int timeoutMs);
    ~CAsyncNamedPipe();
    CAsyncNamedPipe(const CAsyncNamedPipe &) = delete;
    CAsyncNamedPipe &operator=(const CAsyncNamedPipe &) = delete;

    // Sends message and reads the reply into reply; false (and logged) on any failure.
    bool CallNamedPipeW(const QString &message, QString &reply);

private:
    QString m_strPipeName;
    int m_nTimeout;
};
