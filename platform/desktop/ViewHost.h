#pragma once

#include "CView.h"
#include "ClientArea.h"
#include "QueuedRepeats.h"

#include <QPointer>
#include <QRegion>
#include <QWidget>

// The widget that shows a view: it owns the client image, turns Qt's paint,
// key and mouse events into the view's handlers and puts the image on screen.
// The view repaints (erase, then OnDraw clipped to the invalid part) where
// the window system invalidated it: the whole client when the window is
// first shown, resized or Repaint() is called, the uncovered part when a
// dialog closes over it or the window system exposes it. A handler's own
// drawing is only put on screen, the part it touched, before the next event
// is handled.
class ViewHost : public QWidget {
    Q_OBJECT
public:
    explicit ViewHost(CView* view, QWidget* parent = nullptr);
    ~ViewHost() override;

    // Redraws the whole view now, as the game's forced repaint does.
    void Repaint();
    // Marks part of the client (in this widget's coordinates) for a repaint.
    void Invalidate(const QRegion& region);
    // The view's first paint fixes its layout, so it waits until the window
    // has its final size: while held, the host shows plain white.
    void HoldFirstPaint() { m_held = !m_painted; }
    void ReleaseFirstPaint();
    ClientArea& Client() { return m_client; }
    // The board in words, for a screen reader, which also speaks what
    // changed.
    void SetBoardText(const QString& name, const QString& description);
    // On a scaled screen the logical size of an unchanged window can round
    // either way by one pixel; that is no change of the client size.
    static bool IsScalingJitter(QSize before, QSize after, qreal devicePixelRatio);

signals:
    // The view has painted for the first time: its layout is now fixed.
    // Sent at the end of that paint.
    void FirstPaintDone();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void InvalidateAll();
    void ShowTouched();
    void WatchWindowExposures();
    void InvalidateUnder(const QWidget* closedWindow);

    CView* m_view;
    ClientArea m_client;
    QueuedRepeats m_repeats;
    QRegion m_invalid;
    QPointer<QWindow> m_watchedWindow;
    bool m_painted = false;
    bool m_held = false;
};
