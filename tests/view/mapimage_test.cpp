#include <gtest/gtest.h>

#include "model/catalogue.h"
#include "model/celldecode.h"
#include "support/formfixture.h"
#include "view/mapimage.h"

namespace kelmor {
namespace {

using test::coordinateSheet;
using test::sheetPixel;

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kRed = 0xffff0000;

bool onMarker(int x, int y)
{
    const bool inside = x >= 96 && x <= 111 && y >= 56 && y <= 71;
    return inside && (x == 96 || x == 111 || y == 56 || y == 71);
}

// Checks a cell against the sheet's block for `tile`, leaving out the marker.
void expectCell(const QImage& view, int row, int column, int tile)
{
    const QPoint o = TileSheet::blockOrigin(tile);
    for (int dy = 0; dy < 16; ++dy)
        for (int dx = 0; dx < 16; ++dx) {
            const int x = column * 16 + dx;
            const int y = row * 16 + dy;
            if (onMarker(x, y))
                continue;
            ASSERT_EQ(view.pixel(x, y), sheetPixel(o.x() + dx, o.y() + dy))
                << "cell " << row << "," << column << " pixel " << dx << "," << dy;
        }
}

class DrawMap : public ::testing::Test {
protected:
    void SetUp() override
    {
        sheet.setImage(coordinateSheet());
        for (int r = 0; r < kMapRows; ++r)
            grid[static_cast<std::size_t>(r)] = std::string(35, '0');
    }
    Catalogue catalogue = standardCatalogue();
    TileSheet sheet;
    MapRows grid;
    MapImage image;
};

TEST_F(DrawMap, EveryCellComesFromItsTilesBlockAndTheMarkerIsRed)
{
    const std::string codes = "ABCDEFGHIJKLMNOPQRSTUVWX0123456789 Y";
    for (int r = 0; r < kMapRows; ++r)
        for (int c = 0; c < kMapColumns; ++c)
            grid[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                codes[static_cast<std::size_t>(r * 35 + c) % codes.size()];
    image.drawMap(grid, catalogue, sheet);
    const QImage& view = image.image();
    ASSERT_EQ(view.size(), QSize(560, 272));
    for (int r = 0; r < kMapRows; ++r)
        for (int c = 0; c < kMapColumns; ++c)
            expectCell(view, r, c,
                       catalogue.tileOf(cellValue(grid[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)])));
    for (int y = 50; y < 80; ++y)
        for (int x = 90; x < 120; ++x)
            if (onMarker(x, y)) {
                ASSERT_EQ(view.pixel(x, y), kRed) << x << "," << y;
            }
    EXPECT_NE(view.pixel(97, 57), kRed);  // the inside is not filled
}

TEST_F(DrawMap, KnownBlocksAndTheBottomRightCell)
{
    grid[0][0] = '6';
    grid[0][1] = '9';
    grid[0][2] = 'U';
    grid[0][3] = 'N';
    grid[0][4] = 'O';
    grid[16][34] = 'B';
    image.drawMap(grid, catalogue, sheet);
    const QImage& v = image.image();
    EXPECT_EQ(v.pixel(0, 0), sheetPixel(0, 96));     // tile 336
    EXPECT_EQ(v.pixel(16, 0), sheetPixel(16, 32));   // tile 114
    EXPECT_EQ(v.pixel(32, 0), sheetPixel(96, 112));  // tile 404
    EXPECT_EQ(v.pixel(48, 0), sheetPixel(80, 80));   // tile 290
    EXPECT_EQ(v.pixel(64, 0), sheetPixel(80, 80));
    EXPECT_EQ(v.pixel(544, 256), sheetPixel(32, 96));  // tile 340 from the bottom-right corner
    EXPECT_EQ(v.pixel(559, 271), sheetPixel(47, 111));
}

TEST_F(DrawMap, BadCellsShowTileZeroWithoutReadingOutside)
{
    grid[2] = "z{\xE3\x81\x82#Y";    // no catalogue entry for any of these
    grid[5] = "";                    // every column missing
    grid[7] = std::string(80, 'A');  // too long: the extra is ignored
    image.drawMap(grid, catalogue, sheet);
    for (int c = 0; c < 35; ++c) {
        expectCell(image.image(), 2, c, 0);
        expectCell(image.image(), 5, c, 0);
        expectCell(image.image(), 7, c, 282);
    }
}

TEST_F(DrawMap, WithoutASheetEachCellShowsItsCode)
{
    sheet.clear();
    grid[1] = "0A z";  // a blank, and no cells past column 3
    image.drawMap(grid, catalogue, sheet);
    const QImage before = image.image();
    const QImage blank = before.copy(32, 16, 16, 16);
    EXPECT_EQ(before.copy(64, 16, 16, 16), blank);  // past the row's end: black as a blank
    for (int c : {0, 1, 3})
        EXPECT_NE(before.copy(c * 16, 16, 16, 16), blank) << c;
    EXPECT_NE(before.copy(16, 16, 16, 16), before.copy(48, 16, 16, 16));  // "A" is not "z"
    EXPECT_EQ(before.pixel(96, 56), kRed);
    grid[1][2] = 'A';
    image.drawCell(1, 2, grid, catalogue, sheet);
    EXPECT_EQ(image.image().copy(32, 16, 16, 16), before.copy(16, 16, 16, 16));
    EXPECT_EQ(MapImage::cellPicture('A', catalogue, sheet), before.copy(16, 16, 16, 16));
}

TEST_F(DrawMap, PartsOfABlockOutsideASmallSheetStayBlack)
{
    sheet.setImage(coordinateSheet(40, 20));
    grid[0][0] = 'C';  // tile 4 at (32, 0): 8 x 16 pixels of it exist
    grid[0][1] = 'A';  // tile 282 at (16, 80): nothing of it exists
    image.drawMap(grid, catalogue, sheet);
    const QImage& v = image.image();
    EXPECT_EQ(v.pixel(7, 15), sheetPixel(39, 15));
    EXPECT_EQ(v.pixel(8, 0), kBlack);
    EXPECT_EQ(v.pixel(0, 15), sheetPixel(32, 15));
    EXPECT_EQ(v.pixel(20, 5), kBlack);
}

TEST_F(DrawMap, OneCellRepaintTouchesOnlyThatCell)
{
    image.drawMap(grid, catalogue, sheet);
    const QImage before = image.image().copy();
    grid[3][6] = 'J';  // under the marker
    image.drawCell(3, 6, grid, catalogue, sheet);
    const QImage& after = image.image();
    for (int y = 0; y < 272; ++y)
        for (int x = 0; x < 560; ++x) {
            const bool inCell = x >= 96 && x < 112 && y >= 48 && y < 64;
            if (!inCell) {
                ASSERT_EQ(after.pixel(x, y), before.pixel(x, y)) << x << "," << y;
            }
        }
    expectCell(after, 3, 6, 174);
    EXPECT_EQ(after.pixel(96, 56), sheetPixel((174 % 28) * 8, (174 / 28) * 8 + 8));  // marker covered
    EXPECT_EQ(after.pixel(96, 64), kRed);  // the part of the marker in row 4 stays
}

}  // namespace
}  // namespace kelmor
