#pragma once

#include <QString>

// The text faces built into the program (:/font/*.ttf), registered with
// the font database on first use. The game's "Arial" is drawn with them
// wherever the program runs, so its layout, measured from the text, is
// the same on every machine.
class ApplicationFonts {
public:
    // The family that stands in for "Arial"; empty when none is built in
    // (the font set-up of the machine decides then).
    static QString ArialFamily();

private:
    static QString Register();
};
