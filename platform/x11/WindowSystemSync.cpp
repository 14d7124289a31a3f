#include "WindowSystemSync.h"

#include <QGuiApplication>
#include <cstdlib>
#include <xcb/xcb.h>

void WindowSystemSync::RoundTrip() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr)
        return;
    // Sending the request flushes what waits before it; its reply comes
    // once the server has handled all of that.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}
