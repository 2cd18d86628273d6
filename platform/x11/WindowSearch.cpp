// The X11 side of the window search: the client list that the window manager
// publishes, joined with the children of the root window (where windows
// without a manager and withdrawn windows live), their captions read from
// _NET_WM_NAME or WM_NAME.
#include "platform/x11/WindowSearch.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace WindowSearch {

namespace {

constexpr int MaxCaption = 255;

struct ConnectionCloser {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};
using Connection = std::unique_ptr<xcb_connection_t, ConnectionCloser>;

template <typename Reply> struct ReplyDeleter {
    void operator()(Reply* reply) const { std::free(reply); }
};
template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, ReplyDeleter<Reply>>;

// The display of the session and its first screen's root; null when there
// is no X server to talk to.
Connection connect(xcb_window_t* root) {
    int screenNumber = 0;
    Connection connection(xcb_connect(nullptr, &screenNumber));
    if (!connection || xcb_connection_has_error(connection.get()))
        return nullptr;
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection.get()));
    for (int i = 0; i < screenNumber && it.rem; ++i)
        xcb_screen_next(&it);
    if (!it.rem)
        return nullptr;
    *root = it.data->root;
    return connection;
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

ReplyPtr<xcb_get_property_reply_t> property(xcb_connection_t* connection, xcb_window_t window,
                                            xcb_atom_t name, xcb_atom_t type,
                                            std::uint32_t longLength) {
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, window, name, type, 0, longLength);
    return ReplyPtr<xcb_get_property_reply_t>(xcb_get_property_reply(connection, cookie, nullptr));
}

QList<WindowId> clientList(xcb_connection_t* connection, xcb_window_t root) {
    QList<WindowId> windows;
    const xcb_atom_t name = atom(connection, "_NET_CLIENT_LIST");
    if (name == XCB_ATOM_NONE)
        return windows;
    const auto reply = property(connection, root, name, XCB_ATOM_WINDOW, 65536);
    if (!reply || reply->format != 32)
        return windows;
    const auto* ids = static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    for (int i = 0; i < count; ++i)
        windows.append(ids[i]);
    return windows;
}

QList<WindowId> rootChildren(xcb_connection_t* connection, xcb_window_t root) {
    QList<WindowId> windows;
    ReplyPtr<xcb_query_tree_reply_t> reply(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr));
    if (!reply)
        return windows;
    const xcb_window_t* ids = xcb_query_tree_children(reply.get());
    const int count = xcb_query_tree_children_length(reply.get());
    for (int i = 0; i < count; ++i)
        windows.append(ids[i]);
    return windows;
}

QString caption(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t netWmName,
                xcb_atom_t utf8) {
    if (netWmName != XCB_ATOM_NONE && utf8 != XCB_ATOM_NONE) {
        const auto reply = property(connection, window, netWmName, utf8, MaxCaption);
        if (reply && reply->format == 8 && xcb_get_property_value_length(reply.get()) > 0)
            return QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply.get())),
                                     xcb_get_property_value_length(reply.get()))
                .left(MaxCaption);
    }
    const auto reply = property(connection, window, XCB_ATOM_WM_NAME, XCB_ATOM_ANY, MaxCaption);
    if (!reply || reply->format != 8)
        return QString();
    return QString::fromLatin1(static_cast<const char*>(xcb_get_property_value(reply.get())),
                               xcb_get_property_value_length(reply.get()))
        .left(MaxCaption);
}

void sendToRoot(xcb_connection_t* connection, xcb_window_t root, const void* event) {
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   static_cast<const char*>(event));
}

// ICCCM withdrawal: unmap, then tell the window manager with a synthetic
// UnmapNotify on the root.
void withdraw(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window) {
    xcb_unmap_window(connection, window);
    xcb_unmap_notify_event_t event{};
    event.response_type = XCB_UNMAP_NOTIFY;
    event.event = root;
    event.window = window;
    sendToRoot(connection, root, &event);
}

// The maximised state, written on the window before it is mapped (read by
// the manager when it takes the window) and asked of the manager for a
// window it already holds.
void maximise(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window) {
    const xcb_atom_t state = atom(connection, "_NET_WM_STATE");
    const xcb_atom_t vertical = atom(connection, "_NET_WM_STATE_MAXIMIZED_VERT");
    const xcb_atom_t horizontal = atom(connection, "_NET_WM_STATE_MAXIMIZED_HORZ");
    if (state == XCB_ATOM_NONE)
        return;
    const xcb_atom_t atoms[] = {vertical, horizontal};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, state, XCB_ATOM_ATOM, 32, 2,
                        atoms);
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = state;
    event.data.data32[0] = 1; // _NET_WM_STATE_ADD
    event.data.data32[1] = vertical;
    event.data.data32[2] = horizontal;
    event.data.data32[3] = 1; // a normal application
    sendToRoot(connection, root, &event);
}

} // namespace

QList<WindowId> FindWindows(const std::function<bool(const QString& caption)>& wanted) {
    QList<WindowId> found;
    xcb_window_t root = XCB_WINDOW_NONE;
    const Connection connection = connect(&root);
    if (!connection)
        return found;
    QList<WindowId> windows = clientList(connection.get(), root);
    for (const WindowId window : rootChildren(connection.get(), root)) {
        if (!windows.contains(window))
            windows.append(window);
    }
    const xcb_atom_t netWmName = atom(connection.get(), "_NET_WM_NAME");
    const xcb_atom_t utf8 = atom(connection.get(), "UTF8_STRING");
    for (const WindowId window : windows) {
        if (wanted(caption(connection.get(), window, netWmName, utf8)))
            found.append(window);
    }
    return found;
}

bool ShowWindow(WindowId window, ShowCommand command) {
    xcb_window_t root = XCB_WINDOW_NONE;
    const Connection connection = connect(&root);
    if (!connection)
        return false;
    xcb_connection_t* c = connection.get();
    if (command == ShowCommand::Hide) {
        withdraw(c, root, window);
    } else {
        if (command == ShowCommand::ShowMaximized)
            maximise(c, root, window);
        xcb_map_window(c, window);
        const std::uint32_t above = XCB_STACK_MODE_ABOVE;
        xcb_configure_window(c, window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
    }
    // A round trip, so the requests have reached the server on return.
    ReplyPtr<xcb_get_input_focus_reply_t> sync(
        xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    return true;
}

qint64 WindowProcess(WindowId window) {
    xcb_window_t root = XCB_WINDOW_NONE;
    const Connection connection = connect(&root);
    if (!connection)
        return 0;
    const xcb_atom_t name = atom(connection.get(), "_NET_WM_PID");
    if (name == XCB_ATOM_NONE)
        return 0;
    const auto reply = property(connection.get(), window, name, XCB_ATOM_CARDINAL, 1);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 4)
        return 0;
    return *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
}

} // namespace WindowSearch
