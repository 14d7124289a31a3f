#pragma once

#include <QSize>
#include <QtGlobal>
#include <future>
#include <memory>
#include <vector>

class ResourceIconEngine;

// What start-up needs that need not be made on the user-interface thread,
// made on a thread of its own while that thread starts the toolkit and
// builds the window. First, before the toolkit is there, the machine's font
// configuration is read; once it is there, the program's icon is decoded
// (and made ready for the X11 window),
// the font database read in (the menu bar's text waits for it) with the
// face of the board's text registered, and the board's fonts are worked out
// for the client sizes the window is likely to get, so that the first
// paint finds their sizes known. On two cores, the first frame comes that
// much sooner.
class StartupPreparation {
public:
    StartupPreparation();
    // Waits for the thread, which has long finished by then.
    ~StartupPreparation();
    StartupPreparation(const StartupPreparation&) = delete;
    StartupPreparation& operator=(const StartupPreparation&) = delete;

    // The application object exists; screen: the room a maximized window
    // has.
    void ToolkitReady(QSize screen);
    struct Icon {
        std::unique_ptr<ResourceIconEngine> engine; // null when the toolkit was never ready
        std::vector<quint32> x11Data;               // see X11WindowIcon
    };
    // The decoded icon, once; waits for it if need be.
    Icon TakeIcon();

private:
    void Run();
    static void PrepareFonts(QSize screen);

    std::promise<QSize> m_toolkit;
    std::future<QSize> m_screen;
    bool m_toolkitReady = false;
    std::promise<Icon> m_iconPromise;
    std::future<Icon> m_icon;
    std::future<void> m_done;
};
