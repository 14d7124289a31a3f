#pragma once

#include "FirstFrameReport.h"
#include "LogLines.h"
#include "Logging.h"

#include <QWidget>

// The floors' first paint, told the way the game tells its own: the paint's
// line, then the frame on screen, which the probe stops its clock at.
inline void ReportFirstPaint(QWidget& view, bool& reported) {
    if (reported)
        return;
    reported = true;
    qCDebug(lcPaint) << LogLines::kRepaint.text << view.size();
    FirstFrameReport::Arm(view.window()->windowHandle());
}
