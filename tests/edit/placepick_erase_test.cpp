#include <gtest/gtest.h>

#include "edit/erase.h"
#include "edit/placepick.h"
#include "model/blanktemplate.h"

namespace kelmor {
namespace {

MapRows gridOf(char fill)
{
    MapRows g;
    for (int r = 0; r < kMapRows; ++r)
        g[static_cast<std::size_t>(r)] = std::string(35, fill);
    return g;
}

TEST(Place, WritesOneCharacterInPlace)
{
    MapRows g = gridOf('0');
    EXPECT_TRUE(placeCell(g, {2, 1}, 'C'));
    EXPECT_EQ(g[1], "00C" + std::string(32, '0'));
    EXPECT_EQ(g[0], std::string(35, '0'));
    EXPECT_TRUE(placeCell(g, {34, 16}, 'd'));
    EXPECT_EQ(g[16].back(), 'd');
    EXPECT_EQ(g[16].size(), 35u);
}

TEST(Place, AShortRowIsLeftAlone)
{
    MapRows g = gridOf('0');
    g[3] = "12";
    EXPECT_FALSE(placeCell(g, {2, 3}, 'A'));
    EXPECT_EQ(g[3], "12");
    EXPECT_TRUE(placeCell(g, {1, 3}, 'A'));
    EXPECT_EQ(g[3], "1A");
}

TEST(Place, RefusesWhatWouldBreakTheLevelFile)
{
    for (char32_t c : {U',', U'"', U'*', U'\r', U'\n', U'\t', U'\x7f', U'あ', U'é'})
        EXPECT_FALSE(isPlaceableCode(c)) << static_cast<int>(c);
    for (char32_t c : {U'A', U'Z', U'0', U'9', U'd', U'#', U' ', U'~'})
        EXPECT_TRUE(isPlaceableCode(c)) << static_cast<int>(c);
}

TEST(Pick, PositionsOfLettersDigitsBlankAndOthers)
{
    MapRows g = gridOf('0');
    g[0] = "C7 Yd!X9Z";
    auto at = [&](int column) { return pickPosition(g, {column, 0}, 24, 34); };
    EXPECT_EQ(at(0), 2);
    EXPECT_EQ(at(1), 31);
    EXPECT_EQ(at(2), 24);
    EXPECT_EQ(at(3), 24);
    EXPECT_EQ(at(4), std::nullopt);  // 100: past the palette
    EXPECT_EQ(at(5), 33);            // "!" is 33, which the palette has
    EXPECT_EQ(at(6), 23);
    EXPECT_EQ(at(7), 33);
    EXPECT_EQ(at(8), std::nullopt);  // "Z" is 90
    EXPECT_EQ(at(9), std::nullopt);  // the row is too short
}

TEST(Erase, GivesExactlyTheTemplateWhateverTheMapHeld)
{
    MapRows g = gridOf('X');
    g[4] = "";
    g[9] = "short";
    g[12] = std::string(40, 'L');
    eraseToTemplate(g);
    for (int r = 0; r < kMapRows; ++r) {
        if (r == 12)
            continue;
        EXPECT_EQ(g[static_cast<std::size_t>(r)], blankTemplateRow(r)) << r;
    }
    // A long row is overwritten in place and keeps its length.
    EXPECT_EQ(g[12], blankTemplateRow(12) + "LLLLL");

    const MapRows once = g;
    eraseToTemplate(g);
    EXPECT_EQ(g, once);
}

}  // namespace
}  // namespace kelmor
