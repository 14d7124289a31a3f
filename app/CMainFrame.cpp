#include "CMainFrame.h"

#include "AcceleratorTable.h"
#include "CommandIds.h"
#include "MenuTable.h"
#include "ViewHost.h"
#include "X11WindowHints.h"

#include <QMenuBar>
#include <QScreen>

CMainFrame::CMainFrame(ViewHost* host, CommandHandler onCommand)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_host(host), m_onCommand(std::move(onCommand)) {
    setCentralWidget(m_host);
    BuildMenu();
    BuildAccelerators();
    m_host->setFocus();
    connect(m_host, &ViewHost::FirstPaintDone, this, &CMainFrame::ForbidMoveAndResize,
            Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
}

QAction* CMainFrame::CommandAction(const QString& text, int command) {
    auto* action = new QAction(text, this);
    connect(action, &QAction::triggered, this, [this, command] { m_onCommand(command); });
    return action;
}

void CMainFrame::BuildMenu() {
    QMenu* current = nullptr;
    QString currentName;
    for (const MenuEntry& entry : MenuTable::Entries()) {
        if (current == nullptr || currentName != entry.menu) {
            currentName = entry.menu;
            current = menuBar()->addMenu(currentName);
            current->setSeparatorsCollapsible(false); // the File menu opens with one
        }
        if (entry.text == nullptr)
            current->addSeparator();
        else
            current->addAction(CommandAction(entry.text, entry.command));
    }
}

void CMainFrame::BuildAccelerators() {
    for (const Accelerator& accelerator : AcceleratorTable::Entries()) {
        QAction* action = CommandAction(QString(), accelerator.command);
        action->setShortcut(QKeySequence(accelerator.keys));
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    // There is no close box, and the help line promises Alt+F4 quits, so it
    // must work even where no window manager provides it.
    QAction* quit = CommandAction(QString(), ID_APP_EXIT);
    quit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    addAction(quit);
}

void CMainFrame::ShowMaximizedAtScreenSize() {
    if (QScreen* screen = this->screen())
        setGeometry(screen->availableGeometry());
    showMaximized();
}

// Only after the window manager has maximized the window, which it has done
// by the first paint: asking earlier stops it from maximizing at all.
void CMainFrame::ForbidMoveAndResize() {
    X11WindowHints::ForbidMoveAndResize(this);
}
