#include "TimeText.h"

#include <clocale>
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

QByteArray TimeText::TimeCodeset() {
    const char* name = std::setlocale(LC_TIME, nullptr);
    const locale_t locale = newlocale(LC_CTYPE_MASK, name != nullptr ? name : "C", locale_t(0));
    if (locale == locale_t(0))
        return {};
    QByteArray codeset(nl_langinfo_l(CODESET, locale));
    freelocale(locale);
    return codeset;
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
