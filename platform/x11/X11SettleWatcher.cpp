#include "X11SettleWatcher.h"

#include "LogLines.h"
#include "Logging.h"
#include "X11Atoms.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>
#include <xcb/xcb.h>

namespace {
template <typename Reply> using XcbReply = std::unique_ptr<Reply, decltype(&free)>;

template <typename Reply> XcbReply<Reply> Own(Reply* reply) {
    return XcbReply<Reply>(reply, &free);
}

// How long a window manager may take to maximize the window before the
// game paints at whatever size the window has then. Only one that claims
// to maximize and never does waits this long; a busy machine can slow a
// working one down to a second or more.
constexpr int kTimeLimitMs = 5000;
} // namespace

X11SettleWatcher* X11SettleWatcher::Create(QWidget* window) {
    // The offscreen platform answers for X11 too, without a connection.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr || window == nullptr)
        return nullptr;
    return new X11SettleWatcher(window, x11->connection());
}

X11SettleWatcher::X11SettleWatcher(QWidget* window, xcb_connection_t* connection)
    : QObject(window), m_window(window), m_connection(connection),
      m_root(xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root),
      m_state(X11Atoms::Get(X11Atoms::WmState)),
      m_maxHorz(X11Atoms::Get(X11Atoms::WmStateMaximizedHorz)),
      m_maxVert(X11Atoms::Get(X11Atoms::WmStateMaximizedVert)),
      m_extents(X11Atoms::Get(X11Atoms::FrameExtents)),
      m_workArea(X11Atoms::Get(X11Atoms::WorkArea)),
      m_motifHints(X11Atoms::Get(X11Atoms::MotifWmHints)) {
    m_limit.setSingleShot(true);
    m_limit.setInterval(kTimeLimitMs);
    connect(&m_limit, &QTimer::timeout, this, [this] {
        qCWarning(lcWindow) << LogLines::kSettledLate.text << kTimeLimitMs
                            << "ms; the first paint takes the size the window has:"
                            << m_window->size();
        Finish("time limit");
    });
    window->installEventFilter(this);
    qApp->installNativeEventFilter(this);
}

X11SettleWatcher::~X11SettleWatcher() {
    qApp->removeNativeEventFilter(this);
}

quint32 X11SettleWatcher::Window() const {
    return xcb_window_t(m_window->winId());
}

bool X11SettleWatcher::WindowManagerRuns() const {
    auto reply = Own(xcb_get_property_reply(
        m_connection,
        xcb_get_property(m_connection, 0, m_root, X11Atoms::Get(X11Atoms::SupportingWmCheck),
                         XCB_ATOM_WINDOW, 0, 1),
        nullptr));
    return reply && xcb_get_property_value_length(reply.get()) == 4;
}

std::vector<quint32> X11SettleWatcher::Supported() const {
    auto reply = Own(xcb_get_property_reply(m_connection,
                                            xcb_get_property(m_connection, 0, m_root,
                                                             X11Atoms::Get(X11Atoms::Supported),
                                                             XCB_ATOM_ATOM, 0, 1024),
                                            nullptr));
    if (!reply)
        return {};
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    return std::vector<quint32>(atoms, atoms + xcb_get_property_value_length(reply.get()) / 4);
}

void X11SettleWatcher::ReadState(WindowPlacement& p) const {
    auto reply = Own(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, Window(), m_state, XCB_ATOM_ATOM, 0, 32),
        nullptr));
    if (!reply)
        return;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    p.maximizedHorz = std::find(atoms, atoms + count, m_maxHorz) != atoms + count;
    p.maximizedVert = std::find(atoms, atoms + count, m_maxVert) != atoms + count;
}

void X11SettleWatcher::ReadFrame(WindowPlacement& p) const {
    auto reply = Own(xcb_get_property_reply(
        m_connection,
        xcb_get_property(m_connection, 0, Window(), m_extents, XCB_ATOM_CARDINAL, 0, 4), nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) != 16)
        return;
    // left, right, top, bottom
    const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    p.framed = true;
    p.frame = QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
}

