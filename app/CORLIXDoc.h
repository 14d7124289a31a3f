#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

// The one document: it holds no game data, is never modified and so never
// asks to be saved. It only has a title and, once opened or saved, a file.
class CORLIXDoc {
    Q_DECLARE_TR_FUNCTIONS(CORLIXDoc)

public:
    CORLIXDoc();

    bool OnNewDocument();
    // Opens the file for reading and closes it again: there is nothing to read.
    // Anything but a regular file (a directory, FIFO or device) is refused.
    bool OpenFrom(const QString& path);
    // Creates the file the player chose in a save dialog, with no content.
    bool SaveAs(const QString& path);

    const QString& Title() const { return m_title; }
    const QString& Path() const { return m_path; }
    bool IsModified() const { return false; }

private:
    QString m_title;
    QString m_path;
};
