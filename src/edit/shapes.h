#pragma once

#include <string>
#include <vector>

#include "edit/cellgeometry.h"
#include "model/mapgrid.h"

namespace kelmor {

// The cells of the rectangle that the rows have, row by row.
std::vector<CellPos> rectCells(const MapRows& rows, const CellRect& rect);

// The 4-connected cells holding the same byte as `start`, bounded by the map
// (cells a short row does not have are walls).
std::vector<CellPos> floodCells(const MapRows& rows, CellPos start);

}  // namespace kelmor
