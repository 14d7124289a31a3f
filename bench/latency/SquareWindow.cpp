// The floor for key-to-screen figures: a maximized Qt window that moves a
// 2 x 2 black square two pixels on Left and Right and asks for a repaint of
// the old and the new square only.
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>

class SquareWindow : public QWidget {
public:
    SquareWindow() { setAttribute(Qt::WA_OpaquePaintEvent); }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), Qt::white);
        painter.fillRect(Square(), Qt::black);
    }
    void keyPressEvent(QKeyEvent* event) override {
        const int step = event->key() == Qt::Key_Right ? 2 : event->key() == Qt::Key_Left ? -2 : 0;
        if (step == 0)
            return;
        const QRect old = Square();
        m_x += step;
        update(QRegion(old) + Square());
    }

private:
    QRect Square() const { return QRect(m_x, height() / 2, 2, 2); }

    int m_x = 200;
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SquareWindow window;
    window.setWindowTitle("square");
    if (QScreen* screen = window.screen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return QApplication::exec();
}
