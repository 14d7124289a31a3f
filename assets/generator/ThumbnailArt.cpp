#include "ThumbnailArt.h"

#include "MaskPainter.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

Mask::H ThumbnailArt::FromBoard(int px, int py) {
    return {2 + (px * 38 + 124) / 248, 2 + (py * 38 + 124) / 248};
}

std::vector<Mask::H> ThumbnailArt::FromBoard(const std::vector<Mask::H>& points) {
    std::vector<Mask::H> mapped;
    for (const Mask::H& p : points)
        mapped.push_back(FromBoard(p.x, p.y));
    return mapped;
}

IndexedImage ThumbnailArt::Draw(int number) {
    using Painter = void (*)(IndexedImage&);
#define ORLIX_OUTLINE(number, name, thumbnail, outline, x, y, drawing) drawing,
    static const Painter painters[] = {
#include "Outlines.def"
    };
#undef ORLIX_OUTLINE
    if (number < 1 || number > int(std::size(painters)))
        throw std::out_of_range("thumbnail number");
    IndexedImage img(kSize, kSize,
                     Depth(number) == 8 ? Palette::Extended256() : Palette::Standard16(), White);
    painters[number - 1](img);
    return img;
}

void ThumbnailArt::Triangle(IndexedImage& img) {
    MaskPainter(img).FillEdged(NewMask().Polygon({{21, 1}, {41, 40}, {1, 40}}), Yellow);
}

void ThumbnailArt::Circle(IndexedImage& img) {
    MaskPainter(img).FillEdged(NewMask().Disc({21, 21}, 19), Magenta);
}

void ThumbnailArt::Dancer(IndexedImage& img) {
    Mask body = NewMask();
    body.Rect(10, 6, 12, 13);                       // neck and body
    body.Line(10, 8, 4, 8).Line(4, 8, 2, 5);        // left arm, hand tipped up
    body.Line(11, 8, 16, 10).Line(16, 10, 15, 13);  // right arm bent down
    body.Line(10, 13, 6, 18).Line(6, 18, 3, 19);    // left leg, foot outwards
    body.Line(11, 13, 15, 18).Line(15, 18, 18, 19); // right leg
    MaskPainter painter(img);
    painter.Fill(body, Black);
    painter.FillEdged(NewMask().Disc({22, 7}, 6), Cyan);
}

void ThumbnailArt::Diamond(IndexedImage& img) {
    MaskPainter painter(img);
    painter.FillEdged(NewMask().Rect(0, 0, kSize, kSize), Blue);
    painter.FillEdged(NewMask().Rect(4, 4, 17, 17), Yellow);
    painter.FillEdged(NewMask().Polygon({{21, 9}, {33, 21}, {21, 33}, {9, 21}}), Red);
}

void ThumbnailArt::Church(IndexedImage& img) {
    Mask church = NewMask();
    church.Rect(1, 11, 20, 20);
    church.Polygon({{2, 24}, {8, 2}, {12, 2}, {18, 24}});   // left spire
    church.Polygon({{24, 24}, {30, 2}, {34, 2}, {40, 24}}); // right spire
    MaskPainter painter(img);
    painter.FillEdged(church, Blue);
    painter.FillEdged(NewMask().Polygon({{15, 40}, {15, 30}, {21, 24}, {27, 30}, {27, 40}}), Red);
}

void ThumbnailArt::Grid(IndexedImage& img) {
    static const std::uint8_t colours[9] = {Red,     Yellow, Green,  Cyan, Blue,
                                            Magenta, Teal,   Purple, Olive};
    MaskPainter painter(img);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            const int left = 1 + 6 * col, top = 1 + 6 * row;
            painter.FillEdged(NewMask().Rect(left, top, left + 7, top + 7), colours[3 * row + col]);
        }
}

void ThumbnailArt::Mug(IndexedImage& img) {
    Mask handle = NewMask().Ellipse({28, 22}, 12, 13);
    handle.Subtract(NewMask().Ellipse({28, 22}, 6, 7));
    MaskPainter painter(img);
    painter.FillEdged(handle, Red);
    painter.FillEdged(NewMask().Polygon({{3, 4}, {29, 4}, {29, 38}, {27, 40}, {5, 40}, {3, 38}}),
                      Red);
}

