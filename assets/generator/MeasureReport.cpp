#include "MeasureReport.h"

#include "ArtworkCheck.h"

#include <algorithm>
#include <cstdlib>
#include <iomanip>

namespace {
std::ostream& operator<<(std::ostream& out, const Box& b) {
    return out << b.left << ',' << b.top << ',' << b.right << ',' << b.bottom;
}
} // namespace

void MeasureReport::Figure(std::ostream& out, const char* label, int measured, int table) {
    out << "  " << std::left << std::setw(14) << label << std::right << std::setw(6) << measured
        << "   table " << std::setw(6) << table << (measured == table ? "" : "   differs") << '\n';
}

void MeasureReport::Figure(std::ostream& out, const char* label, const Box& measured,
                           const Box& table) {
    const int off = std::max(
        {std::abs(measured.left - table.left), std::abs(measured.top - table.top),
         std::abs(measured.right - table.right), std::abs(measured.bottom - table.bottom)});
    out << "  " << std::left << std::setw(14) << label << measured << "   table " << table;
    if (off != 0)
        out << "   differs by up to " << off << " px";
    out << '\n' << std::right;
}

void MeasureReport::PrintOne(std::ostream& out, const BoardPicture& picture) {
    const ArtworkEntry& e = picture.Entry();
    const CellGrid& grid = picture.Grid();
    const auto g = grid.GreenBox();
    out << e.number << ' ' << e.name << " (outline " << e.outlineId << ", thumbnail "
        << e.thumbnailId << ")\n";
    Figure(out, "cells", grid.CellCount(), e.cells);
    Figure(out, "parts", grid.Parts(), e.parts);
    Figure(out, "branch cells", grid.BranchCells(), e.branchCells);
    Figure(out, "green box", Box{g[0], g[1], g[2], g[3]}, e.greenBox);
    Figure(out, "number box", picture.NumberBox(), e.numberBox);
    for (const std::string& problem : ArtworkCheck::Problems(picture))
        out << "  PROBLEM " << problem << '\n';
}

int MeasureReport::Print(std::ostream& out) {
    int failing = 0;
    for (const ArtworkEntry& entry : ArtworkTable::Entries()) {
        const BoardPicture picture(entry);
        PrintOne(out, picture);
        failing += ArtworkCheck::Problems(picture).empty() ? 0 : 1;
    }
    return failing;
}
