#include "MaskPainter.h"

void MaskPainter::Fill(const Mask& mask, std::uint8_t colour) {
    for (int y = 0; y < mask.Height(); ++y)
        for (int x = 0; x < mask.Width(); ++x)
            if (mask.At(x, y))
                m_image.Set(x, y, colour);
}

bool MaskPainter::OnBorder(const Mask& mask, int x, int y) {
    return !mask.At(x - 1, y) || !mask.At(x + 1, y) || !mask.At(x, y - 1) || !mask.At(x, y + 1);
}

void MaskPainter::FillEdged(const Mask& mask, std::uint8_t colour) {
    for (int y = 0; y < mask.Height(); ++y)
        for (int x = 0; x < mask.Width(); ++x)
            if (mask.At(x, y))
                m_image.Set(x, y, OnBorder(mask, x, y) ? std::uint8_t{Black} : colour);
}
