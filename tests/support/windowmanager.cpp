// nova-test-wm: a minimal EWMH window manager for the tests' X displays ($DISPLAY).
// It maps the windows that ask to be mapped and lists them in _NET_CLIENT_LIST in the
// order they were mapped, until they are unmapped or destroyed; it moves and resizes
// them as they ask, and on a _NET_ACTIVE_WINDOW request raises the window, gives it the
// input focus and names it in _NET_ACTIVE_WINDOW. No frames, no decorations. It prints
// "ready" once it manages the display and runs until it is killed or the display ends;
// it exits with 1 when it cannot connect or another window manager runs.

#include <xcb/xcb.h>
#include <xcb/xcb_ewmh.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr char Name[] = "nova-test-wm";

class WindowManager {
public:
    WindowManager(xcb_connection_t *connection, xcb_ewmh_connection_t *ewmh, int screen)
        : m_connection(connection)
        , m_ewmh(ewmh)
        , m_screen(screen)
        , m_root(ewmh->screens[screen]->root)
    {
    }

    // Takes the display over; false when another window manager has it.
    bool manage();
    void handle(const xcb_generic_event_t *event);

private:
    void map(xcb_window_t window);
    void forget(xcb_window_t window);
    void configure(const xcb_configure_request_event_t *request);
    void activate(xcb_window_t window);
    bool isClient(xcb_window_t window) const
    {
        return std::find(m_clients.begin(), m_clients.end(), window) != m_clients.end();
    }
    void publishClients() { xcb_ewmh_set_client_list(m_ewmh, m_screen, uint32_t(m_clients.size()), m_clients.data()); }

    xcb_connection_t *m_connection;
    xcb_ewmh_connection_t *m_ewmh;
    int m_screen;
    xcb_window_t m_root;
    std::vector<xcb_window_t> m_clients; // in the order they were mapped
    xcb_window_t m_active = XCB_NONE;
};

bool WindowManager::manage()
{
    // Only one client at a time may redirect the root's children: the server refuses a
    // second window manager.
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    const std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> refused(
        xcb_request_check(
            m_connection, xcb_change_window_attributes_checked(m_connection, m_root, XCB_CW_EVENT_MASK, &events)),
        &std::free);
    if (refused)
        return false;
    // The check window names the manager, as EWMH asks of one that is running.
    const xcb_window_t check = xcb_generate_id(m_connection);
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, check, m_root, -1, -1, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
        XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_ewmh_set_supporting_wm_check(m_ewmh, m_root, check);
    xcb_ewmh_set_supporting_wm_check(m_ewmh, check, check);
    xcb_ewmh_set_wm_name(m_ewmh, check, uint32_t(std::strlen(Name)), Name);
    xcb_atom_t supported[] = { m_ewmh->_NET_SUPPORTED, m_ewmh->_NET_SUPPORTING_WM_CHECK, m_ewmh->_NET_CLIENT_LIST,
        m_ewmh->_NET_ACTIVE_WINDOW, m_ewmh->_NET_WM_NAME, m_ewmh->_NET_WM_PID };
    xcb_ewmh_set_supported(m_ewmh, m_screen, uint32_t(std::size(supported)), supported);
    publishClients();
    xcb_ewmh_set_active_window(m_ewmh, m_screen, XCB_NONE);
    return xcb_flush(m_connection) > 0;
}

void WindowManager::handle(const xcb_generic_event_t *event)
{
    switch (event->response_type & ~0x80) {
    case XCB_MAP_REQUEST:
        map(reinterpret_cast<const xcb_map_request_event_t *>(event)->window);
        break;
    case XCB_UNMAP_NOTIFY:
        forget(reinterpret_cast<const xcb_unmap_notify_event_t *>(event)->window);
        break;
    case XCB_DESTROY_NOTIFY:
        forget(reinterpret_cast<const xcb_destroy_notify_event_t *>(event)->window);
        break;
    case XCB_CONFIGURE_REQUEST:
        configure(reinterpret_cast<const xcb_configure_request_event_t *>(event));
        break;
    case XCB_CLIENT_MESSAGE: {
        const auto *message = reinterpret_cast<const xcb_client_message_event_t *>(event);
        if (message->type == m_ewmh->_NET_ACTIVE_WINDOW)
            activate(message->window);
        break;
    }
    default:
        // Errors of requests about windows that are gone already, and events of no
        // interest here.
        break;
    }
    xcb_flush(m_connection);
}

void WindowManager::map(xcb_window_t window)
{
    xcb_map_window(m_connection, window);
    if (isClient(window))
        return;
    m_clients.push_back(window);
    publishClients();
}

void WindowManager::forget(xcb_window_t window)
{
    if (!isClient(window))
        return;
    m_clients.erase(std::find(m_clients.begin(), m_clients.end(), window));
    publishClients();
    if (window == m_active) {
        m_active = XCB_NONE;
        xcb_ewmh_set_active_window(m_ewmh, m_screen, XCB_NONE);
    }
}

void WindowManager::configure(const xcb_configure_request_event_t *request)
{
    // The values that the request's mask names, in the order of the mask's bits.
    const std::pair<uint16_t, uint32_t> fields[] = { { XCB_CONFIG_WINDOW_X, uint32_t(request->x) },
        { XCB_CONFIG_WINDOW_Y, uint32_t(request->y) }, { XCB_CONFIG_WINDOW_WIDTH, request->width },
        { XCB_CONFIG_WINDOW_HEIGHT, request->height }, { XCB_CONFIG_WINDOW_BORDER_WIDTH, request->border_width },
        { XCB_CONFIG_WINDOW_SIBLING, request->sibling }, { XCB_CONFIG_WINDOW_STACK_MODE, request->stack_mode } };
    std::vector<uint32_t> values;
    for (const auto &[bit, value] : fields) {
        if (request->value_mask & bit)
            values.push_back(value);
    }
    xcb_configure_window(m_connection, request->window, request->value_mask, values.data());
}

void WindowManager::activate(xcb_window_t window)
{
    if (!isClient(window))
        return;
    const uint32_t above = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(m_connection, window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
    xcb_set_input_focus(m_connection, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
    m_active = window;
    xcb_ewmh_set_active_window(m_ewmh, m_screen, window);
}

} // namespace

int main()
{
    int screen = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screen);
    const char *display = std::getenv("DISPLAY");
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "%s: cannot connect to the X display %s\n", Name, display ? display : "(none)");
        return 1;
    }
    xcb_ewmh_connection_t ewmh {};
    if (!xcb_ewmh_init_atoms_replies(&ewmh, xcb_ewmh_init_atoms(connection, &ewmh), nullptr)) {
        std::fprintf(stderr, "%s: cannot intern the EWMH atoms\n", Name);
        return 1;
    }
    WindowManager manager(connection, &ewmh, screen);
    if (!manager.manage()) {
        std::fprintf(stderr, "%s: another window manager runs on %s\n", Name, display);
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    while (xcb_generic_event_t *event = xcb_wait_for_event(connection)) {
        manager.handle(event);
        std::free(event);
    }
    xcb_ewmh_connection_wipe(&ewmh);
    xcb_disconnect(connection);
    return 0;
}
