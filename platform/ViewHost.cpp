#include "ViewHost.h"

#include "Logging.h"
#include "VirtualKeys.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

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
} // namespace

ViewHost::ViewHost(CView* view, QWidget* parent) : QWidget(parent), m_view(view) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_view->AttachClientArea(&m_client);
}

ViewHost::~ViewHost() {
    m_view->AttachClientArea(nullptr);
}

void ViewHost::Repaint() {
    m_redrawPending = true;
    repaint();
}

void ViewHost::paintEvent(QPaintEvent*) {
    if (m_redrawPending) {
        m_redrawPending = false;
        qCDebug(lcPaint) << "OnDraw" << m_client.Image().size();
        Surface dc(&m_client.Image());
        m_view->OnDraw(dc);
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
    m_redrawPending = true;
}

void ViewHost::showEvent(QShowEvent* event) {
    m_redrawPending = true;
    QWidget::showEvent(event);
}

void ViewHost::keyPressEvent(QKeyEvent* event) {
    const unsigned vk = ToVirtualKey(event->key());
    if (IsSystemKey(*event) || vk == 0) {
        event->ignore();
        return;
    }
    qCDebug(lcKeys) << "OnKeyDown" << vk;
    m_view->OnKeyDown(vk, 1, event->isAutoRepeat() ? 0x4000u : 0u);
    update();
}

void ViewHost::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const Point point{at.x(), at.y()};
    if (event->button() == Qt::LeftButton)
        m_view->OnLButtonDown(MouseFlags(*event), point);
    else if (event->button() == Qt::RightButton)
        m_view->OnRButtonDown(MouseFlags(*event), point);
    update();
}

// The second press of a double click is a double click, not another press:
// double-clicking a thumbnail selects it once and is not refused.
void ViewHost::mouseDoubleClickEvent(QMouseEvent*) {}

// Tab is an ordinary key of the view, not a focus change.
bool ViewHost::focusNextPrevChild(bool) {
    return false;
}
