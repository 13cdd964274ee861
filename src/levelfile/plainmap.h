#pragma once

#include <cstddef>
#include <string_view>

namespace kelmor {

// How far ahead a plain map may reach: blank lines, a header of at most
// 1024 bytes and its line end, and 17 rows of 35 cells and CR LF.
inline constexpr std::size_t kPlainMapReach = 2048;

// A map as the editor writes it, found where the bytes start.
struct PlainMap {
    std::size_t headerAt = 0;  // where the header starts, after blank lines
    std::string_view header;   // its bytes, without the line end
    std::string_view rows;     // the 17 rows, their line ends included
    std::size_t end = 0;       // just past the last row's line end
};

// Whether the rows stand one to a line, 35 cells and CR LF or LF each, and
// every cell is a digit, a letter from A to X or a blank, with no blank in
// column 0: such rows read as themselves and hold nothing to tell.
bool plainRows(std::string_view rows);

// Whether `bytes` start with a plain map: empty lines (LF or CR LF), then a
// header item that holds a "*" and stands alone on its line (no leading
// blank or quote, no comma, at most 1024 bytes, ended by LF or CR LF), then
// plain rows. Such a map reads exactly as the item reader reads it, so a
// walk may take it from the bytes at hand without classifying them. False
// for anything else, and when the bytes end before the map does.
bool findPlainMap(std::string_view bytes, PlainMap& map);

}  // namespace kelmor
