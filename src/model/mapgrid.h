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

// The 17 rows of one map, one byte per cell code. A row may be shorter or
// longer than 35 when the level file has it so.
using MapRows = std::array<std::string, kMapRows>;

}  // namespace kelmor
