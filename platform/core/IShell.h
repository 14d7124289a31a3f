#pragma once

#include <string>

// What the view asks of the window and the process around it.
class IShell {
public:
    virtual ~IShell() = default;
    virtual void SetMainWindowTitle(const std::string& title) = 0;
    // The board in words, for a screen reader: its name and what it shows
    // now. Told when either changes.
    virtual void SetBoardText(const std::string& name, const std::string& description) = 0;
    // Ends the process at once with the status; does not return in the
    // real program (fakes record the call and return).
    virtual void ExitProcess(int status) = 0;
    // A modal box over the main window, captioned with the program's name,
    // with the exclamation-mark icon and one OK button; returns when closed.
    virtual void ShowMessageBox(const std::string& text) = 0;
    // Runs the scores dialog modally over the main window.
    virtual void RunScoresDialog() = 0;
};
