#pragma once

#include <QString>

#include <memory>

// A real top-level X11 window that a stand-in program shows while it runs, titled as
// the program it plays, with its process id claimed, so that window look-ups find it.
// Without a display nothing is shown.
class PeerWindow {
public:
    explicit PeerWindow(const QString &title);
    ~PeerWindow();
    PeerWindow(const PeerWindow &) = delete;
    PeerWindow &operator=(const PeerWindow &) = delete;

    bool isShown() const;

private:
    struct Connection;
    std::unique_ptr<Connection> m_connection;
};
