#pragma once

#include "BoardPicture.h"

#include <ostream>

// --measure: each outline's measured figures beside the catalogue's, and
// any rule the picture breaks.
class MeasureReport {
public:
    // Returns the number of outlines with problems.
    static int Print(std::ostream& out);

private:
    static void PrintOne(std::ostream& out, const BoardPicture& picture);
    static void Figure(std::ostream& out, const char* label, int measured, int table);
    static void Figure(std::ostream& out, const char* label, const Box& measured, const Box& table);
};
