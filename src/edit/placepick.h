#pragma once

#include <optional>

#include "edit/cellgeometry.h"
#include "model/mapgrid.h"

namespace kelmor {

// Why a code may not go into a cell; the one rule for every way of putting
// codes into the map.
enum class CodeRefusal {
    None,
    // Outside printable ASCII: it would not survive as one character.
    NotAscii,
    // A comma, a double quote or a "*": it would split the row or turn it
    // into a header in the level file.
    Separator,
    // A blank in column 0: the reader drops it as a leading blank and the
    // row shifts.
    BlankFirst,
};

CodeRefusal codeRefusal(char32_t code, CellPos cell);

// Whether `code` may go into some cell: everything the rule above does not
// refuse is written as it stands.
bool isPlaceableCode(char32_t code);

// Whether `code` may go into that cell.
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
