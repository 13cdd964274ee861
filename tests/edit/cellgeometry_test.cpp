#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "edit/cellgeometry.h"

namespace kelmor {
namespace {

void expectCell(double x, double y, int column, int row)
{
    const CellPos c = cellAt(x, y);
    EXPECT_EQ(c.column, column) << "x=" << x;
    EXPECT_EQ(c.row, row) << "y=" << y;
}

TEST(CellAt, WholePixels)
{
    expectCell(0, 0, 0, 0);
    expectCell(15, 15, 0, 0);
    expectCell(16, 0, 1, 0);
    expectCell(37, 20, 2, 1);
    expectCell(559, 271, 34, 16);
    expectCell(544, 256, 34, 16);
    expectCell(543, 255, 33, 15);
}

TEST(CellAt, HalvesGoToTheEvenNeighbour)
{
    expectCell(15.5, 15.5, 1, 1);  // 16
    expectCell(14.5, 14.5, 0, 0);  // 14
    expectCell(16.5, 16.5, 1, 1);  // 16
    expectCell(31.5, 47.5, 2, 3);  // 32, 48
    expectCell(15.4999, 15.51, 0, 1);
}

TEST(CellAt, PositionsOutsideTheGridAreKeptInside)
{
    expectCell(560, 272, 34, 16);
    expectCell(100000, 1e30, 34, 16);
    expectCell(-0.4, -20, 0, 0);
    expectCell(std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 0, 16);
}

}  // namespace
}  // namespace kelmor
