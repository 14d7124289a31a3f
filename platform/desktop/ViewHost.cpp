#include "ViewHost.h"

#include "BoardAccessible.h"
#include "InputHold.h"
#include "LogLines.h"
#include "Logging.h"
#include "VirtualKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace {
constexpr unsigned MK_LBUTTON = 0x1, MK_RBUTTON = 0x2, MK_SHIFT = 0x4, MK_CONTROL = 0x8;

unsigned MouseFlags(const QMouseEvent& event) {
    unsigned flags = 0;
    if (event.buttons() & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (event.buttons() & Qt::RightButton)
        flags |= MK_RBUTTON;
    if (event.modifiers() & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (event.modifiers() & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}

// Alt combinations and F10 belong to the menu bar, never to the view.
bool IsSystemKey(const QKeyEvent& event) {
    return (event.modifiers() & Qt::AltModifier) || event.key() == Qt::Key_Alt ||
           event.key() == Qt::Key_AltGr || event.key() == Qt::Key_F10;
}

// The part of a window the window system asks to have painted again.
QRegion ExposedRegion(QEvent* event) {
    if (event->type() == QEvent::Paint)
        return static_cast<QPaintEvent*>(event)->region();
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    return static_cast<QExposeEvent*>(event)->region();
    QT_WARNING_POP
}

bool IsDialog(const QObject* object) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget != nullptr && widget->isWindow() &&
           (widget->windowType() == Qt::Dialog || widget->windowType() == Qt::Sheet);
}
} // namespace

ViewHost::ViewHost(CView* view, QWidget* parent) : QWidget(parent), m_view(view) {
    static const bool accessible = [] {
        QAccessible::installFactory(BoardAccessible::Create);
        return true;
    }();
    Q_UNUSED(accessible);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_view->AttachClientArea(&m_client);
    m_client.SetShowNow([this] { ShowTouched(); });
    qApp->installEventFilter(this);
}

ViewHost::~ViewHost() {
    m_view->AttachClientArea(nullptr);
}

void ViewHost::Repaint() {
    InvalidateAll();
    repaint();
}

void ViewHost::Invalidate(const QRegion& region) {
    const QRegion inside = region & rect();
    if (inside.isEmpty())
        return;
    m_invalid += inside;
    update(inside);
}

// A screen reader reads a colon out, so the spoken text goes without.
void ViewHost::SetBoardText(const QString& name, const QString& description) {
    const bool newName = name != accessibleName();
    if (newName)
        setAccessibleName(name);
    if (description != accessibleDescription())
        setAccessibleDescription(description);
    QString spoken = newName && !description.isEmpty() ? name + ". " + description
                     : newName                         ? name
                                                       : description;
    BoardAccessible::Announce(this, spoken.replace(QLatin1String(": "), QLatin1String(" ")));
}

void ViewHost::ReleaseFirstPaint() {
    if (!m_held)
        return;
    m_held = false;
    InvalidateAll();
}

// What a handler drew goes to the screen, and only that: a move changes a
// pen cell and three counter lines, not the window. It goes at once, so
// that no later event (a brr that holds the input) comes before it.
void ViewHost::ShowTouched() {
    const QRegion touched = m_client.TakeTouched();
    if (!touched.isEmpty())
        repaint(touched);
}

void ViewHost::InvalidateAll() {
    m_invalid = QRegion(rect());
    update();
}

// Qt restores an uncovered window from its own buffer, but the view must
// paint what is uncovered again (its paint also rebuilds the title), so the
// uncovered part is invalidated: the area a closed dialog covered, and
// whatever the window system exposes.
bool ViewHost::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && IsDialog(watched))
        InvalidateUnder(static_cast<const QWidget*>(watched));
    else if (watched == m_watchedWindow &&
             (event->type() == QEvent::Expose || event->type() == QEvent::Paint) &&
             m_watchedWindow->isExposed())
        Invalidate(ExposedRegion(event).translated(-mapTo(window(), QPoint(0, 0))));
    return QWidget::eventFilter(watched, event);
}

