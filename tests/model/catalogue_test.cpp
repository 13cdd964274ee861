#include <gtest/gtest.h>

#include "model/blanktemplate.h"
#include "model/catalogue.h"
#include "model/celldecode.h"
#include "model/palette.h"

namespace kelmor {
namespace {

TEST(Palette, ListsObjectsThenTilesInCatalogueOrder)
{
    const Palette p = buildPalette(standardCatalogue());
    ASSERT_EQ(p.items.size(), 34u);
    EXPECT_EQ(p.partsMax, 24);
    EXPECT_EQ(p.items[0], "A:ハキュラ");
    EXPECT_EQ(p.items[2], "C:与作");
    EXPECT_EQ(p.items[13], "N:爆弾(点火前)");  // ASCII parentheses
    EXPECT_EQ(p.items[11], "L:針（縦）");      // full-width parentheses
    EXPECT_EQ(p.items[16], "Q:GOLD2(落下あり)");
    EXPECT_EQ(p.items[23], "X:kinoko");
    EXPECT_EQ(p.items[24], "0:空白");
    EXPECT_EQ(p.items[26], "2:ドア（開いてる）");
    EXPECT_EQ(p.items[30], "6:レンガ1(赤)");
    EXPECT_EQ(p.items[33], "9:レンガ（青）");
    for (std::size_t i = 0; i < p.items.size(); ++i) {
        const char code = i < 24 ? static_cast<char>('A' + i) : static_cast<char>('0' + i - 24);
        EXPECT_EQ(p.items[i][0], code) << i;
        EXPECT_EQ(p.items[i][1], ':') << i;
    }
}

TEST(Palette, StopsAtTheFirstEmptyName)
{
    Catalogue c = standardCatalogue();
    c.partsName[5].clear();
    c.partsName[103].clear();
    const Palette p = buildPalette(c);
    EXPECT_EQ(p.partsMax, 5);
    ASSERT_EQ(p.items.size(), 8u);  // A..E, then 0..2
    EXPECT_EQ(p.items[5], "0:空白");
    EXPECT_EQ(p.items[7], "2:ドア（開いてる）");
}

TEST(Catalogue, EmptyIndexesHaveNoNameAndTileZero)
{
    const Catalogue c = standardCatalogue();
    for (int i : {24, 35, 90, 99, 110, 120}) {
        EXPECT_TRUE(c.partsName[static_cast<std::size_t>(i)].empty()) << i;
        EXPECT_EQ(c.tileOf(i), 0) << i;
    }
    EXPECT_EQ(c.tileOf(-1), 0);
    EXPECT_EQ(c.tileOf(121), 0);
    EXPECT_EQ(c.tileOf(255), 0);
}

TEST(CellDecode, LettersDigitsBlankAndTheRest)
{
    const Catalogue c = standardCatalogue();
    EXPECT_EQ(cellValue('A'), 0);
    EXPECT_EQ(cellValue('X'), 23);
    EXPECT_EQ(cellValue('Y'), 24);
    EXPECT_EQ(cellValue('Z'), 90);
    EXPECT_EQ(cellValue('0'), 100);
    EXPECT_EQ(cellValue('9'), 109);
    EXPECT_EQ(cellValue(' '), 100);
    EXPECT_EQ(cellValue('d'), 100);
    EXPECT_EQ(cellValue('e'), 101);
    EXPECT_EQ(cellValue('#'), 35);
    EXPECT_EQ(cellValue('z'), 122);
    EXPECT_EQ(cellValue(static_cast<char>(0xE3)), 0xE3);  // low 8 bits, never negative

    EXPECT_EQ(c.tileOf(cellValue(' ')), 0);
    EXPECT_EQ(c.tileOf(cellValue('e')), 56);
    EXPECT_EQ(c.tileOf(cellValue('Y')), 0);
    EXPECT_EQ(c.tileOf(cellValue('Z')), 0);
    EXPECT_EQ(c.tileOf(cellValue('{')), 0);
    EXPECT_EQ(c.tileOf(cellValue('N')), 290);
    EXPECT_EQ(c.tileOf(cellValue('O')), 290);
    EXPECT_NE(cellValue('N'), cellValue('O'));
    EXPECT_EQ(c.tileOf(cellValue('6')), 336);
}

TEST(CellDecode, PalettePositionPutsDigitsAfterTheObjects)
{
    EXPECT_EQ(palettePosition('A', 24), 0);
    EXPECT_EQ(palettePosition('X', 24), 23);
    EXPECT_EQ(palettePosition('Y', 24), 24);
    EXPECT_EQ(palettePosition('0', 24), 24);
    EXPECT_EQ(palettePosition(' ', 24), 24);
    EXPECT_EQ(palettePosition('7', 24), 31);
    EXPECT_EQ(palettePosition('9', 24), 33);
    EXPECT_EQ(palettePosition('Z', 24), 90);
    EXPECT_EQ(palettePosition('d', 24), 100);
}

TEST(BlankTemplate, RowsAsTheGameExpects)
{
    EXPECT_EQ(blankTemplateRow(0), "ABCDEFGHIJKLMNOPQ" + std::string(17, '0') + "6");
    for (int r = 1; r <= 14; ++r)
        EXPECT_EQ(blankTemplateRow(r), std::string(34, '0') + "6") << r;
    EXPECT_EQ(blankTemplateRow(15), "0123456789" + std::string(24, '0') + "6");
    EXPECT_EQ(blankTemplateRow(16), std::string(35, '6'));
}

}  // namespace
}  // namespace kelmor
