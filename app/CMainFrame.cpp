#include "CMainFrame.h"

#include "AcceleratorTable.h"
#include "CommandIds.h"
#include "FirstFrameReport.h"
#include "LogLines.h"
#include "Logging.h"
#include "MenuSeparatorStyle.h"
#include "MenuTable.h"
#include "ViewHost.h"
#include "X11SettleWatcher.h"
#include "X11WindowHints.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

CMainFrame::CMainFrame(ViewHost* host, CommandHandler onCommand)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_host(host), m_onCommand(std::move(onCommand)) {
    setCentralWidget(m_host);
    BuildMenu();
    BuildAccelerators();
    m_host->setFocus();
    connect(m_host, &ViewHost::FirstPaintDone, this,
            [this] { FirstFrameReport::Arm(windowHandle()); });
    connect(m_host, &ViewHost::FirstPaintDone, this, &CMainFrame::ForbidMoveAndResize,
            Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
}

QAction* CMainFrame::CommandAction(const QString& text, int command) {
    auto* action = new QAction(text, this);
    connect(action, &QAction::triggered, this, [this, command] { m_onCommand(command); });
    return action;
}

void CMainFrame::BuildMenu() {
    auto* style = new MenuSeparatorStyle();
    style->setParent(this);
    QMenu* current = nullptr;
    QString currentName;
    for (const MenuEntry& entry : MenuTable::Entries()) {
        if (current == nullptr || currentName != entry.menu) {
            currentName = entry.menu;
            current = menuBar()->addMenu(QCoreApplication::translate("Menu", entry.menu));
            current->setSeparatorsCollapsible(false); // the File menu opens with one
            current->setStyle(style);
        }
        if (entry.text == nullptr)
            current->addSeparator();
        else
            current->addAction(MenuAction(entry));
    }
}

// The shortcut the entry's text names goes on the item itself, as the
// toolkit shows shortcuts (in the player's language): a screen reader then
// reads the item's name without it, and its key with it.
QAction* CMainFrame::MenuAction(const MenuEntry& entry) {
    const QString label = QCoreApplication::translate("Menu", entry.text).section('\t', 0, 0);
    QAction* action = CommandAction(label, entry.command);
    const QString keys = QString::fromLatin1(entry.text).section('\t', 1);
    if (!keys.isEmpty())
        action->setShortcut(QKeySequence(keys, QKeySequence::PortableText));
    return action;
}

// An accelerator a menu item already carries is not made twice: the two
// would make the key ambiguous.
void CMainFrame::BuildAccelerators() {
    QList<QKeySequence> onMenus;
    for (const QAction* action : findChildren<QAction*>())
        onMenus << action->shortcut();
    for (const Accelerator& accelerator : AcceleratorTable::Entries()) {
        if (onMenus.contains(QKeySequence(accelerator.keys)))
            continue;
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
    qCDebug(lcWindow) << LogLines::kPlatform.text << QGuiApplication::platformName();
    X11SettleWatcher* watcher = X11SettleWatcher::Create(this);
    if (watcher != nullptr) {
        m_host->HoldFirstPaint();
        connect(watcher, &X11SettleWatcher::Settled, this, [this, watcher] {
            m_host->ReleaseFirstPaint();
            watcher->deleteLater();
        });
    }
    FitAvailableArea();
    showMaximized();
}

void CMainFrame::FitAvailableArea() {
    if (QScreen* screen = this->screen())
        setGeometry(screen->availableGeometry());
}

// Only once the layout is fixed: asking earlier stops window managers from
// maximizing at all. The fixed size also refuses the fullscreen and resize
// that some window managers offer from their own menus. The hints go first:
// openbox un-maximizes a window that may no longer be maximized, and if its
// size were fixed already, would put it back where it was before, title bar
// off the screen.
void CMainFrame::ForbidMoveAndResize() {
    m_fixedAt = geometry().topLeft();
    X11WindowHints::ForbidMoveAndResize(this);
    setFixedSize(size());
}

// Some window managers still let the player move the window (kwin ignores
// the hints of a window that follows the newer conventions). It goes back to
// where its layout was fixed, once for each place it is moved to, so that a
// window manager that insists wins rather than being fought for ever.
void CMainFrame::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    const QPoint at = geometry().topLeft();
    if (!m_fixedAt || at == *m_fixedAt || at == m_lastMovedTo)
        return;
    qCDebug(lcWindow) << "moved to" << at << "and back to" << *m_fixedAt;
    m_lastMovedTo = at;
    setGeometry(QRect(*m_fixedAt, size()));
}
