#include "X11Atoms.h"

#include <QGuiApplication>
#include <array>
#include <cstdlib>
#include <cstring>

namespace {
constexpr std::array<const char*, X11Atoms::kCount> kNames = {"_NET_WM_STATE",
                                                              "_NET_WM_STATE_MAXIMIZED_HORZ",
                                                              "_NET_WM_STATE_MAXIMIZED_VERT",
                                                              "_NET_FRAME_EXTENTS",
                                                              "_NET_WORKAREA",
                                                              "_MOTIF_WM_HINTS",
                                                              "_NET_SUPPORTING_WM_CHECK",
                                                              "_NET_SUPPORTED"};
} // namespace

xcb_atom_t X11Atoms::Get(Name name) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr)
        return XCB_ATOM_NONE;
    static std::array<xcb_atom_t, kCount> atoms{};
    if (atoms[name] == XCB_ATOM_NONE) {
        const char* text = kNames[name];
        auto* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(text)), text), nullptr);
        atoms[name] = reply != nullptr ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
    }
    return atoms[name];
}
