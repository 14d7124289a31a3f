#include "OutlineCatalogue.h"

namespace {
// The identifier columns do not run in step with the numbers.
constexpr std::array<OutlineEntry, OutlineCatalogue::kCount> kEntries{{
    {1, "Triangle", 130, 160, {0, 248}},
    {2, "Circle", 132, 161, {126, 0}},
    {3, "Dancer", 134, 163, {126, 0}},
    {4, "Diamond", 137, 165, {80, 80}},
    {5, "Church", 142, 166, {0, 248}},
    {6, "Grid", 140, 167, {0, 0}},
    {7, "Mug", 138, 168, {0, 0}},
    {8, "Vase", 144, 169, {0, 0}},
    {9, "Clover", 146, 170, {124, 0}},
    {10, "Gift", 148, 164, {124, 0}},
    {11, "Stairs", 150, 171, {0, 0}},
    {12, "Pear", 153, 172, {124, 0}},
    {13, "Cross", 154, 162, {124, 0}},
    {14, "Star", 156, 173, {124, 0}},
    {15, "Letter E", 158, 174, {40, 0}},
}};
} // namespace

const std::array<OutlineEntry, OutlineCatalogue::kCount>& OutlineCatalogue::Entries() {
    return kEntries;
}

const OutlineEntry& OutlineCatalogue::Entry(int number) {
    return kEntries.at(number - 1);
}
