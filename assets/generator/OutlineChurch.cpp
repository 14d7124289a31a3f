#include "Outlines.h"

void DrawChurch(CellGrid& g) {
    // Front: base, walls, and two spires with flat tops joined by the roof line.
    g.Polyline({{0, 248},
                {0, 126},
                {6, 126},
                {36, 0},
                {66, 0},
                {96, 126},
                {152, 126},
                {182, 0},
                {212, 0},
                {242, 126},
                {248, 126},
                {248, 248}},
               true);
    // Door with a pointed top, standing on the base line.
    g.Polyline({{96, 248}, {96, 202}, {122, 176}, {126, 176}, {152, 202}, {152, 248}}, false);
}
