#include "Outlines.h"

#include <vector>

void DrawDancer(CellGrid& g) {
    // One closed outline, clockwise from the top of the head.
    const std::vector<CellGrid::P> figure = {
        // Octagonal head and the right side of the neck.
        {112, 0},
        {136, 0},
        {148, 12},
        {148, 36},
        {136, 48},
        {132, 48},
        {132, 60},
        // Right arm, bent down at the elbow, the hand curled into a hook.
        {180, 60},
        {202, 82},
        {202, 138},
        {194, 146},
        {166, 146},
        {158, 138},
        {158, 124},
        {170, 124},
        {170, 134},
        {190, 134},
        {190, 88},
        {174, 72},
        {148, 72},
        // Right side of the body, right leg and foot turned outwards.
        {146, 120},
        {150, 150},
        {168, 232},
        {188, 238},
        {192, 242},
        {192, 248},
        {156, 248},
        // Pointed arch between the legs.
        {156, 206},
        {152, 186},
        {140, 172},
        {126, 164},
        {122, 164},
        {108, 172},
        {96, 186},
        {92, 206},
        // Left leg and foot, left side of the body.
        {92, 248},
        {56, 248},
        {56, 242},
        {60, 238},
        {80, 232},
        {98, 150},
        {102, 120},
        {100, 72},
        // Left arm stretched out sideways, the hand tipped up.
        {20, 72},
        {20, 40},
        {32, 40},
        {32, 60},
        {116, 60},
        // Left side of the neck and head.
        {116, 48},
        {112, 48},
        {100, 36},
        {100, 12}};
    g.Polyline(figure, true);
    // The toes meet the ground in a 2 x 2 block each, squaring off the feet.
    g.Set(58, 246);
    g.Set(190, 246);
}
