#include "edit/cellpick.h"

#include <algorithm>
#include <cmath>

#include "model/mapgrid.h"

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

}  // namespace kelmor
