#pragma once

#include <optional>
#include <string>
#include <vector>

#include "edit/placepick.h"
#include "edit/shapes.h"
#include "model/mapgrid.h"

namespace kelmor {

// The cells of a rectangle as the clipboard holds them: one line a row, one
// code a character, lines joined by LF. A cell a short row does not have is
// copied as "0", as it draws.
std::string copyText(const MapRows& rows, const CellRect& rect);

// Clipboard text read back as cell codes, line by line.
struct PasteText {
    std::vector<std::string> lines;
    // The first character no cell may hold: it, and where (from 1).
    struct Refusal {
        char32_t code = 0;
        int line = 0;
        int column = 0;
        CodeRefusal why = CodeRefusal::None;
    };
    std::optional<Refusal> refused;
};

// Lines end in LF or CR LF; one line end at the end is ignored. A blank is
// read as "0", which is how it reads and draws, so it pastes into any
// column. Every other character goes by the rule of what a cell takes.
PasteText readPasteText(const std::u32string& text);

// The cells the lines put with their top left at `at`: clipped at the map's
// edges and at the end of each row; a shorter line leaves the cells past its
// end alone. Also the rectangle they cover.
std::vector<std::pair<CellPos, char>> pasteCells(const MapRows& rows, const std::vector<std::string>& lines, CellPos at,
                                                 CellRect& covered);

}  // namespace kelmor
