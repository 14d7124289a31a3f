#pragma once

#include <string>

// A text of the program in the player's language: looked up among the
// translations the application has installed, by the context and English
// source text it was marked with (QT_TRANSLATE_NOOP). Without a translation
// the source itself comes back. UTF-8, as the surfaces draw text.
class Translation {
public:
    static std::string Text(const char* context, const char* source);
};
