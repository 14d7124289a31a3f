// The artwork itself: outlines obey the game's rules, the digits and
// thumbnails are what they claim to be, the sounds stay in their ranges.
#include "ArtworkCheck.h"
#include "ArtworkTable.h"
#include "BoardPicture.h"
#include "DigitFont.h"
#include "IconArt.h"
#include "ImageMeasure.h"
#include "IntSine.h"
#include "NumberPrinter.h"
#include "SoundArt.h"
#include "TestRunner.h"
#include "ThumbnailArt.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

namespace {
void TestOutlines() {
    for (const ArtworkEntry& e : ArtworkTable::Entries()) {
        const std::string name(e.name);
        const BoardPicture picture(e);
        const IndexedImage& img = picture.Image();
        for (const std::string& p : ArtworkCheck::Problems(picture))
            TestRunner::Expect(false, p);
        TestRunner::Expect(img.Width() == 250 && img.Height() == 250, name + " size");
        TestRunner::Expect(img.Count(Green) == 4 * picture.Grid().CellCount(),
                           name + " green pixels are four per cell");
        // Only green, white, the digits' three inks and the Star's yellow.
        std::set<int> used;
        for (int y = 0; y < 250; ++y)
            for (int x = 0; x < 250; ++x)
                used.insert(img.At(x, y));
        std::set<int> allowed{Green, White, Black, Grey, Silver};
        if (e.outlineId == 173)
            allowed.insert(Yellow);
        TestRunner::Expect(std::includes(allowed.begin(), allowed.end(), used.begin(), used.end()),
                           name + " colours");
        TestRunner::Expect(img.Count(Yellow) == (e.outlineId == 173 ? 3 : 0), name + " yellow");
    }
}

void TestDigits() {
    std::set<std::string> shapes;
    for (int d = 0; d <= 9; ++d) {
        const DigitFont::Glyph& g = DigitFont::Digit(d);
        std::string key;
        int black = 0;
        for (const auto& row : g)
            for (std::uint8_t c : row) {
                key += char('a' + c);
                black += c == Black ? 1 : 0;
            }
        shapes.insert(key);
        // Bold: a good share of solid black, not a hairline.
        TestRunner::Expect(black >= 50, "digit " + std::to_string(d) + " boldness");
        const Box ink = NumberPrinter::InkBox(d);
        TestRunner::Expect(ink.Height() == 20 && ink.Width() >= (d == 1 ? 7 : 14),
                           "digit " + std::to_string(d) + " ink box");
    }
    TestRunner::Expect(shapes.size() == 10, "ten different digits");
    const Box three = NumberPrinter::InkBox(496);
    TestRunner::Expect(three.Width() == 54 && three.Height() == 20, "three-digit ink box 54 x 20");
}

void TestThumbnails() {
    // The colour that makes each miniature recognisable, catalogue order.
    const std::uint8_t key[15] = {Yellow, Magenta, Cyan,  Red,   Blue, Magenta, Red,    Cyan,
                                  Green,  Red,     Green, Green, Red,  Magenta, DarkRed};
    for (int n = 1; n <= 15; ++n) {
        const IndexedImage img = ThumbnailArt::Draw(n);
        const std::string name = "thumbnail " + std::to_string(n);
        TestRunner::Expect(img.Width() == 21 && img.Height() == 21, name + " size");
        TestRunner::Expect(img.Count(key[n - 1]) >= 8, name + " key colour");
        TestRunner::Expect(img.Count(Black) >= 20, name + " black edges");
        TestRunner::Expect(int(img.Colours().size()) == (n == 15 ? 256 : 16), name + " palette");
    }
}

void TestSounds() {
    const auto click = SoundArt::MoveClick();
    TestRunner::Expect(click.size() == 219, "click length");
    TestRunner::Expect(*std::min_element(click.begin(), click.end()) >= 104 &&
                           *std::max_element(click.begin(), click.end()) <= 172,
                       "click range");
    TestRunner::Expect(click.front() == 128 && click.back() == 128, "click starts and ends silent");

    const auto brr = SoundArt::Brr();
    TestRunner::Expect(brr.size() == 5513, "brr length");
    const auto [lo, hi] = std::minmax_element(brr.begin(), brr.end());
    TestRunner::Expect(*hi == 16384 && *lo == -16384, "brr peaks at half scale");
    TestRunner::Expect(std::abs(brr.front()) < 256 && std::abs(brr.back()) < 256, "brr fades");
    int rising = 0;
    for (std::size_t i = 1; i < brr.size(); ++i)
        rising += brr[i - 1] < 0 && brr[i] >= 0 ? 1 : 0;
    TestRunner::Expect(rising >= 128 && rising <= 132, "brr near 520 Hz");

    for (int phase = 0; phase < 65536; phase += 1111) {
        const double want = 32767.0 * std::sin(phase * 2 * 3.14159265358979 / 65536);
        TestRunner::Expect(std::abs(IntSine::At(phase) - want) < 80,
                           "sine at " + std::to_string(phase));
    }
}

void TestIcons() {
    for (int size : IconArt::kSizes) {
        const IndexedImage img = IconArt::Draw(size);
        const std::string name = "icon " + std::to_string(size);
        TestRunner::Expect(img.Width() == size && img.Height() == size, name + " size");
        TestRunner::Expect(img.Count(Green) > 0 && img.Count(Black) > 0, name + " emblem");
    }
}
} // namespace

void TestArtwork() {
    TestOutlines();
    TestDigits();
    TestThumbnails();
    TestSounds();
    TestIcons();
}
