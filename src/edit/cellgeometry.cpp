#include "edit/cellgeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kelmor {

namespace {
int cellIndex(double pixel, int last)
{
    if (!(pixel > 0))  // also NaN
        return 0;
    // Huge values would not fit an int; anything past the grid is the last cell.
    const double rounded = std::nearbyint(std::min(pixel, 1.0e6));
    return std::clamp(static_cast<int>(rounded) / kCellSize, 0, last);
}
}  // namespace

CellPos cellAt(double x, double y)
{
    return {cellIndex(x, kLastColumn), cellIndex(y, kLastRow)};
}

CellRect CellRect::spanning(CellPos a, CellPos b)
{
    return CellRect{std::min(a.column, b.column), std::min(a.row, b.row), std::max(a.column, b.column),
                    std::max(a.row, b.row)}
        .clipped();
}

CellRect CellRect::clipped() const
{
    const CellRect kept{std::max(left, 0), std::max(top, 0), std::min(right, kLastColumn), std::min(bottom, kLastRow)};
    return kept.empty() ? CellRect{} : kept;
}

std::vector<CellPos> lineCells(CellPos a, CellPos b)
{
    // Bresenham's walk: one step along the longer axis each time, and a
    // sideways step whenever the error says the line has crossed over.
    const int dx = std::abs(b.column - a.column);
    const int dy = -std::abs(b.row - a.row);
    const int stepX = a.column < b.column ? 1 : -1;
    const int stepY = a.row < b.row ? 1 : -1;
    std::vector<CellPos> cells;
    cells.reserve(static_cast<std::size_t>(std::max(dx, -dy)) + 1);
    int error = dx + dy;
    for (CellPos at = a;;) {
        cells.push_back(at);
        if (at == b)
            break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            at.column += stepX;
        }
        if (twice <= dx) {
            error += dx;
            at.row += stepY;
        }
    }
    return cells;
}

}  // namespace kelmor
