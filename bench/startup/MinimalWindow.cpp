// The floor for start-up figures: an empty maximized Qt Widgets window that
// reports its first frame the way the game does.
#include "FirstFrameReport.h"
#include "LogLines.h"
#include "Logging.h"

#include <QApplication>
#include <QMainWindow>
#include <QPainter>
#include <QScreen>

class EmptyView : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Qt::white);
        if (m_painted)
            return;
        m_painted = true;
        qCDebug(lcPaint) << LogLines::kRepaint.text << size();
        FirstFrameReport::Arm(window()->windowHandle());
    }

private:
    bool m_painted = false;
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new EmptyView);
    if (QScreen* screen = window.screen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return QApplication::exec();
}
