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
                                                              "_NET_SUPPORTED",
                                                              "_NET_WM_ICON"};

struct State {
    xcb_connection_t* connection = nullptr;
    bool asked = false;
    bool answered = false;
    std::array<xcb_intern_atom_cookie_t, X11Atoms::kCount> cookies{};
    std::array<xcb_atom_t, X11Atoms::kCount> atoms{};
};

State& Atoms() {
    static State state;
    return state;
}
} // namespace

void X11Atoms::Prefetch() {
    State& state = Atoms();
    if (state.asked)
        return;
    state.asked = true;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    state.connection = x11 != nullptr ? x11->connection() : nullptr;
    if (state.connection == nullptr)
        return;
    for (int i = 0; i < kCount; ++i)
        state.cookies[i] =
            xcb_intern_atom(state.connection, 0, uint16_t(std::strlen(kNames[i])), kNames[i]);
    xcb_flush(state.connection);
}

xcb_atom_t X11Atoms::Get(Name name) {
    Prefetch();
    State& state = Atoms();
    if (state.connection == nullptr)
        return XCB_ATOM_NONE;
    if (!state.answered) {
        state.answered = true;
        for (int i = 0; i < kCount; ++i) {
            auto* reply = xcb_intern_atom_reply(state.connection, state.cookies[i], nullptr);
            state.atoms[i] = reply != nullptr ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
            std::free(reply);
        }
    }
    return state.atoms[name];
}
