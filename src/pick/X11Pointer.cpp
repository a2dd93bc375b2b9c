#include "pick/X11Pointer.h"

#include "pick/X11Connection.h"

#include <cstdlib>
#include <xcb/xcb.h>

std::optional<QPoint> x11Pointer::pixel() {
    xcb_connection_t* c = x11Connection();
    if (c == nullptr) {
        return std::nullopt;
    }
    // Any window of the screen will do: the answer is also given in its root's coordinates.
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    xcb_query_pointer_reply_t* reply =
        xcb_query_pointer_reply(c, xcb_query_pointer(c, screen->root), nullptr);
    if (reply == nullptr) {
        return std::nullopt;
    }
    const QPoint at(reply->root_x, reply->root_y);
    std::free(reply);
    return at;
}

bool x11Pointer::nudge(QPoint pixels) {
    xcb_connection_t* c = x11Connection();
    if (c == nullptr) {
        return false;
    }
    // No source and no destination window: a move relative to where the pointer is.
    xcb_warp_pointer(c, XCB_NONE, XCB_NONE, 0, 0, 0, 0, static_cast<std::int16_t>(pixels.x()),
                     static_cast<std::int16_t>(pixels.y()));
    xcb_flush(c);
    return true;
}
