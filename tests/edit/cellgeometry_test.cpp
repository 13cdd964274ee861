#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>
#include <limits>

#include "edit/cellgeometry.h"
#include "support/cellprint.h"

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

namespace kelmor {
namespace {

bool touching(CellPos a, CellPos b)
{
    return std::abs(a.column - b.column) <= 1 && std::abs(a.row - b.row) <= 1 && !(a == b);
}

TEST(LineCells, EveryDirectionFromEndToEndWithoutGaps)
{
    const CellPos centre{17, 8};
    // The eight directions, and steep and shallow lines between them.
    for (const CellPos end : {CellPos{30, 8}, CellPos{30, 2}, CellPos{17, 0}, CellPos{4, 0}, CellPos{2, 8},
                              CellPos{9, 16}, CellPos{17, 16}, CellPos{25, 16}, CellPos{20, 0}, CellPos{34, 10}}) {
        const std::vector<CellPos> cells = lineCells(centre, end);
        ASSERT_FALSE(cells.empty());
        EXPECT_EQ(cells.front(), centre);
        EXPECT_EQ(cells.back(), end);
        const std::size_t longer =
            static_cast<std::size_t>(std::max(std::abs(end.column - centre.column), std::abs(end.row - centre.row)));
        EXPECT_EQ(cells.size(), longer + 1) << end.column << "," << end.row;  // one cell a step, none twice
        for (std::size_t i = 1; i < cells.size(); ++i)
            EXPECT_TRUE(touching(cells[i - 1], cells[i])) << i;
    }
}

TEST(LineCells, OneCellAndTheSameCellsBothWays)
{
    EXPECT_EQ(lineCells({3, 3}, {3, 3}), (std::vector<CellPos>{{3, 3}}));
    EXPECT_EQ(lineCells({0, 0}, {3, 3}), (std::vector<CellPos>{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
    EXPECT_EQ(lineCells({0, 0}, {4, 1}).size(), 5u);
    EXPECT_EQ(lineCells({5, 0}, {0, 0}), (std::vector<CellPos>{{5, 0}, {4, 0}, {3, 0}, {2, 0}, {1, 0}, {0, 0}}));
}

TEST(CellRect, SpanningEitherWayRoundAndClippedToTheGrid)
{
    EXPECT_EQ(CellRect::spanning({5, 7}, {2, 3}), (CellRect{2, 3, 5, 7}));
    EXPECT_EQ(CellRect::spanning({-3, -1}, {40, 20}), CellRect::wholeMap());
    EXPECT_TRUE(CellRect::spanning({40, 0}, {50, 3}).empty());  // wholly outside
    EXPECT_TRUE((CellRect{}).empty());
    const CellRect r{2, 3, 5, 7};
    EXPECT_TRUE(r.contains({2, 3}));
    EXPECT_TRUE(r.contains({5, 7}));
    EXPECT_FALSE(r.contains({6, 7}));
    EXPECT_FALSE(r.contains({2, 2}));
}

}  // namespace
}  // namespace kelmor
