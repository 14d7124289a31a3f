// The floor for start-up figures: an empty maximized Qt Widgets window that
// reports its first frame the way the game does.
#include "FloorPaint.h"

#include <QApplication>
#include <QMainWindow>
#include <QPainter>
#include <QScreen>

class EmptyView : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Qt::white);
        ReportFirstPaint(*this, m_painted);
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
