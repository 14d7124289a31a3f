#include "NumberPrinter.h"

#include "DigitFont.h"
#include "ImageMeasure.h"

#include <string>

void NumberPrinter::Print(IndexedImage& image, int x, int y, int number) {
    const std::string digits = std::to_string(number);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const DigitFont::Glyph& glyph = DigitFont::Digit(digits[i] - '0');
        const int left = x + static_cast<int>(i) * DigitFont::kAdvance;
        for (int gy = 0; gy < DigitFont::kHeight; ++gy)
            for (int gx = 0; gx < DigitFont::kWidth; ++gx) {
                const std::uint8_t c =
                    glyph[static_cast<std::size_t>(gy)][static_cast<std::size_t>(gx)];
                if (c != White)
                    image.Set(left + gx, y + gy, c);
            }
    }
}

Box NumberPrinter::InkBox(int number) {
    const int width = static_cast<int>(std::to_string(number).size()) * DigitFont::kAdvance;
    IndexedImage scratch(width, DigitFont::kHeight, Palette::Standard16(), White);
    Print(scratch, 0, 0, number);
    return ImageMeasure::InkBox(scratch);
}

Box NumberPrinter::PrintCentred(IndexedImage& image, const Box& target, int number) {
    const Box ink = InkBox(number);
    // Centre by the doubled midpoints so an odd difference rounds the same way everywhere.
    const int dx = (target.left + target.right - ink.left - ink.right) / 2;
    const int dy = (target.top + target.bottom - ink.top - ink.bottom) / 2;
    Print(image, dx, dy, number);
    return {ink.left + dx, ink.top + dy, ink.right + dx, ink.bottom + dy};
}
