#pragma once

#include "CView.h"
#include "ClientArea.h"

#include <QWidget>

// The widget that shows a view: it owns the client image, turns Qt's paint,
// key and mouse events into the view's handlers and puts the image on screen.
// The view's OnDraw runs when the window is first shown or resized and when
// Repaint() asks for it; a handler's own drawing is only put on screen.
class ViewHost : public QWidget {
    Q_OBJECT
public:
    explicit ViewHost(CView* view, QWidget* parent = nullptr);
    ~ViewHost() override;

    // Redraws the whole view now, as after a modal box covering it closed.
    void Repaint();
    ClientArea& Client() { return m_client; }
    // On a scaled screen the logical size of an unchanged window can round
    // either way by one pixel; that is no change of the client size.
    static bool IsScalingJitter(QSize before, QSize after, qreal devicePixelRatio);

signals:
    void FirstPaintDone();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    CView* m_view;
    ClientArea m_client;
    bool m_redrawPending = true;
    bool m_painted = false;
};
