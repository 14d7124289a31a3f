#pragma once

#include "CellGrid.h"

// One drawing function per outline, each in its own source file
// (OutlineTriangle.cpp, ...). Each draws only the green cells; the printed
// number is added by the generator from the finished cell count.
void DrawTriangle(CellGrid& g);
void DrawCircle(CellGrid& g);
void DrawDancer(CellGrid& g);
void DrawDiamond(CellGrid& g);
void DrawChurch(CellGrid& g);
void DrawGrid(CellGrid& g);
void DrawMug(CellGrid& g);
void DrawVase(CellGrid& g);
void DrawClover(CellGrid& g);
void DrawGift(CellGrid& g);
void DrawStairs(CellGrid& g);
void DrawPear(CellGrid& g);
void DrawCross(CellGrid& g);
void DrawStar(CellGrid& g);
void DrawLetterE(CellGrid& g);