void ThumbnailArt::Vase(IndexedImage& img) {
    MaskPainter(img).FillEdged(
        NewMask().Polygon(
            {{2, 2}, {40, 2}, {28, 18}, {28, 26}, {39, 40}, {3, 40}, {14, 26}, {14, 18}}),
        Cyan);
}

void ThumbnailArt::Clover(IndexedImage& img) {
    Mask leaves = NewMask();
    leaves.Disc({21, 11}, 9).Disc({31, 21}, 9).Disc({21, 31}, 9).Disc({11, 21}, 9);
    MaskPainter painter(img);
    painter.FillEdged(leaves, Green);
    painter.FillEdged(NewMask().Rect(8, 8, 13, 13), Yellow);
}

void ThumbnailArt::Gift(IndexedImage& img) {
    MaskPainter painter(img);
    painter.FillEdged(NewMask().Polygon({{2, 2}, {40, 2}, {21, 21}}), Blue);
    painter.FillEdged(NewMask().Polygon({{40, 2}, {40, 40}, {21, 21}}), Green);
    painter.FillEdged(NewMask().Polygon({{40, 40}, {2, 40}, {21, 21}}), Yellow);
    painter.FillEdged(NewMask().Polygon({{2, 40}, {2, 2}, {21, 21}}), Magenta);
    painter.FillEdged(NewMask().Rect(6, 8, 15, 13), Red);
}

void ThumbnailArt::Stairs(IndexedImage& img) {
    Mask upper = NewMask();
    for (int x = 1; x < 20; ++x)
        upper.Rect(x, 1, x + 1, std::min(20, 4 + (x - 1) / 3 * 3)); // steps of 3 pixels
    MaskPainter painter(img);
    painter.FillEdged(NewMask().Rect(1, 1, 20, 20), Magenta);
    painter.FillEdged(upper, Green);
}

void ThumbnailArt::Pear(IndexedImage& img) {
    Mask pear = NewMask();
    pear.Disc({21, 12}, 8).Disc({21, 28}, 13).Polygon({{13, 13}, {29, 13}, {33, 22}, {9, 22}});
    MaskPainter painter(img);
    painter.Fill(NewMask().Line(10, 0, 11, 3).Line(11, 0, 12, 3), Olive);
    painter.FillEdged(pear, Green);
}

void ThumbnailArt::Cross(IndexedImage& img) {
    MaskPainter(img).FillEdged(NewMask().Polygon(FromBoard({{80, 0},
                                                            {170, 0},
                                                            {150, 98},
                                                            {250, 80},
                                                            {250, 170},
                                                            {150, 150},
                                                            {170, 250},
                                                            {80, 250},
                                                            {100, 150},
                                                            {0, 170},
                                                            {0, 80},
                                                            {100, 98}})),
                               Red);
}

void ThumbnailArt::Star(IndexedImage& img) {
    // Points on a circle of 10 pixels, inner corners on one of 5, 22.5 degrees apart.
    MaskPainter(img).FillEdged(NewMask().Polygon({{21, 1},
                                                  {25, 12},
                                                  {35, 7},
                                                  {30, 17},
                                                  {41, 21},
                                                  {30, 25},
                                                  {35, 35},
                                                  {25, 30},
                                                  {21, 41},
                                                  {17, 30},
                                                  {7, 35},
                                                  {12, 25},
                                                  {1, 21},
                                                  {12, 17},
                                                  {7, 7},
                                                  {17, 12}}),
                               Magenta);
}

void ThumbnailArt::LetterE(IndexedImage& img) {
    MaskPainter(img).FillEdged(NewMask().Polygon({{4, 2},
                                                  {37, 2},
                                                  {37, 12},
                                                  {16, 12},
                                                  {16, 16},
                                                  {33, 16},
                                                  {33, 26},
                                                  {16, 26},
                                                  {16, 30},
                                                  {37, 30},
                                                  {37, 40},
                                                  {4, 40}}),
                               DarkRed);
}
