#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace {
const QCommandLineOption kHelp({"h", "help"}, "Show the options and exit.");
const QCommandLineOption kVersion({"v", "version"}, "Show the version and exit.");
const QCommandLineOption kPlatform("platform", "Qt platform plugin to use (xcb, wayland).", "name");
const QCommandLineOption kDisplay("display", "X display to use.", "display");

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        "O.R.L.I.X.: trace an outline with the arrow keys, one move at a time.");
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(CommandLine::Options());
    parser.addPositionalArgument("document", "A file to open as the (empty) document.",
                                 "[document]");
}
} // namespace

CommandLine::CommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    Describe(parser);
    parser.parse(arguments);
    const QString program = arguments.isEmpty() ? QString("orlix") : arguments.first();
    // The parser names the program from the application object, which does
    // not exist yet when help is asked for.
    const QString help = parser.helpText();
    m_helpText =
        QStringLiteral("Usage: %1 [options] [document]").arg(QFileInfo(program).fileName()) +
        help.mid(help.indexOf('\n'));
    if (parser.isSet(kHelp))
        m_request = Request::Help;
    else if (parser.isSet(kVersion))
        m_request = Request::Version;
    for (const QString& name : parser.unknownOptionNames())
        m_warnings << QStringLiteral("unknown option '%1' ignored").arg(name);
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty())
        m_document = files.first();
    for (const QString& extra : files.mid(1))
        m_warnings << QStringLiteral("only one document can be opened; '%1' ignored").arg(extra);
    m_toolkit << program;
    for (const QCommandLineOption& option : {kPlatform, kDisplay}) {
        if (parser.isSet(option))
            m_toolkit << "-" + option.names().first() << parser.value(option);
    }
}

QList<QCommandLineOption> CommandLine::Options() {
    return {kHelp, kVersion, kPlatform, kDisplay};
}

QString CommandLine::VersionText() const {
    return QCoreApplication::applicationName() + ' ' + QCoreApplication::applicationVersion() +
           '\n';
}
