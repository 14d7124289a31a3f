#pragma once

#include <QObject>
#include <QPointer>

class QWindow;

// Logs "first frame on screen" (category orlix.paint) once the window
// system holds a window's first frame: the start-up measurements stop their
// clock at that line. Armed at the end of the paint that made the frame, it
// reports at the first event the window receives after that paint (Qt has
// handed the frame over by then) or, if none comes sooner, when the event
// loop is back; first a round trip to the window system, so that the frame
// is there, not merely sent. Does nothing while that log is off.
class FirstFrameReport : public QObject {
public:
    static void Arm(QWindow* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FirstFrameReport(QWindow* window);
    void Report();

    QPointer<QWindow> m_window;
    bool m_done = false;
};
