#include "FirstFrameReport.h"

#include "LogLines.h"
#include "Logging.h"
#include "WindowSystemSync.h"

#include <QWindow>

void FirstFrameReport::Arm(QWindow* window) {
    if (window != nullptr && lcPaint().isDebugEnabled())
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
    qCDebug(lcPaint) << LogLines::kFirstFrame.text;
    deleteLater();
}
