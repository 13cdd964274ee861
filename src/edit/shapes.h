#pragma once

#include <string>
#include <vector>

#include "edit/cellgeometry.h"
#include "model/mapgrid.h"

namespace kelmor {

// The cells of the rectangle that the rows have, row by row.
std::vector<CellPos> rectCells(const MapRows& rows, const CellRect& rect);

// The cells on the rectangle's border that the rows have, row by row.
std::vector<CellPos> borderCells(const MapRows& rows, const CellRect& rect);

// Where a jump from `from` one way (`step` one cell: (1, 0), (0, -1) …)
// lands: the last cell of the run of equal codes that way, or, from a run's
// last cell, the last cell of the next run; never past the map's edge.
CellPos jumpTarget(const MapRows& rows, CellPos from, CellPos step);

// The 4-connected cells holding the same byte as `start`, bounded by the map
// (cells a short row does not have are walls).
std::vector<CellPos> floodCells(const MapRows& rows, CellPos start);

}  // namespace kelmor
