#include "QtShell.h"

#include <QWidget>
#include <cstdio>
#include <cstdlib>

void QtShell::SetMainWindowTitle(const std::string& title) {
    if (m_window != nullptr)
        m_window->setWindowTitle(QString::fromLocal8Bit(title.c_str()));
}

void QtShell::ExitProcess(int status) {
    std::fflush(nullptr);
    std::exit(status);
}
