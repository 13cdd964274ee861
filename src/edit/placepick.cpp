#include "edit/placepick.h"

#include "model/celldecode.h"

namespace kelmor {

namespace {
const std::string* rowAt(const MapRows& grid, CellPos cell)
{
    if (cell.row < 0 || cell.row > kLastRow || cell.column < 0)
        return nullptr;
    const std::string& row = grid[static_cast<std::size_t>(cell.row)];
    if (static_cast<std::size_t>(cell.column) >= row.size())
        return nullptr;
    return &row;
}
}  // namespace

CodeRefusal codeRefusal(char32_t code, CellPos cell)
{
    if (code < 0x20 || code > 0x7e)
        return CodeRefusal::NotAscii;
    if (code == ',' || code == '"' || code == '*')
        return CodeRefusal::Separator;
    if (code == U' ' && cell.column == 0)
        return CodeRefusal::BlankFirst;
    return CodeRefusal::None;
}

bool isPlaceableCode(char32_t code)
{
    return codeRefusal(code, CellPos{1, 0}) == CodeRefusal::None;
}

bool isPlaceableAt(char32_t code, CellPos cell)
{
    return codeRefusal(code, cell) == CodeRefusal::None;
}

std::optional<char> codeAt(const MapRows& grid, CellPos cell)
{
    const std::string* row = rowAt(grid, cell);
    if (row == nullptr)
        return std::nullopt;
    return (*row)[static_cast<std::size_t>(cell.column)];
}

bool placeCell(MapRows& grid, CellPos cell, char code)
{
    if (rowAt(grid, cell) == nullptr)
        return false;
    grid[static_cast<std::size_t>(cell.row)][static_cast<std::size_t>(cell.column)] = code;
    return true;
}

std::optional<int> pickPosition(const MapRows& grid, CellPos cell, int partsMax, int paletteSize)
{
    const std::string* row = rowAt(grid, cell);
    if (row == nullptr)
        return std::nullopt;
    const int position = palettePosition((*row)[static_cast<std::size_t>(cell.column)], partsMax);
    if (position < 0 || position >= paletteSize)
        return std::nullopt;
    return position;
}

}  // namespace kelmor
