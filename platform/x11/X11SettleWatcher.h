#pragma once

#include "WindowPlacement.h"

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QTimer>
#include <vector>

class QWidget;
struct xcb_connection_t;

// Watches an X11 window from its first show until the window manager has
// settled it: mapped, maximized, framed and at its final size, and Qt has
// applied that size. With no window manager the window is settled once
// shown; a window manager that never maximizes it is given a time limit.
class X11SettleWatcher : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // Null when the platform is not X11.
    static X11SettleWatcher* Create(QWidget* window);
    ~X11SettleWatcher() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    void Settled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    X11SettleWatcher(QWidget* window, xcb_connection_t* connection);
    quint32 Window() const;
    std::vector<quint32> ReadProperty(quint32 window, quint32 property, quint32 type,
                                      quint32 count) const;
    bool WindowManagerRuns() const;
    std::vector<quint32> Supported() const;
    void ReadState(WindowPlacement& p) const;
    void ReadFrame(WindowPlacement& p) const;
    QRect WorkArea() const;
    QRect ClientGeometry() const;
    WindowPlacement ReadPlacement() const;
    void OnShown();
    void Check(const char* why);
    void RewriteMotifHints();
    void Finish(const char* why);

    QWidget* m_window;
    xcb_connection_t* m_connection;
    quint32 m_root; // the root window and the atoms of the properties read
    quint32 m_state, m_maxHorz, m_maxVert, m_extents, m_workArea, m_motifHints;
    QTimer m_limit;
    bool m_canMaximize = false;
    bool m_tellsFrame = false;
    bool m_shown = false;
    bool m_mapped = false;
    bool m_configured = false;
    bool m_rewroteHints = false;
    bool m_done = false;
};
