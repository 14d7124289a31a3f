#include "X11WindowIcon.h"

#include "X11Atoms.h"

#include <QGuiApplication>
#include <QWidget>
#include <vector>
#include <xcb/xcb.h>

namespace {
// Width, height, then the pixels as ARGB, row by row.
void Append(const QImage& image, std::vector<quint32>& data) {
    data.push_back(quint32(image.width()));
    data.push_back(quint32(image.height()));
    const QList<QRgb> colours = image.colorTable();
    const QImage pixels = image.format() == QImage::Format_Indexed8
                              ? image
                              : image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        const uchar* line = pixels.constScanLine(y);
        for (int x = 0; x < pixels.width(); ++x) {
            if (pixels.format() == QImage::Format_Indexed8)
                data.push_back(line[x] < colours.size() ? colours[line[x]] : 0u);
            else
                data.push_back(reinterpret_cast<const QRgb*>(line)[x]);
        }
    }
}
} // namespace

std::vector<quint32> X11WindowIcon::Data(const QList<QImage>& sizes) {
    std::size_t length = 0;
    for (const QImage& image : sizes)
        length += 2 + std::size_t(image.width()) * std::size_t(image.height());
    std::vector<quint32> data;
    data.reserve(length);
    for (const QImage& image : sizes)
        Append(image, data);
    return data;
}

bool X11WindowIcon::Set(QWidget* window, const std::vector<quint32>& data) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr || window == nullptr)
        return false;
    const xcb_atom_t atom = X11Atoms::Get(X11Atoms::WmIcon);
    if (atom == XCB_ATOM_NONE)
        return false;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()), atom,
                        XCB_ATOM_CARDINAL, 32, quint32(data.size()), data.data());
    return true;
}
