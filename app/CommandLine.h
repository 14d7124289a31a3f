#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

// What the command line asks for: help, the version, or a run with an
// optional document file. Options the program does not know are reported
// and otherwise ignored; of the toolkit's own options only those that name
// a display or platform are passed on, so that nothing on the command line
// makes the program read a file other than the named document.
class CommandLine {
public:
    enum class Request { Run, Help, Version };

    // arguments: as the program was started, its own name first.
    explicit CommandLine(const QStringList& arguments);

    Request What() const { return m_request; }
    // In the player's language, once the application has its translations.
    QString HelpText() const;
    QString VersionText() const;
    // Empty when no document was named.
    QString Document() const { return m_document; }
    // One line each, for stderr, in the player's language.
    QStringList Warnings() const;
    // The program's name and the toolkit options to hand to QApplication.
    QStringList ToolkitArguments() const { return m_toolkit; }

    // The options in the order --help lists them; the manual page lists
    // them from here too.
    static QList<QCommandLineOption> Options();

private:
    Request m_request = Request::Run;
    QString m_programName;
    QString m_document;
    QStringList m_unknownOptions;
    QStringList m_ignoredDocuments;
    QStringList m_toolkit;
};
