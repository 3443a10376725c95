#pragma once

#include <QString>

namespace platform {

// A machine-wide manual-reset event by name ("Global\" and "Local\" prefixes accepted).
// The event exists while at least one object, in any process, has it open; when the
// last one closes or its process dies, the event is gone and its state with it.
class NamedEvent {
public:
    explicit NamedEvent(const QString &name);
    ~NamedEvent();
    NamedEvent(const NamedEvent &) = delete;
    NamedEvent &operator=(const NamedEvent &) = delete;

    // Creates the event, or opens it when it exists (then initiallySet is ignored and
    // alreadyExisted() is true).
    bool create(bool initiallySet);
    // Opens an existing event; false when nobody has it open.
    bool open();
    void close();
    bool isOpen() const { return m_fd >= 0; }
    bool alreadyExisted() const { return m_existed; }

    bool set();
    bool reset();
    bool isSet() const;
    // True once the event is set; false after timeoutMs (< 0: no limit) or on error.
    bool wait(int timeoutMs) const;

    int error() const { return m_error; }

private:
    bool attach(bool create, bool initiallySet);
    bool writeState(bool set);

    QString m_path;
    int m_fd = -1;
    bool m_existed = false;
    int m_error = 0;
};

} // namespace platform
