#pragma once

#include <array>
#include <string>

namespace kelmor {

inline constexpr int kMapColumns = 35;
inline constexpr int kMapRows = 17;
inline constexpr int kLastColumn = kMapColumns - 1;
inline constexpr int kLastRow = kMapRows - 1;
// A cell is this many pixels wide and high, in the view and in the tile sheet.
inline constexpr int kCellSize = 16;

// Room for 18 rows as the window always had; rows 0 to 16 hold the map and
// row 17 is never used. Each row holds one byte per cell code.
using MapGrid = std::array<std::string, kMapRows + 1>;

// The 17 rows of one map as they travel between the file and the grid.
using MapRows = std::array<std::string, kMapRows>;

}  // namespace kelmor
