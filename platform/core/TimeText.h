#pragma once

#include <QString>
#include <string_view>

// Text that strftime made, in the encoding of the locale's time category
// (ISO-8859-9 under tr_TR.ISO-8859-9, say), which need not be UTF-8 even
// when the rest of the program's text is.
class TimeText {
public:
    static QString Decode(std::string_view bytes);

private:
    static QByteArray TimeCodeset();
};
