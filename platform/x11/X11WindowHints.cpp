#include "X11WindowHints.h"

#include "X11Atoms.h"

#include <QGuiApplication>
#include <QWidget>
#include <xcb/xcb.h>

namespace {
// _MOTIF_WM_HINTS: flags (functions, decorations), functions, decorations,
// input mode, status.
constexpr quint32 kFlagFunctions = 1, kFlagDecorations = 2;
// Moving, resizing and maximizing would break the fixed layout; closing and
// minimizing do not, and without the close function window managers that
// honour these hints refuse Alt+F4 and their close button.
constexpr quint32 kFuncMinimize = 8, kFuncClose = 32;
constexpr quint32 kDecorBorder = 2, kDecorTitle = 8;
} // namespace

void X11WindowHints::ForbidMoveAndResize(QWidget* window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr || window == nullptr)
        return;
    const xcb_atom_t atom = X11Atoms::Get(X11Atoms::MotifWmHints);
    if (atom == XCB_ATOM_NONE)
        return;
    const quint32 hints[5] = {kFlagFunctions | kFlagDecorations, kFuncMinimize | kFuncClose,
                              kDecorBorder | kDecorTitle, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()), atom,
                        atom, 32, 5, hints);
    xcb_flush(connection);
}
