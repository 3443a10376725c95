#include "platform/Windows.h"

#include "platform/Processes.h"

#include <QByteArray>
#include <QHash>

#include <xcb/xcb.h>
#include <xcb/xcb_ewmh.h>

#include <atomic>
#include <cstdlib>
#include <memory>

// Windows of the X display, read from their EWMH properties over a connection of its
// own for each call: calls are rare, and a connection held for the process's life would
// have to notice a display that went away.

namespace platform {

namespace {

constexpr int MaxTitleLength = 255;
// WM_NAME in 32-bit units: enough for a title that is cut at MaxTitleLength anyway.
constexpr uint32_t LegacyTitleUnits = 256;

struct FreeReply {
    void operator()(void *reply) const { std::free(reply); }
};
using PropertyReply = std::unique_ptr<xcb_get_property_reply_t, FreeReply>;

// Each reason is logged once in the process: callers look windows up again and again
// while a program starts, and the reason does not change.
bool firstTime(std::atomic_bool &logged)
{
    return !logged.exchange(true);
}

bool isWaylandSession()
{
    return qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// A connection to the session's X display with the EWMH atoms, for one call. It is not
// open when windows cannot be reached (no display, a Wayland session); why is logged.
class XDisplay {
public:
    XDisplay();
    ~XDisplay();
    XDisplay(const XDisplay &) = delete;
    XDisplay &operator=(const XDisplay &) = delete;

    bool isOpen() const { return m_open; }
    xcb_connection_t *connection() const { return m_connection; }
    xcb_ewmh_connection_t *ewmh() { return &m_ewmh; }
    int screen() const { return m_screen; }
    xcb_window_t root() const { return m_ewmh.screens[m_screen]->root; }

private:
    xcb_connection_t *m_connection = nullptr;
    xcb_ewmh_connection_t m_ewmh {};
    int m_screen = 0;
    bool m_open = false;
};

XDisplay::XDisplay()
{
    // A Wayland session may offer an X display too, but it shows only the programs that
    // use X, and its compositor decides alone which window is active.
    if (isWaylandSession()) {
        static std::atomic_bool logged { false };
        if (firstTime(logged))
            qWarning("[Windows] WARNING: Wayland session: windows cannot be found or activated");
        return;
    }
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty()) {
        static std::atomic_bool logged { false };
        if (firstTime(logged))
            qWarning("[Windows] WARNING: No X display: windows cannot be found or activated");
        return;
    }
    m_connection = xcb_connect(display.constData(), &m_screen);
    if (xcb_connection_has_error(m_connection)) {
        static std::atomic_bool logged { false };
        if (firstTime(logged))
            qWarning("[Windows] WARNING: Cannot connect to the X display %s: windows cannot be found or activated",
                display.constData());
        return;
    }
    // The library frees what it allocated when the atoms cannot be had.
    m_open = xcb_ewmh_init_atoms_replies(&m_ewmh, xcb_ewmh_init_atoms(m_connection, &m_ewmh), nullptr) != 0;
}

XDisplay::~XDisplay()
{
    if (m_open)
        xcb_ewmh_connection_wipe(&m_ewmh);
    if (m_connection)
        xcb_disconnect(m_connection);
}

// The window manager's list of its clients, else every child of the root: only those
// are top-level, a window inside another is not.
QList<xcb_window_t> topLevelIds(XDisplay &display)
{
    QList<xcb_window_t> ids;
    xcb_ewmh_get_windows_reply_t clients;
    if (xcb_ewmh_get_client_list_reply(
            display.ewmh(), xcb_ewmh_get_client_list(display.ewmh(), display.screen()), &clients, nullptr)) {
        for (uint32_t i = 0; i < clients.windows_len; ++i)
            ids.append(clients.windows[i]);
        xcb_ewmh_get_windows_reply_wipe(&clients);
        return ids;
    }
    const std::unique_ptr<xcb_query_tree_reply_t, FreeReply> tree(
        xcb_query_tree_reply(display.connection(), xcb_query_tree(display.connection(), display.root()), nullptr));
    if (!tree)
        return ids;
    const xcb_window_t *children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i)
        ids.append(children[i]);
    return ids;
}

// The property's value as text up to its first NUL.
QByteArray propertyText(xcb_get_property_reply_t *reply)
{
    const QByteArray value(
        static_cast<const char *>(xcb_get_property_value(reply)), xcb_get_property_value_length(reply));
    const int end = value.indexOf('\0');
    return end < 0 ? value : value.left(end);
}

// _NET_WM_NAME (UTF-8), else WM_NAME (Latin-1 unless it says UTF-8), cut at
// MaxTitleLength characters.
QString titleOf(XDisplay &display, xcb_get_property_reply_t *netName, xcb_get_property_reply_t *name)
{
    const xcb_atom_t utf8 = display.ewmh()->UTF8_STRING;
    QString title;
    if (netName && netName->type == utf8 && netName->format == 8)
        title = QString::fromUtf8(propertyText(netName));
    else if (name && name->format == 8)
        title = name->type == utf8 ? QString::fromUtf8(propertyText(name)) : QString::fromLatin1(propertyText(name));
    return title.left(MaxTitleLength);
}

// The image name of each process the platform lets us query, by process id.
QHash<qint64, QString> imageNames()
{
    QHash<qint64, QString> names;
    const QList<ProcessInfo> processes = Processes::list();
    for (const ProcessInfo &process : processes) {
        if (process.imageError == 0)
            names.insert(process.pid, process.imageName);
    }
    return names;
}

} // namespace

