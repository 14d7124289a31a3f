#pragma once

#include <QSize>
#include <future>
#include <memory>

class ResourceIconEngine;

// What start-up needs that need not be made on the user-interface thread,
// made on a thread of its own while that thread starts the toolkit and
// builds the window. First, before the toolkit is there, the machine's font
// configuration is read; once it is there, the program's icon is decoded,
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
    // The decoded icon, once; waits for it if need be. Null when the
    // toolkit was never ready.
    std::unique_ptr<ResourceIconEngine> TakeIcon();

private:
    void Run();
    static void PrepareFonts(QSize screen);

    std::promise<QSize> m_toolkit;
    std::future<QSize> m_screen;
    bool m_toolkitReady = false;
    std::promise<std::unique_ptr<ResourceIconEngine>> m_iconPromise;
    std::future<std::unique_ptr<ResourceIconEngine>> m_icon;
    std::future<void> m_done;
};
