// Prints the OPTIONS section of the manual page, in roff, from the table
// that --help is made from, so that the two always list the same options.
#include "CommandLine.h"

#include <QTextStream>

namespace {
// Roff reads a backslash as an escape, and a line that starts with a dot or
// an apostrophe as a request.
QString Roff(QString text) {
    text.replace('\\', QStringLiteral("\\e"));
    if (text.startsWith('.') || text.startsWith('\''))
        text.prepend(QStringLiteral("\\&"));
    return text;
}

// "-h, --help" in bold, as --help names them, and the value in italics.
// The dashes are roff's minus signs, which a reader can search for and
// paste into a shell.
QString Names(const QCommandLineOption& option) {
    QStringList names;
    for (const QString& name : option.names())
        names << (name.size() == 1 ? "\\-" : "\\-\\-") + Roff(name);
    QString line = "\\fB" + names.join("\\fR, \\fB") + "\\fR";
    if (!option.valueName().isEmpty())
        line += " \\fI" + Roff(option.valueName()) + "\\fR";
    return line;
}
} // namespace

int main() {
    QTextStream out(stdout);
    for (const QCommandLineOption& option : CommandLine::Options()) {
        if (option.flags().testFlag(QCommandLineOption::HiddenFromHelp))
            continue;
        out << ".TP\n" << Names(option) << '\n' << Roff(option.description()) << '\n';
    }
    return 0;
}
