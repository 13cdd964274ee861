#pragma once

#include "model/mapgrid.h"

namespace kelmor {

struct CellPos {
    int column = 0;
    int row = 0;
};

// The cell under a pointer position in the map view: each coordinate rounded
// to the nearest whole pixel (halves to the even neighbour), divided by the
// cell size and kept inside the grid.
CellPos cellAt(double x, double y);

}  // namespace kelmor
