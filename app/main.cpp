#include "CORLIXApp.h"
#include "CommandLine.h"
#include "TerminationSignal.h"
#include "Translations.h"

#include <QApplication>
#include <QFile>
#include <cstdio>
#include <vector>

CORLIXApp theApp;

namespace {
// On a Wayland desktop the game runs through its X server (XWayland) unless
// the player chooses otherwise with QT_QPA_PLATFORM: only on X11 can it ask
// the window manager not to move, resize or un-maximize the window, whose
// layout is fixed to its first size. Without an X server, Qt's own choice
// (Wayland) stands.
void PreferX11WhereAvailable() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

QStringList Arguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
    return arguments;
}

// QApplication keeps pointers to its arguments for the whole run.
struct ToolkitArgv {
    explicit ToolkitArgv(const QStringList& arguments) {
        for (const QString& argument : arguments)
            storage.push_back(QFile::encodeName(argument));
        for (QByteArray& argument : storage)
            pointers.push_back(argument.data());
        pointers.push_back(nullptr);
        argc = int(storage.size());
    }
    std::vector<QByteArray> storage;
    std::vector<char*> pointers;
    int argc = 0;
};

int Run(const CommandLine& commandLine) {
    PreferX11WhereAvailable();
    theApp.StartPreparing();
    ToolkitArgv toolkit(commandLine.ToolkitArguments());
    QApplication app(toolkit.argc, toolkit.pointers.data());
    const Translations translations;
    for (const QString& warning : commandLine.Warnings())
        std::fprintf(stderr, "orlix: %s\n", qPrintable(warning));
    QApplication::setDesktopFileName(ORLIX_APP_ID);
    QStringList arguments{QApplication::applicationFilePath()};
    if (!commandLine.Document().isEmpty())
        arguments << commandLine.Document();
    if (!theApp.InitInstance(arguments))
        return 1;
    const TerminationSignal termination;
    const int status = QApplication::exec();
    theApp.ExitInstance();
    return status;
}
} // namespace

// Help and version need no display, and neither touches any file. Help is
// in the player's language, which takes an application object.
int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(CORLIXApp::kAppName);
    QCoreApplication::setApplicationVersion(ORLIX_VERSION);
    const CommandLine commandLine(Arguments(argc, argv));
    switch (commandLine.What()) {
    case CommandLine::Request::Help: {
        const QCoreApplication core(argc, argv);
        const Translations translations;
        std::fputs(qPrintable(commandLine.HelpText()), stdout);
        return 0;
    }
    case CommandLine::Request::Version:
        std::fputs(qPrintable(commandLine.VersionText()), stdout);
        return 0;
    case CommandLine::Request::Run:
        break;
    }
    return Run(commandLine);
}
