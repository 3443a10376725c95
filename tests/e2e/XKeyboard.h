#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The keyboard of an X display, typed on through xdotool (XTEST key events, as a real
// keyboard makes them). Without a window manager nothing activates a window: giving
// a program's window the input focus makes it the active window.
class XKeyboard {
public:
    explicit XKeyboard(const QString &display);

    QString display() const { return m_display; }
    // Waits until the process shows a window and gives that window the input focus.
    bool focusWindowOf(qint64 pid, int timeoutMs = 30000);
    // The same for the window titled title.
    bool focusWindowNamed(const QString &title, int timeoutMs = 30000);
    // Presses and releases the keys one after another in the focused window; names as
    // X knows them: "Return", "Tab", "shift+Tab", "space", "Escape".
    bool press(const QStringList &keys);
    // Types text in the focused window, a character at a time (any Unicode text).
    bool type(const QString &text);
    QString errorString() const { return m_error; }

private:
    // Waits until the search finds a mapped window and focuses the first one found.
    bool focusFirstFound(const QStringList &search, int timeoutMs);
    // Binds each character of text that no key makes to a spare key.
    bool bindMissingCharacters(const QString &text);
    bool xdotool(const QStringList &arguments, int timeoutMs, QByteArray *output = nullptr);

    QString m_display;
    QString m_error;
};
