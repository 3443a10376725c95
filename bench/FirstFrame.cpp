#include "FirstFrame.h"

#include <QDeadlineTimer>

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>

#include <poll.h>

namespace {

struct FreeDeleter {
    void operator()(void *pointer) const { std::free(pointer); }
};
template<typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

} // namespace

FirstFrame::FirstFrame(const QString &display)
    : m_connection(xcb_connect(qPrintable(display), nullptr))
{
    if (xcb_connection_has_error(m_connection)) {
        fail(QStringLiteral("cannot connect to ") + display);
        return;
    }
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    m_root = screen->root;
    m_depth = screen->root_depth;
    m_screen = QRect(0, 0, screen->width_in_pixels, screen->height_in_pixels);
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(m_connection, &xcb_damage_id);
    if (!damage || !damage->present) {
        fail(QStringLiteral("the display has no damage extension"));
        return;
    }
    m_damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
    // The extension serves a client only once it has asked for its version.
    const Reply<xcb_damage_query_version_reply_t> version(xcb_damage_query_version_reply(m_connection,
        xcb_damage_query_version(m_connection, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION), nullptr));
    if (!version) {
        fail(QStringLiteral("the damage extension does not answer"));
        return;
    }
    // Without a compositor every window draws straight into the screen, so a damage
    // object on the root window, which takes in its inferiors, hears every client's
    // drawing (Qt's shared-memory images included) from the first one on; objects on
    // each top-level would have to be made in time for it. Raw rectangles go on being
    // reported without subtracting the damage.
    const quint32 damageId = xcb_generate_id(m_connection);
    Reply<xcb_generic_error_t> error(xcb_request_check(m_connection,
        xcb_damage_create_checked(m_connection, damageId, m_root, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES)));
    // Structure notices tell when a closed program's windows have gone; the black
    // background is what clear() paints.
    const quint32 events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    const quint32 black = screen->black_pixel;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_BACK_PIXEL, &black);
    if (!error)
        error.reset(xcb_request_check(
            m_connection, xcb_change_window_attributes_checked(m_connection, m_root, XCB_CW_EVENT_MASK, &events)));
    if (error) {
        fail(QStringLiteral("cannot watch the root window (X error %1)").arg(error->error_code));
        return;
    }
    m_damage = damageId;
}

FirstFrame::~FirstFrame()
{
    xcb_disconnect(m_connection);
}

bool FirstFrame::clear(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    // A program's windows go when the server has handled its leaving, which may come
    // after its exit. Notices that came in are a cue to look again, else wait for some.
    while (hasWindows()) {
        bool noticed = false;
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
            noticed = true;
            std::free(event);
        }
        if (!noticed && !waitForInput(deadline))
            return fail(QStringLiteral("the last program's windows stay on the display"));
    }
    xcb_clear_area(m_connection, 0, m_root, 0, 0, 0, 0);
    // A round trip: the notices of everything before it have arrived, and are dropped.
    std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection))
        std::free(event);
    return !xcb_connection_has_error(m_connection) || fail(QStringLiteral("the display went away"));
}

qint64 FirstFrame::waitForDrawing(const QElapsedTimer &started, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        // The drawing that has come in, as one bounding box: one image to look at.
        qint64 arrived = -1;
        QRect drawn;
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
            if ((event->response_type & 0x7f) == m_damageEvent) {
                const xcb_rectangle_t &area = reinterpret_cast<const xcb_damage_notify_event_t *>(event)->area;
                drawn |= QRect(area.x, area.y, area.width, area.height);
                if (arrived < 0)
                    arrived = started.nsecsElapsed();
            }
            std::free(event);
        }
        if (arrived >= 0 && showsColour(drawn))
            return arrived;
        if (!waitForInput(deadline))
            return -1;
    }
}

bool FirstFrame::fail(const QString &error)
{
    m_error = error;
    return false;
}

bool FirstFrame::waitForInput(const QDeadlineTimer &deadline) const
{
    xcb_flush(m_connection);
    pollfd input { xcb_get_file_descriptor(m_connection), POLLIN, 0 };
    int ready = 0;
    do {
        if (deadline.hasExpired())
            return false;
        ready = ::poll(&input, 1, int(deadline.remainingTime()));
    } while (ready < 0 && errno == EINTR);
    return ready > 0 && !xcb_connection_has_error(m_connection);
}

bool FirstFrame::hasWindows() const
{
    const Reply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, m_root), nullptr));
    return tree && xcb_query_tree_children_length(tree.get()) > 0;
}

bool FirstFrame::showsColour(const QRect &area) const
{
    const QRect shown = area & m_screen;
    if (shown.isEmpty())
        return false;
    // The colour planes only, so a pixel's padding bits read as zero and any set bit
    // is a colour other than black.
    const quint32 planes = m_depth >= 32 ? ~0u : (1u << m_depth) - 1;
    const Reply<xcb_get_image_reply_t> image(xcb_get_image_reply(m_connection,
        xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root, qint16(shown.x()), qint16(shown.y()),
            quint16(shown.width()), quint16(shown.height()), planes),
        nullptr));
    if (!image)
        return false;
    const quint8 *data = xcb_get_image_data(image.get());
    return std::any_of(data, data + xcb_get_image_data_length(image.get()), [](quint8 byte) { return byte != 0; });
}
