#include "X11WindowHints.h"

#include <QGuiApplication>
#include <QWidget>
#include <xcb/xcb.h>

namespace {
// _MOTIF_WM_HINTS: flags (functions, decorations), functions, decorations,
// input mode, status.
constexpr quint32 kFlagFunctions = 1, kFlagDecorations = 2;
// No window-manager functions at all: moving, resizing and maximizing would
// all break the fixed layout; the program closes itself (Alt+F4, File Exit).
constexpr quint32 kNoFunctions = 0;
constexpr quint32 kDecorBorder = 2, kDecorTitle = 8;
} // namespace

void X11WindowHints::ForbidMoveAndResize(QWidget* window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || window == nullptr)
        return;
    xcb_connection_t* connection = x11->connection();
    if (connection == nullptr) // the offscreen platform answers with no connection
        return;
    const char name[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr);
    if (atom == nullptr)
        return;
    const quint32 hints[5] = {kFlagFunctions | kFlagDecorations, kNoFunctions,
                              kDecorBorder | kDecorTitle, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()),
                        atom->atom, atom->atom, 32, 5, hints);
    xcb_flush(connection);
    free(atom);
}
