// Closes the game's window the way a window manager's close button does: a WM_DELETE_WINDOW
// message, which the game answers by saving and leaving as it does for a player. Killing it
// instead would lose what it saves.
// Usage: pv_close_window TITLE-PREFIX SECONDS   (waits up to SECONDS for a shown window whose
// title starts with TITLE-PREFIX to appear and go; exit 0 once it went, 1 otherwise)
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

template <typename T>
std::unique_ptr<T, decltype(&std::free)> Owned(T* reply) {
    return {reply, &std::free};
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    auto reply = Owned(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::string(name).size()), name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::string Title(xcb_connection_t* c, xcb_window_t w) {
    auto reply = Owned(xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
        nullptr));
    if (!reply) return {};
    return {static_cast<const char*>(xcb_get_property_value(reply.get())),
            static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
}

bool Shown(xcb_connection_t* c, xcb_window_t w) {
    auto reply =
        Owned(xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr));
    return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

xcb_window_t FindWindow(xcb_connection_t* c, xcb_window_t root, const std::string& prefix) {
    auto tree = Owned(xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr));
    if (!tree) return XCB_WINDOW_NONE;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        if (Shown(c, children[i]) && Title(c, children[i]).starts_with(prefix)) {
            return children[i];
        }
    }
    return XCB_WINDOW_NONE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: pv_close_window TITLE-PREFIX SECONDS\n");
        return 2;
    }
    const std::string prefix = argv[1];
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "pv_close_window: cannot open the display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t protocols = Atom(c, "WM_PROTOCOLS");
    const xcb_atom_t deleteWindow = Atom(c, "WM_DELETE_WINDOW");
    // Asked again each second while the window stays: one sent while the window is still being
    // set up can be lost. Done once a window was asked and none is shown any more.
    bool asked = false;
    for (int tick = 0; tick < std::atoi(argv[2]) * 10; ++tick) {
        xcb_window_t w = FindWindow(c, root, prefix);
        if (w == XCB_WINDOW_NONE && asked) {
            xcb_disconnect(c);
            return 0;
        }
        if (w != XCB_WINDOW_NONE && tick % 10 == 0) {
            xcb_client_message_event_t event{};
            event.response_type = XCB_CLIENT_MESSAGE;
            event.format = 32;
            event.window = w;
            event.type = protocols;
            event.data.data32[0] = deleteWindow;
            event.data.data32[1] = XCB_CURRENT_TIME;
            xcb_send_event(c, 0, w, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
            xcb_flush(c);
            asked = true;
        }
        usleep(100 * 1000);
    }
    std::fprintf(stderr, "pv_close_window: no window titled \"%s...\" appeared and closed\n",
                 prefix.c_str());
    xcb_disconnect(c);
    return 1;
}
