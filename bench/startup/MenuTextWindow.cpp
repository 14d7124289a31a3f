// The second floor for start-up figures: what any Qt game with a menu and
// some text pays. A maximized main window with a two-menu bar and a central
// widget that paints white, one 21 x 21 picture and two lines of bold
// 14-pixel text, reporting its first frame the way the game does.
#include "FloorPaint.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>

class MenuTextView : public QWidget {
public:
    MenuTextView() : m_picture(21, 21, QImage::Format_RGB32) {
        m_picture.fill(Qt::blue);
        m_font.setPixelSize(14);
        m_font.setBold(true);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.drawImage(10, 10, m_picture);
        painter.setFont(m_font);
        painter.drawText(10, 60,
                         QStringLiteral("Select an outline by left clicking on one of the "
                                        "images above."));
        painter.drawText(10, height() - 10, QStringLiteral("To view the instructions, press F1."));
        ReportFirstPaint(*this, m_painted);
    }

private:
    QImage m_picture;
    QFont m_font;
    bool m_painted = false;
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Print..."));
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About..."));
    window.setCentralWidget(new MenuTextView);
    if (QScreen* screen = window.screen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return QApplication::exec();
}
