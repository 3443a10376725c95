#pragma once

#include <QProcess>
#include <QString>

// A virtual X server of the test's own. It takes the first free display number, so it
// runs where no display exists (CI) and beside the servers of other tests. Without a
// window manager nothing activates a window; startWindowManager gives it one.
class XvfbDisplay {
public:
    XvfbDisplay() = default;
    ~XvfbDisplay();
    XvfbDisplay(const XvfbDisplay &) = delete;
    XvfbDisplay &operator=(const XvfbDisplay &) = delete;

    // Starts the server and waits until it accepts connections.
    bool start(int timeoutMs = 30000);
    // Starts nova-test-wm on the running server and waits until it manages the display.
    bool startWindowManager(int timeoutMs = 10000);
    // Ends the window manager, then the server.
    void stop();
    // ":N" while the server runs.
    QString name() const { return m_name; }
    QString errorString() const { return m_error; }

private:
    bool fail(const QString &error);

    QProcess m_server;
    QProcess m_windowManager;
    QString m_name;
    QString m_error;
};
