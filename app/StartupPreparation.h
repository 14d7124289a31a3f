#pragma once

#include <QSize>
#include <future>
#include <memory>

class ResourceIconEngine;

// What start-up needs that need not be made on the user-interface thread,
// made on a thread of its own while that thread builds the window: the
// program's icon decoded; the font database read in (the menu bar's text
// waits for it) with the face of the board's text registered; and the
// board's fonts worked out for the client sizes the window is likely to
// get, so that the first paint finds their sizes known. On two cores, the
// first frame comes that much sooner.
class StartupPreparation {
public:
    // screen: the room a maximized window has.
    explicit StartupPreparation(QSize screen);
    // Waits for the thread, which has long finished by then.
    ~StartupPreparation();
    StartupPreparation(const StartupPreparation&) = delete;
    StartupPreparation& operator=(const StartupPreparation&) = delete;

    // The decoded icon, once; waits for it if need be.
    std::unique_ptr<ResourceIconEngine> TakeIcon();

private:
    static void PrepareFonts(QSize screen);

    std::promise<std::unique_ptr<ResourceIconEngine>> m_promise;
    std::future<std::unique_ptr<ResourceIconEngine>> m_icon;
    std::future<void> m_done;
};
