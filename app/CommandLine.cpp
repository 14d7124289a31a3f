#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace {
const QCommandLineOption kHelp({"h", "help"},
                               QT_TRANSLATE_NOOP("CommandLine", "Show the options and exit."));
const QCommandLineOption kVersion({"v", "version"},
                                  QT_TRANSLATE_NOOP("CommandLine", "Show the version and exit."));
const QCommandLineOption kPlatform("platform",
                                   QT_TRANSLATE_NOOP("CommandLine",
                                                     "Qt platform plugin to use (xcb, wayland)."),
                                   //: The value of --platform, as --help shows it: <name>.
                                   QT_TRANSLATE_NOOP("CommandLine", "name"));
const QCommandLineOption kDisplay("display", QT_TRANSLATE_NOOP("CommandLine", "X display to use."),
                                  //: The value of --display, as --help shows it: <display>.
                                  QT_TRANSLATE_NOOP("CommandLine", "display"));

QString Tr(const QString& source) {
    return QCoreApplication::translate("CommandLine", source.toUtf8().constData());
}

// As --help shows it: in the player's language.
QCommandLineOption Translated(QCommandLineOption option) {
    option.setDescription(Tr(option.description()));
    if (!option.valueName().isEmpty())
        option.setValueName(Tr(option.valueName()));
    return option;
}

void Describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(Tr(QT_TRANSLATE_NOOP(
        "CommandLine", "O.R.L.I.X.: trace an outline with the arrow keys, one move at a time.")));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(CommandLine::Options());
    //: The document argument, as --help names it; the same word as in "[document]".
    parser.addPositionalArgument(
        Tr(QT_TRANSLATE_NOOP("CommandLine", "document")),
        Tr(QT_TRANSLATE_NOOP("CommandLine", "A file to open as the (empty) document.")),
        Tr(QT_TRANSLATE_NOOP("CommandLine", "[document]")));
}
} // namespace

CommandLine::CommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    Describe(parser);
    parser.parse(arguments);
    const QString program = arguments.isEmpty() ? QString("orlix") : arguments.first();
    m_programName = QFileInfo(program).fileName();
    if (parser.isSet(kHelp))
        m_request = Request::Help;
    else if (parser.isSet(kVersion))
        m_request = Request::Version;
    m_unknownOptions = parser.unknownOptionNames();
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty())
        m_document = files.first();
    m_ignoredDocuments = files.mid(1);
    m_toolkit << program;
    for (const QCommandLineOption& option : {kPlatform, kDisplay}) {
        if (parser.isSet(option))
            m_toolkit << "-" + option.names().first() << parser.value(option);
    }
}

// The parser names the program from the application object, which need not
// exist when help is asked for.
QString CommandLine::HelpText() const {
    QCommandLineParser parser;
    Describe(parser);
    const QString help = parser.helpText();
    //: The first line of --help; %1 is the program's name.
    return Tr(QT_TRANSLATE_NOOP("CommandLine", "Usage: %1 [options] [document]"))
               .arg(m_programName) +
           help.mid(help.indexOf('\n'));
}

QStringList CommandLine::Warnings() const {
    QStringList warnings;
    for (const QString& name : m_unknownOptions)
        warnings << Tr(QT_TRANSLATE_NOOP("CommandLine", "unknown option '%1' ignored")).arg(name);
    for (const QString& extra : m_ignoredDocuments)
        warnings << Tr(QT_TRANSLATE_NOOP("CommandLine",
                                         "only one document can be opened; '%1' ignored"))
                        .arg(extra);
    return warnings;
}

// The names stay as they are, the descriptions are the player's language
// (English where no translation is installed, as for the manual page).
QList<QCommandLineOption> CommandLine::Options() {
    return {Translated(kHelp), Translated(kVersion), Translated(kPlatform), Translated(kDisplay)};
}

QString CommandLine::VersionText() const {
    return QCoreApplication::applicationName() + ' ' + QCoreApplication::applicationVersion() +
           '\n';
}
