#include "CORLIXApp.h"

#include <QApplication>
#include <QIcon>

CORLIXApp theApp;

namespace {
QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icon/128-%1.png").arg(size), QSize(size, size));
    return icon;
}

// On a Wayland desktop the game runs through its X server (XWayland) unless
// the player chooses otherwise with QT_QPA_PLATFORM: only on X11 can it ask
// the window manager not to move, resize or un-maximize the window, whose
// layout is fixed to its first size. Without an X server, Qt's own choice
// (Wayland) stands.
void PreferX11WhereAvailable() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}
} // namespace

int main(int argc, char** argv) {
    PreferX11WhereAvailable();
    QApplication app(argc, argv);
    QApplication::setApplicationName(CORLIXApp::kAppName);
    QApplication::setWindowIcon(ApplicationIcon());
    if (!theApp.InitInstance(QApplication::arguments()))
        return 1;
    const int status = QApplication::exec();
    theApp.ExitInstance();
    return status;
}
