#include "QtShell.h"

#include "CORLIXApp.h"
#include "CScoresDlg.h"
#include "FittingMessageBox.h"
#include "LogLines.h"
#include "Logging.h"
#include "ViewHost.h"

#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

void QtShell::SetMainWindowTitle(const std::string& title) {
    if (m_window != nullptr)
        m_window->setWindowTitle(QString::fromStdString(title));
}

void QtShell::SetBoardText(const std::string& name, const std::string& description) {
    if (m_board != nullptr)
        m_board->SetBoardText(QString::fromStdString(name), QString::fromStdString(description));
}

void QtShell::ExitProcess(int status) {
    std::fflush(nullptr);
    std::exit(status);
}

// The exclamation mark of the desktop this game came from is Qt's warning.
void QtShell::ShowMessageBox(const std::string& text) {
    FittingMessageBox box(QMessageBox::Warning, QString::fromLatin1(CORLIXApp::kAppName),
                          QString::fromStdString(text), QMessageBox::Ok, m_window);
    qCDebug(lcDialogs) << LogLines::kMessageBox.text << text.size() << "characters";
    // It takes the keyboard at once, with or without a window manager.
    QTimer::singleShot(0, &box, [&box] { box.activateWindow(); });
    box.exec();
}

void QtShell::RunScoresDialog() {
    theScoresDlg.DoModal(m_window);
}
