#pragma once

#include <QFont>
#include <string_view>

// A font asked for by face name and cell height in pixels (ascent + descent).
// A face name ending in " Bold" means that family in bold weight; a family
// that is missing falls back to a sans-serif face of the same height.
// "Arial" is drawn with the face built into the program (ApplicationFonts).
class Font {
public:
    Font() = default;
    Font(std::string_view face, int cellHeight);

    bool IsNull() const { return m_null; }
    int RequestedHeight() const { return m_requestedHeight; }
    const QFont& QtFont() const { return m_font; }

private:
    static QFont BaseFont(std::string_view face);
    static void FitCellHeight(QFont& font, int cellHeight);

    QFont m_font;
    int m_requestedHeight = 0;
    bool m_null = true;
};
