// Rectangles, fills and the clipboard's text, on rows of every shape a
// level file can leave.
#include <gtest/gtest.h>

#include "edit/cliptext.h"
#include "edit/shapes.h"
#include "support/cellprint.h"
#include "support/maprows.h"

namespace kelmor {
namespace {

using test::rowsOf;

TEST(Shapes, ARectangleLeavesOutTheCellsAShortRowLacks)
{
    MapRows rows = rowsOf('1');
    rows[1] = "12";
    const std::vector<CellPos> cells = rectCells(rows, {1, 0, 3, 1});
    EXPECT_EQ(cells, (std::vector<CellPos>{{1, 0}, {2, 0}, {3, 0}, {1, 1}}));
    EXPECT_EQ(rectCells(rows, CellRect::wholeMap()).size(), 16u * 35u + 2u);
    EXPECT_TRUE(rectCells(rows, {}).empty());
}

TEST(Shapes, AFillStopsAtOtherCodesAndAtCellsARowLacks)
{
    MapRows rows = rowsOf('1');
    for (int c = 0; c < kMapColumns; ++c)
        rows[4][static_cast<std::size_t>(c)] = '7';  // a wall across the map
    rows[2] = "11";                                  // a short row: its missing cells are walls too
    const std::vector<CellPos> cells = floodCells(rows, {0, 0});
    EXPECT_EQ(cells.size(), 2u * 35u + 2u + 35u);  // rows 0, 1, 3 and row 2's two cells
    for (const CellPos& cell : cells)
        EXPECT_LT(cell.row, 4);
    EXPECT_EQ(floodCells(rows, {0, 4}).size(), 35u);  // the wall itself, corner to corner
    EXPECT_TRUE(floodCells(rows, {10, 2}).empty());   // a cell the row lacks
    // Diagonal neighbours do not join.
    MapRows chequer = rowsOf('0');
    chequer[0][1] = '1';
    chequer[1][0] = '1';
    EXPECT_EQ(floodCells(chequer, {0, 0}).size(), 1u);
}

TEST(Shapes, BordersAndJumpsAlongRuns)
{
    MapRows rows = rowsOf('1');
    EXPECT_EQ(borderCells(rows, {2, 2, 4, 4}).size(), 8u);
    EXPECT_EQ(borderCells(rows, {2, 2, 2, 2}).size(), 1u);
    EXPECT_EQ(borderCells(rows, {0, 3, 34, 3}).size(), 35u);
    for (int c = 10; c < 20; ++c)
        rows[5][static_cast<std::size_t>(c)] = '7';
    EXPECT_EQ(jumpTarget(rows, {0, 5}, {1, 0}), (CellPos{9, 5}));    // the run's end
    EXPECT_EQ(jumpTarget(rows, {9, 5}, {1, 0}), (CellPos{19, 5}));   // the next run's end
    EXPECT_EQ(jumpTarget(rows, {19, 5}, {1, 0}), (CellPos{34, 5}));  // the map's edge
    EXPECT_EQ(jumpTarget(rows, {34, 5}, {1, 0}), (CellPos{34, 5}));
    EXPECT_EQ(jumpTarget(rows, {15, 5}, {-1, 0}), (CellPos{10, 5}));
    EXPECT_EQ(jumpTarget(rows, {12, 0}, {0, 1}), (CellPos{12, 4}));
}

TEST(ClipText, CopiesRowsByLinesAndLacksAsZero)
{
    MapRows rows = rowsOf('1');
    rows[0][0] = 'K';
    rows[1] = "1";
    EXPECT_EQ(copyText(rows, {0, 0, 2, 1}), "K11\n100");
    EXPECT_EQ(copyText(rows, {34, 16, 34, 16}), "1");
}

TEST(ClipText, ReadsLineEndsBlanksAndTellsWhereARefusalIs)
{
    const PasteText crlf = readPasteText(U"A B\r\nC\r\n");
    ASSERT_FALSE(crlf.refused);
    EXPECT_EQ(crlf.lines, (std::vector<std::string>{"A0B", "C"}));
    EXPECT_EQ(readPasteText(U"12\n\n3").lines, (std::vector<std::string>{"12", "", "3"}));
    EXPECT_EQ(readPasteText(U"").lines, (std::vector<std::string>{""}));

    for (const auto& [text, line, column, why] :
         {std::tuple{std::u32string(U"12\n3*"), 2, 2, CodeRefusal::Separator},
          std::tuple{std::u32string(U"x\ty"), 1, 2, CodeRefusal::NotAscii},
          std::tuple{std::u32string(U"ab\r\nc\u3042"), 2, 2, CodeRefusal::NotAscii},
          std::tuple{std::u32string(U"\"1"), 1, 1, CodeRefusal::Separator}}) {
        const PasteText read = readPasteText(text);
        ASSERT_TRUE(read.refused);
        EXPECT_EQ(read.refused->line, line);
        EXPECT_EQ(read.refused->column, column);
        EXPECT_EQ(read.refused->why, why);
        EXPECT_TRUE(read.lines.empty());
    }
}

TEST(ClipText, PastesClippedAtTheEdgesAndRowEnds)
{
    MapRows rows = rowsOf('1');
    rows[16] = "111";
    CellRect covered;
    const auto cells = pasteCells(rows, {"AB", "C", "DEF"}, {33, 14}, covered);
    // Line 3 would reach row 16, whose row ends at column 2: nothing there.
    EXPECT_EQ(cells, (std::vector<std::pair<CellPos, char>>{{{33, 14}, 'A'}, {{34, 14}, 'B'}, {{33, 15}, 'C'}}));
    EXPECT_EQ(covered, (CellRect{33, 14, 34, 16}));
    pasteCells(rows, {""}, {0, 0}, covered);
    EXPECT_TRUE(covered.empty());
}

}  // namespace
}  // namespace kelmor
