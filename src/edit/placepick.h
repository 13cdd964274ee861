#pragma once

#include <optional>

#include "edit/cellpick.h"
#include "model/mapgrid.h"

namespace kelmor {

// Whether `code` may go into a row. A comma, a double quote or a "*" would
// split the row or turn it into a header in the level file, and a byte
// outside printable ASCII would not survive as one character, so they are
// refused; everything else is written as it stands.
bool isPlaceableCode(char32_t code);

// Whether `code` may go into that cell: a placeable code, and no blank in
// column 0, which the reader would drop as a leading blank, shifting the row.
bool isPlaceableAt(char32_t code, CellPos cell);

// The code in the cell, or nothing when the row has no such column.
std::optional<char> codeAt(const MapRows& grid, CellPos cell);

// Writes `code` into the cell. Returns false, changing nothing, when the row
// has no such column.
bool placeCell(MapRows& grid, CellPos cell, char code);

// The palette position that picking the cell selects, or nothing when the row
// has no such column or the position lies outside the palette.
std::optional<int> pickPosition(const MapRows& grid, CellPos cell, int partsMax, int paletteSize);

}  // namespace kelmor
