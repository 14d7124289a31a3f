// The floor for start-up figures: an empty maximized Qt Widgets window that
// logs its first paint the way the game does.
#include <QApplication>
#include <QLoggingCategory>
#include <QMainWindow>
#include <QPainter>
#include <QScreen>

Q_LOGGING_CATEGORY(lcPaint, "orlix.paint", QtWarningMsg)

class EmptyView : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        if (!m_painted)
            qCDebug(lcPaint) << "OnDraw" << size();
        m_painted = true;
        QPainter(this).fillRect(rect(), Qt::white);
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
