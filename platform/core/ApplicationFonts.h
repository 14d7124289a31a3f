#pragma once

#include <QString>

// The text faces built into the program (:/font/*.ttf). The game's "Arial"
// is drawn with them wherever the program runs, so its layout, measured
// from the text, is the same on every machine. The faces are read in place
// from the program's resources, which store them unpacked for that.
class ApplicationFonts {
public:
    // The family that stands in for "Arial" in that weight; empty when the
    // face is not built in (the font set-up of the machine decides then).
    static QString ArialFamily(bool bold);

private:
    static QString Register(const QString& face);
};
