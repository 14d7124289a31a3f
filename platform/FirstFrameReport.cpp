#include "FirstFrameReport.h"

#include "WindowSystemSync.h"

#include <QLoggingCategory>
#include <QWindow>

namespace {
Q_LOGGING_CATEGORY(lcFirstFrame, "orlix.paint", QtWarningMsg)
} // namespace

void FirstFrameReport::Arm(QWindow* window) {
    if (window != nullptr && lcFirstFrame().isDebugEnabled())
        new FirstFrameReport(window);
}

FirstFrameReport::FirstFrameReport(QWindow* window) : QObject(window), m_window(window) {
    window->installEventFilter(this);
    QMetaObject::invokeMethod(this, &FirstFrameReport::Report, Qt::QueuedConnection);
}

bool FirstFrameReport::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window)
        Report();
    return QObject::eventFilter(watched, event);
}

void FirstFrameReport::Report() {
    if (m_done)
        return;
    m_done = true;
    if (m_window != nullptr)
        m_window->removeEventFilter(this);
    WindowSystemSync::RoundTrip();
    qCDebug(lcFirstFrame) << "first frame on screen";
    deleteLater();
}
