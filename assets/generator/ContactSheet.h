#pragma once

#include "IndexedImage.h"

// All fifteen outlines in catalogue order, three to a row, each with its
// thumbnail magnified four times beside it and the outline and thumbnail
// ids printed under that, for looking the artwork over in one picture.
class ContactSheet {
public:
    static IndexedImage Build();

private:
    static void PlaceTile(IndexedImage& sheet, int index);
};