QRect X11SettleWatcher::WorkArea() const {
    auto reply = Own(xcb_get_property_reply(
        m_connection,
        xcb_get_property(m_connection, 0, m_root, m_workArea, XCB_ATOM_CARDINAL, 0, 4), nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) < 16)
        return m_window->screen()->geometry();
    const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return QRect(int(v[0]), int(v[1]), int(v[2]), int(v[3]));
}

QRect X11SettleWatcher::ClientGeometry() const {
    auto geometry = Own(
        xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, Window()), nullptr));
    auto origin = Own(xcb_translate_coordinates_reply(
        m_connection, xcb_translate_coordinates(m_connection, Window(), m_root, 0, 0), nullptr));
    if (!geometry || !origin)
        return {};
    return QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
}

// What the X server holds now, which may be ahead of what Qt has applied.
WindowPlacement X11SettleWatcher::ReadPlacement() const {
    WindowPlacement p;
    p.canMaximize = m_canMaximize;
    p.tellsFrame = m_tellsFrame;
    p.configured = m_configured;
    ReadState(p);
    ReadFrame(p);
    p.workArea = WorkArea();
    p.client = ClientGeometry();
    p.applied = m_window->size();
    return p;
}

bool X11SettleWatcher::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (m_done || !m_shown || eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7f) {
    case XCB_MAP_NOTIFY:
        if (reinterpret_cast<const xcb_map_notify_event_t*>(event)->window == Window()) {
            m_mapped = true;
            Check("mapped");
        }
        break;
    case XCB_CONFIGURE_NOTIFY:
        if (reinterpret_cast<const xcb_configure_notify_event_t*>(event)->window == Window()) {
            m_configured = m_mapped;
            Check("configured");
        }
        break;
    case XCB_PROPERTY_NOTIFY: {
        const auto* e = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        if ((e->window == Window() && (e->atom == m_state || e->atom == m_extents)) ||
            (e->window == m_root && e->atom == m_workArea))
            Check("told");
        break;
    }
    default:
        break;
    }
    return false;
}

// Qt applies a new size in its own time after the X event: the check runs
// again when it has.
bool X11SettleWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && !m_done) {
        if (event->type() == QEvent::Show && !m_shown)
            OnShown();
        else if (m_shown && event->type() == QEvent::Resize)
            Check("applied");
    }
    return QObject::eventFilter(watched, event);
}

void X11SettleWatcher::OnShown() {
    m_shown = true;
    if (!WindowManagerRuns()) {
        Finish("no window manager");
        return;
    }
    const std::vector<xcb_atom_t> supported = Supported();
    const auto supports = [&supported](xcb_atom_t atom) {
        return std::find(supported.begin(), supported.end(), atom) != supported.end();
    };
    m_canMaximize = supports(m_maxHorz) && supports(m_maxVert);
    m_tellsFrame = supports(m_extents);
    m_limit.start();
    Check(LogLines::kShown.text);
}

void X11SettleWatcher::Check(const char* why) {
    const WindowPlacement p = ReadPlacement();
    qCDebug(lcWindow) << why << "maximized" << (p.maximizedHorz && p.maximizedVert) << "frame"
                      << p.framed << p.frame << "work area" << p.workArea << "client" << p.client
                      << "applied" << p.applied;
    if (p.IsSettled())
        Finish(why);
    else if (p.IsMaximizedInNameOnly() && !m_rewroteHints)
        RewriteMotifHints();
}

// Writing the window's own Motif hints again, unchanged, makes the window
// manager look at the window anew and apply the maximized size.
void X11SettleWatcher::RewriteMotifHints() {
    m_rewroteHints = true;
    auto reply = Own(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, Window(), m_motifHints, m_motifHints, 0, 5),
        nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) != 20)
        return;
    qCDebug(lcWindow) << "asking again for the maximized size";
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, Window(), m_motifHints, m_motifHints,
                        32, 5, xcb_get_property_value(reply.get()));
    xcb_flush(m_connection);
}

void X11SettleWatcher::Finish(const char* why) {
    if (m_done)
        return;
    m_done = true;
    m_limit.stop();
    qCDebug(lcWindow) << LogLines::kSettled.text << why << "at" << m_window->size();
    emit Settled();
}
