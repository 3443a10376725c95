#pragma once

#include <QString>

namespace platform {

// A machine-wide mutex by name ("Global\" and "Local\" prefixes accepted). It is held
// by at most one object at a time, in any process, and is free again as soon as its
// holder releases it or dies, however it dies.
class NamedMutex {
public:
    explicit NamedMutex(const QString &name);
    ~NamedMutex();
    NamedMutex(const NamedMutex &) = delete;
    NamedMutex &operator=(const NamedMutex &) = delete;

    // True when this object now holds the mutex; false when another holder has it
    // (error() is EWOULDBLOCK) or the lock could not be made.
    bool tryLock();
    void unlock();
    bool isLocked() const { return m_fd >= 0; }

    int error() const { return m_error; }

private:
    QString m_path;
    int m_fd = -1;
    int m_error = 0;
};

} // namespace platform
