#pragma once

#include <QMainWindow>
#include <functional>
#include <optional>

class ViewHost;
struct MenuEntry;

// The fixed main window: caption and menu bar, no system menu or caption
// buttons, no toolbar or status bar; the view fills the client area. Menu
// and accelerators come from their tables; each command goes to the handler
// set for its id, and a command nobody handles still consumes its keys.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    using CommandHandler = std::function<void(int command)>;

    CMainFrame(ViewHost* host, CommandHandler onCommand);
    ViewHost* Host() const { return m_host; }
    // Shows the window maximized at the screen's size. The view's first
    // paint waits until the window system has settled the window, so that
    // it sees the final client size.
    void ShowMaximizedAtScreenSize();
    // Takes the screen's free area. Done before anything makes the native
    // window, the window is made at that size: resized afterwards, it would
    // ask the window manager, and weston answers a maximized window's
    // request by taking it out of the maximized state.
    void FitAvailableArea();

protected:
    void moveEvent(QMoveEvent* event) override;

private:
    void ForbidMoveAndResize();
    void BuildMenu();
    void BuildAccelerators();
    QAction* CommandAction(const QString& text, int command);
    QAction* MenuAction(const MenuEntry& entry);

    ViewHost* m_host;
    CommandHandler m_onCommand;
    std::optional<QPoint> m_fixedAt; // where the window was when its layout was fixed
    std::optional<QPoint> m_lastMovedTo;
};
