#include "CORLIXDoc.h"

#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Only a regular file can be a document. The type is checked before the
// file is opened, since opening a FIFO waits for a writer and opening some
// devices does something; the open itself never waits and is checked again
// in case the name changed hands in between.
bool CanOpenForReading(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (name.isEmpty() || ::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    return regular;
}
} // namespace

CORLIXDoc::CORLIXDoc() {
    OnNewDocument();
}

bool CORLIXDoc::OnNewDocument() {
    m_title = tr("Untitled");
    m_path.clear();
    return true;
}

bool CORLIXDoc::OpenFrom(const QString& path) {
    if (!CanOpenForReading(path))
        return false;
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