QList<WindowInfo> Windows::topLevel()
{
    XDisplay display;
    QList<WindowInfo> windows;
    if (!display.isOpen())
        return windows;
    const QList<xcb_window_t> ids = topLevelIds(display);
    xcb_connection_t *connection = display.connection();
    // Every question first, then the answers: one round trip for all windows.
    struct Requests {
        xcb_get_property_cookie_t netName, name, pid;
    };
    QList<Requests> requests;
    for (const xcb_window_t id : ids) {
        requests.append({ xcb_ewmh_get_wm_name(display.ewmh(), id),
            xcb_get_property(connection, 0, id, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, LegacyTitleUnits),
            xcb_ewmh_get_wm_pid(display.ewmh(), id) });
    }
    const QHash<qint64, QString> images = imageNames();
    for (int i = 0; i < ids.size(); ++i) {
        const PropertyReply netName(xcb_get_property_reply(connection, requests.at(i).netName, nullptr));
        const PropertyReply name(xcb_get_property_reply(connection, requests.at(i).name, nullptr));
        uint32_t pid = 0;
        const bool claimsPid = xcb_ewmh_get_wm_pid_reply(display.ewmh(), requests.at(i).pid, &pid, nullptr);
        // No answer at all: the window is gone since it was listed.
        if (!name)
            continue;
        WindowInfo window;
        window.id = ids.at(i);
        window.title = titleOf(display, netName.get(), name.get());
        window.pid = claimsPid ? pid : 0;
        window.imageName = images.value(window.pid);
        windows.append(window);
    }
    return windows;
}

WindowInfo Windows::find(const QString &title, const QString &imageName)
{
    const QList<WindowInfo> windows = topLevel();
    for (const WindowInfo &window : windows) {
        if (window.title == title && window.imageName == imageName)
            return window;
    }
    return {};
}

bool Windows::activate(quint32 id)
{
    if (id == 0)
        return false;
    XDisplay display;
    if (!display.isOpen())
        return false;
    // As a pager asks: the window manager decides, and a pager's request is one it
    // should not refuse for focus stealing.
    xcb_ewmh_request_change_active_window(
        display.ewmh(), display.screen(), id, XCB_EWMH_CLIENT_SOURCE_TYPE_OTHER, XCB_CURRENT_TIME, XCB_NONE);
    // A round trip, not only a flush: the connection closes right after, and the server
    // may drop requests that a closed connection left unread.
    xcb_connection_t *connection = display.connection();
    const std::unique_ptr<xcb_get_input_focus_reply_t, FreeReply> done(
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    return done != nullptr;
}

quint32 Windows::active()
{
    XDisplay display;
    if (!display.isOpen())
        return 0;
    xcb_window_t active = XCB_NONE;
    const bool known = xcb_ewmh_get_active_window_reply(
        display.ewmh(), xcb_ewmh_get_active_window(display.ewmh(), display.screen()), &active, nullptr);
    return known ? active : 0;
}

} // namespace platform
