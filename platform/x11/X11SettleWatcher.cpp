#include "X11SettleWatcher.h"

#include "LogLines.h"
#include "Logging.h"
#include "X11Atoms.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
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

// Up to count 32-bit values (atoms, windows, numbers) of a window's
// property of that type; none when the window has no such property.
std::vector<quint32> X11SettleWatcher::ReadProperty(quint32 window, quint32 property, quint32 type,
                                                    quint32 count) const {
    auto reply = Own(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, property, type, 0, count),
        nullptr));
    if (!reply)
        return {};
    const auto* values = static_cast<const quint32*>(xcb_get_property_value(reply.get()));
    return std::vector<quint32>(values, values + xcb_get_property_value_length(reply.get()) / 4);
}

bool X11SettleWatcher::WindowManagerRuns() const {
    return ReadProperty(m_root, X11Atoms::Get(X11Atoms::SupportingWmCheck), XCB_ATOM_WINDOW, 1)
               .size() == 1;
}

std::vector<quint32> X11SettleWatcher::Supported() const {
    return ReadProperty(m_root, X11Atoms::Get(X11Atoms::Supported), XCB_ATOM_ATOM, 1024);
}

void X11SettleWatcher::ReadState(WindowPlacement& p) const {
    const std::vector<quint32> atoms = ReadProperty(Window(), m_state, XCB_ATOM_ATOM, 32);
    p.maximizedHorz = std::find(atoms.begin(), atoms.end(), m_maxHorz) != atoms.end();
    p.maximizedVert = std::find(atoms.begin(), atoms.end(), m_maxVert) != atoms.end();
}

void X11SettleWatcher::ReadFrame(WindowPlacement& p) const {
    // left, right, top, bottom
    const std::vector<quint32> v = ReadProperty(Window(), m_extents, XCB_ATOM_CARDINAL, 4);
    if (v.size() != 4)
        return;
    p.framed = true;
    p.frame = QMargins(int(v[0]), int(v[2]), int(v[1]), int(v[3]));
}

QRect X11SettleWatcher::WorkArea() const {
    const std::vector<quint32> v = ReadProperty(m_root, m_workArea, XCB_ATOM_CARDINAL, 4);
    if (v.size() < 4)
        return m_window->screen()->geometry();
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
    p.mapped = m_mapped;
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
    qCDebug(lcWindow) << LogLines::kShown.text << "client" << ClientGeometry();
}

// What the window manager does before it maps the window is read once, when
// it maps it: nothing is painted before that, and each read is a round trip
// to an X server busy with the window manager's own work on the window.
void X11SettleWatcher::Check(const char* why) {
    if (!m_mapped) {
        qCDebug(lcWindow) << why << "before mapping";
        return;
    }
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
    const std::vector<quint32> hints = ReadProperty(Window(), m_motifHints, m_motifHints, 5);
    if (hints.size() != 5)
        return;
    qCDebug(lcWindow) << "asking again for the maximized size";
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, Window(), m_motifHints, m_motifHints,
                        32, 5, hints.data());
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
