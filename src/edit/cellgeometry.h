#pragma once

#include <vector>

#include "model/mapgrid.h"

namespace kelmor {

// A cell by its column and row, both from 0.
struct CellPos {
    int column = 0;
    int row = 0;

    bool operator==(const CellPos&) const = default;
};

// The cell under a pointer position in the map view: each coordinate rounded
// to the nearest whole pixel (halves to the even neighbour), divided by the
// cell size and kept inside the grid. The one rule for every tool, the
// status bar and the keyboard's presses, so that they all mean the same cell.
CellPos cellAt(double x, double y);

// A rectangle of cells, both corners included, kept inside the grid.
struct CellRect {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;

    bool empty() const { return right < left || bottom < top; }
    bool contains(CellPos cell) const
    {
        return cell.column >= left && cell.column <= right && cell.row >= top && cell.row <= bottom;
    }
    bool operator==(const CellRect&) const = default;
    // The rectangle with `a` and `b` as opposite corners.
    static CellRect spanning(CellPos a, CellPos b);
    static CellRect wholeMap() { return {0, 0, kLastColumn, kLastRow}; }
    // The part inside the grid; empty when none is.
    CellRect clipped() const;
};

// The cells of a straight line from `a` to `b`, both ends included, each
// next to the one before (sideways or corner to corner), so a line has no
// gaps however steep. From `a` onwards; one cell when they are the same.
std::vector<CellPos> lineCells(CellPos a, CellPos b);

}  // namespace kelmor
