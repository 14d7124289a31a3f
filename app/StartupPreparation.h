#pragma once

#include <future>

// The font set-up the first frame waits for, done on a thread of its own
// while the user-interface thread starts the toolkit and builds the window:
// first the machine's font configuration, before the toolkit is there; once
// it is, the font database (the menu bar's text waits for it) and the face
// of the board's text. On two cores the first frame comes that much sooner.
class StartupPreparation {
public:
    StartupPreparation();
    // Waits for the thread, which has long finished by then.
    ~StartupPreparation();
    StartupPreparation(const StartupPreparation&) = delete;
    StartupPreparation& operator=(const StartupPreparation&) = delete;

    // The application object exists.
    void ToolkitReady();

private:
    void Run(std::future<bool> toolkit);
    void Tell(bool toolkitReady);

    std::promise<bool> m_toolkit; // false: start-up ended before the toolkit was there
    bool m_told = false;
    std::future<void> m_done;
};
