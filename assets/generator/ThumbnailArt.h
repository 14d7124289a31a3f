#pragma once

#include "IndexedImage.h"
#include "Mask.h"

#include <vector>

// The 21 x 21 coloured miniatures of the thumbnail strip, one per outline in
// catalogue order (1..15).
class ThumbnailArt {
public:
    static constexpr int kSize = 21;

    static IndexedImage Draw(int number);
    // Bits per pixel the thumbnail is stored with.
    static int Depth(int number) { return number == 15 ? 8 : 4; }

private:
    static Mask NewMask() { return Mask(kSize, kSize); }
    // Maps an outline's pixel position onto the miniature, in half pixels.
    static Mask::H FromBoard(int px, int py);
    static std::vector<Mask::H> FromBoard(const std::vector<Mask::H>& points);

    static void Triangle(IndexedImage& img);
    static void Circle(IndexedImage& img);
    static void Dancer(IndexedImage& img);
    static void Diamond(IndexedImage& img);
    static void Church(IndexedImage& img);
    static void Grid(IndexedImage& img);
    static void Mug(IndexedImage& img);
    static void Vase(IndexedImage& img);
    static void Clover(IndexedImage& img);
    static void Gift(IndexedImage& img);
    static void Stairs(IndexedImage& img);
    static void Pear(IndexedImage& img);
    static void Cross(IndexedImage& img);
    static void Star(IndexedImage& img);
    static void LetterE(IndexedImage& img);
};
