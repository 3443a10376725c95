#include "PeerWindow.h"

#include "platform/Processes.h"

#include <QByteArray>

#include <xcb/xcb.h>
#include <xcb/xcb_ewmh.h>

namespace {

constexpr uint16_t Width = 320;
constexpr uint16_t Height = 200;
// WM_CLASS: instance and class, each ended by a NUL.
constexpr char WindowClass[] = "nova-peer\0NovaPeer";

} // namespace

// The connection that owns the window: the window lives as long as it does.
struct PeerWindow::Connection {
    xcb_connection_t *connection = nullptr;
    xcb_window_t window = XCB_NONE;

    ~Connection()
    {
        if (window != XCB_NONE) {
            xcb_destroy_window(connection, window);
            xcb_flush(connection);
        }
        xcb_disconnect(connection);
    }
};

PeerWindow::PeerWindow(const QString &title)
{
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty())
        return;
    auto connection = std::make_unique<Connection>();
    int screenNumber = 0;
    connection->connection = xcb_connect(display.constData(), &screenNumber);
    xcb_connection_t *c = connection->connection;
    if (xcb_connection_has_error(c))
        return;
    xcb_ewmh_connection_t ewmh {};
    if (!xcb_ewmh_init_atoms_replies(&ewmh, xcb_ewmh_init_atoms(c, &ewmh), nullptr))
        return;
    const xcb_screen_t *screen = ewmh.screens[screenNumber];
    // Others see the window only once it is whole, with its title and process id.
    xcb_grab_server(c);
    const xcb_window_t window = xcb_generate_id(c);
    const uint32_t background = screen->white_pixel;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, Width, Height, 0,
        XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_BACK_PIXEL, &background);
    connection->window = window;
    const QByteArray utf8Title = title.toUtf8();
    const QByteArray latin1Title = title.toLatin1();
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
        uint32_t(latin1Title.size()), latin1Title.constData());
    xcb_ewmh_set_wm_name(&ewmh, window, uint32_t(utf8Title.size()), utf8Title.constData());
    xcb_ewmh_set_wm_pid(&ewmh, window, uint32_t(platform::Processes::currentPid()));
    xcb_change_property(
        c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8, sizeof(WindowClass), WindowClass);
    xcb_map_window(c, window);
    xcb_ungrab_server(c);
    xcb_ewmh_connection_wipe(&ewmh);
    if (xcb_flush(c) > 0)
        m_connection = std::move(connection);
}

PeerWindow::~PeerWindow() = default;

bool PeerWindow::isShown() const
{
    return m_connection != nullptr;
}
