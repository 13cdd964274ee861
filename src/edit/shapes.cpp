#include "edit/shapes.h"

#include <algorithm>

#include "edit/placepick.h"

namespace kelmor {

std::vector<CellPos> rectCells(const MapRows& rows, const CellRect& rect)
{
    std::vector<CellPos> cells;
    for (int r = rect.top; r <= rect.bottom; ++r)
        for (int c = rect.left; c <= rect.right; ++c)
            if (codeAt(rows, {c, r}))
                cells.push_back({c, r});
    return cells;
}

std::vector<CellPos> borderCells(const MapRows& rows, const CellRect& rect)
{
    std::vector<CellPos> cells;
    for (const CellPos& cell : rectCells(rows, rect))
        if (cell.column == rect.left || cell.column == rect.right || cell.row == rect.top || cell.row == rect.bottom)
            cells.push_back(cell);
    return cells;
}

CellPos jumpTarget(const MapRows& rows, CellPos from, CellPos step)
{
    const auto next = [&](CellPos at) { return CellPos{at.column + step.column, at.row + step.row}; };
    const auto inside = [](CellPos at) { return CellRect::wholeMap().contains(at); };
    CellPos at = from;
    // From a run's last cell, into the next run first.
    if (inside(next(at)) && codeAt(rows, next(at)) != codeAt(rows, at))
        at = next(at);
    while (inside(next(at)) && codeAt(rows, next(at)) == codeAt(rows, at))
        at = next(at);
    return at;
}

std::vector<CellPos> floodCells(const MapRows& rows, CellPos start)
{
    const std::optional<char> code = codeAt(rows, start);
    if (!code)
        return {};
    std::vector<CellPos> cells;
    std::vector<bool> seen(kMapColumns * kMapRows, false);
    std::vector<CellPos> open{start};
    seen[static_cast<std::size_t>(start.row * kMapColumns + start.column)] = true;
    while (!open.empty()) {
        const CellPos at = open.back();
        open.pop_back();
        cells.push_back(at);
        for (const CellPos next : {CellPos{at.column - 1, at.row}, CellPos{at.column + 1, at.row},
                                   CellPos{at.column, at.row - 1}, CellPos{at.column, at.row + 1}}) {
            if (next.column < 0 || next.column > kLastColumn || next.row < 0 || next.row > kLastRow)
                continue;
            const std::size_t index = static_cast<std::size_t>(next.row * kMapColumns + next.column);
            if (seen[index] || codeAt(rows, next) != code)
                continue;
            seen[index] = true;
            open.push_back(next);
        }
    }
    return cells;
}

}  // namespace kelmor
