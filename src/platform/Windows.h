#pragma once

#include <QList>
#include <QString>

namespace platform {

struct WindowInfo {
    quint32 id = 0;
    QString title;
    // The owning process, from the window's own claim; 0 when it makes none.
    qint64 pid = 0;
    // The owner's executable file name ("vrmonitor.exe"); empty when the owner is
    // unknown or cannot be queried.
    QString imageName;
};

// Top-level windows of the desktop session and bringing one to the front. On X11 the
// titles and owners come from the windows' EWMH properties and activation is asked of
// the window manager as a pager asks; without a display, or in a Wayland session,
// nothing is found (logged once) and nothing can be activated.
class Windows {
public:
    // Every top-level window, as the window manager lists them (or the root's children
    // without one). Titles are cut at 255 characters.
    static QList<WindowInfo> topLevel();
    // The first top-level window with exactly this title whose owner's image name is
    // exactly imageName; id 0 when there is none.
    static WindowInfo find(const QString &title, const QString &imageName);
    // Asks for the window to become the active one; false when it cannot be asked.
    static bool activate(quint32 id);
    // The window the window manager reports as active; 0 when none or unknown.
    static quint32 active();
};

} // namespace platform
