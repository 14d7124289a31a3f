#pragma once

#include "IShell.h"

class QWidget;
class ViewHost;

// The view's window and process services on the desktop.
class QtShell : public IShell {
public:
    void SetMainWindow(QWidget* window, ViewHost* board) {
        m_window = window;
        m_board = board;
    }
    void SetMainWindowTitle(const std::string& title) override;
    void SetBoardText(const std::string& name, const std::string& description) override;
    [[noreturn]] void ExitProcess(int status) override;
    void ShowMessageBox(const std::string& text) override;
    void RunScoresDialog() override;

private:
    QWidget* m_window = nullptr;
    ViewHost* m_board = nullptr;
};
