#pragma once

#include "IShell.h"

class QWidget;

// The view's window and process services on the desktop.
class QtShell : public IShell {
public:
    void SetMainWindow(QWidget* window) { m_window = window; }
    void SetMainWindowTitle(const std::string& title) override;
    [[noreturn]] void ExitProcess(int status) override;
    void ShowMessageBox(const std::string& text) override;
    void RunScoresDialog() override;

private:
    QWidget* m_window = nullptr;
};
