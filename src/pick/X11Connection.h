#pragma once

#include <QGuiApplication>
#include <xcb/xcb.h>

// Qt's own connection to the X server, so that our requests keep their order among Qt's
// (a window moved by Qt is moved before our next read); none off X11.
inline xcb_connection_t* x11Connection() {
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}
