#include "TimeText.h"

#include <iconv.h>
#include <langinfo.h>

// glibc knows each category's own encoding; LC_CTYPE's may differ (Qt
// switches it to UTF-8 where it can).
QByteArray TimeText::TimeCodeset() {
    return QByteArray(nl_langinfo(_NL_TIME_CODESET));
}

QString TimeText::Decode(std::string_view bytes) {
    const QByteArray codeset = TimeCodeset();
    const iconv_t converter =
        codeset.isEmpty() ? iconv_t(-1) : iconv_open("UTF-8", codeset.constData());
    if (converter == iconv_t(-1))
        return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    QByteArray in(bytes.data(), qsizetype(bytes.size()));
    QByteArray out(in.size() * 4 + 4, Qt::Uninitialized);
    char* from = in.data();
    char* to = out.data();
    size_t left = size_t(in.size());
    size_t room = size_t(out.size());
    const bool ok = iconv(converter, &from, &left, &to, &room) != size_t(-1);
    iconv_close(converter);
    if (!ok)
        return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    return QString::fromUtf8(out.constData(), to - out.constData());
}
