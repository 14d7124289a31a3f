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
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(CORLIXApp::kAppName);
    QApplication::setWindowIcon(ApplicationIcon());
    if (!theApp.InitInstance(QApplication::arguments()))
        return 1;
    const int status = QApplication::exec();
    theApp.ExitInstance();
    return status;
}
