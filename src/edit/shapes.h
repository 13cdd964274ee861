#pragma once

#include <string>
#include <vector>

#include "edit/cellpick.h"
#include "model/mapgrid.h"

namespace kelmor {

// A rectangle of cells, both corners included, kept inside the grid.
struct CellRect {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;

    bool empty() const { return right < left || bottom < top; }
    bool operator==(const CellRect&) const = default;
    // The rectangle with `a` and `b` as opposite corners.
    static CellRect spanning(CellPos a, CellPos b);
    static CellRect wholeMap() { return {0, 0, kLastColumn, kLastRow}; }
};

// The cells of the rectangle that the rows have, row by row.
std::vector<CellPos> rectCells(const MapRows& rows, const CellRect& rect);

// The 4-connected cells holding the same byte as `start`, bounded by the map
// (cells a short row does not have are walls).
std::vector<CellPos> floodCells(const MapRows& rows, CellPos start);

}  // namespace kelmor
