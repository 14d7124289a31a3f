#include "CORLIXDoc.h"

#include <QFile>
#include <QFileInfo>

CORLIXDoc::CORLIXDoc() {
    OnNewDocument();
}

bool CORLIXDoc::OnNewDocument() {
    m_title = QStringLiteral("Untitled");
    m_path.clear();
    return true;
}

bool CORLIXDoc::OpenFrom(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    file.close();
    m_path = path;
    m_title = QFileInfo(path).fileName();
    return true;
}

bool CORLIXDoc::SaveAs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.close();
    m_path = path;
    m_title = QFileInfo(path).fileName();
    return true;
}