void ViewHost::InvalidateUnder(const QWidget* closedWindow) {
    // The frame as the window manager reports it, or at least the window
    // itself where a window manager reports a frame smaller than the window.
    const QRect covered = closedWindow->frameGeometry().united(closedWindow->geometry());
    Invalidate(QRect(mapFromGlobal(covered.topLeft()), covered.size()));
}

void ViewHost::WatchWindowExposures() {
    QWindow* handle = window()->windowHandle();
    if (handle == nullptr || handle == m_watchedWindow)
        return;
    if (m_watchedWindow != nullptr)
        m_watchedWindow->removeEventFilter(this);
    m_watchedWindow = handle;
    m_watchedWindow->installEventFilter(this);
}

void ViewHost::paintEvent(QPaintEvent*) {
    if (m_held) {
        QPainter(this).fillRect(rect(), Qt::white);
        return;
    }
    if (!m_invalid.isEmpty()) {
        const QRegion invalid = std::exchange(m_invalid, QRegion());
        qCDebug(lcPaint) << LogLines::kRepaint.text << m_client.Image().size()
                         << invalid.boundingRect();
        m_view->OnPaint(invalid);
    }
    // The image is in logical pixels; on a high-DPI screen it is scaled up
    // without smoothing so the game stays crisp.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (m_client.Image().size() != size())
        painter.fillRect(rect(), Qt::white);
    painter.drawImage(QRect(QPoint(0, 0), m_client.Image().size()), m_client.Image());
    if (!m_painted) {
        m_painted = true;
        emit FirstPaintDone();
    }
}

bool ViewHost::IsScalingJitter(QSize before, QSize after, qreal devicePixelRatio) {
    if (devicePixelRatio == 1.0 || before.isEmpty())
        return false;
    return qAbs(after.width() - before.width()) <= 1 && qAbs(after.height() - before.height()) <= 1;
}

void ViewHost::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_painted && IsScalingJitter(m_client.Image().size(), size(), devicePixelRatioF()))
        return;
    m_client.Resize(width(), height());
    InvalidateAll();
}

void ViewHost::showEvent(QShowEvent* event) {
    InvalidateAll();
    WatchWindowExposures();
    QWidget::showEvent(event);
}

void ViewHost::keyPressEvent(QKeyEvent* event) {
    const unsigned vk = ToVirtualKey(event->key());
    if (IsSystemKey(*event) || vk == 0) {
        event->ignore();
        return;
    }
    const auto ms = [](InputHold::Clock::time_point at) {
        return qint64(
            std::chrono::duration_cast<std::chrono::milliseconds>(at.time_since_epoch()).count());
    };
    const bool repeat = m_repeats.IsRepeat(vk, event->isAutoRepeat(), event->timestamp());
    if (m_repeats.Merges(vk, repeat, event->timestamp(), ms(InputHold::Clock::now()),
                         ms(InputHold::LastEnd())))
        return;
    qCDebug(lcKeys) << LogLines::kKey.text << vk;
    m_view->OnKeyDown(vk, 1, event->isAutoRepeat() ? 0x4000u : 0u);
    ShowTouched();
}

void ViewHost::keyReleaseEvent(QKeyEvent* event) {
    m_repeats.Released(ToVirtualKey(event->key()), event->timestamp());
    QWidget::keyReleaseEvent(event);
}

void ViewHost::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const Point point{at.x(), at.y()};
    if (event->button() == Qt::LeftButton) {
        qCDebug(lcKeys) << LogLines::kLeftClick.text << at;
        m_view->OnLButtonDown(MouseFlags(*event), point);
    } else if (event->button() == Qt::RightButton)
        m_view->OnRButtonDown(MouseFlags(*event), point);
    ShowTouched();
}

// The second press of a double click is a double click, not another press:
// double-clicking a thumbnail selects it once and is not refused.
void ViewHost::mouseDoubleClickEvent(QMouseEvent*) {}

// Tab is an ordinary key of the view, not a focus change.
bool ViewHost::focusNextPrevChild(bool) {
    return false;
}
