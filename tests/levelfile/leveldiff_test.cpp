// Two level files compared map by map, on byte sources.
#include <gtest/gtest.h>

#include "levelfile/leveldiff.h"
#include "support/tempdir.h"

namespace kelmor {
namespace {

using test::levelText;
using test::uniformRows;
using Kind = MapChange::Kind;

LevelDiff diff(const std::string& was, const std::string& now)
{
    MemorySource a(was), b(now);
    return diffLevels(a, b);
}

std::string maps(const std::string& headers)
{
    std::vector<std::pair<std::string, std::vector<std::string>>> all;
    for (const char h : headers)
        all.push_back({std::string("*") + h, uniformRows(h)});
    return levelText(all);
}

using Told = std::vector<std::tuple<Kind, std::int64_t, std::int64_t, std::string>>;

// Each map's kind, numbers and header, in the order told.
Told kinds(const LevelDiff& d)
{
    Told out;
    for (const MapChange& c : d.maps)
        out.emplace_back(c.kind, c.oldNo, c.newNo, c.header);
    return out;
}

Told one(Kind kind, std::int64_t oldNo, std::int64_t newNo, const std::string& header)
{
    return {{kind, oldNo, newNo, header}};
}

TEST(LevelDiff, MapsAreAlignedByTheirHeaders)
{
    EXPECT_TRUE(diff(maps("ABCD"), maps("ABCD")).same());
    // One map in front is one map added, not every map moved.
    EXPECT_EQ(kinds(diff(maps("ABCD"), maps("XABCD"))), one(Kind::Added, 0, 1, "*X"));
    EXPECT_EQ(kinds(diff(maps("ABCD"), maps("ACD"))), one(Kind::Removed, 2, 0, "*B"));
    EXPECT_EQ(kinds(diff(maps("ABCD"), maps("BCDA"))), one(Kind::Moved, 1, 4, "*A"));
    // Many added in the middle, past the search's limit, are still only added.
    const std::string many(1500, 'Z');
    EXPECT_EQ(diff(maps("AB"), maps("A" + many + "B")).maps.size(), 1500u);

    // The same rows in the same place under another header: renamed.
    std::vector<std::pair<std::string, std::vector<std::string>>> renamed = {
        {"*A", uniformRows('A')}, {"*NEW", uniformRows('B')}, {"*C", uniformRows('C')}};
    const LevelDiff r = diff(maps("ABC"), levelText(renamed));
    ASSERT_EQ(r.maps.size(), 1u);
    EXPECT_EQ(r.maps[0].kind, Kind::Renamed);
    EXPECT_EQ(r.maps[0].oldHeader, "*B");
    EXPECT_EQ(r.maps[0].header, "*NEW");

    // Two maps of one header: the second one gone is the one removed.
    EXPECT_EQ(kinds(diff(levelText({{"*A", uniformRows('1')}, {"*A", uniformRows('2')}, {"*B", uniformRows('3')}}),
                         levelText({{"*A", uniformRows('1')}, {"*B", uniformRows('3')}}))),
              one(Kind::Removed, 2, 0, "*A"));
}

TEST(LevelDiff, EachChangedCellIsTold)
{
    std::vector<std::string> rows = uniformRows('0');
    rows[3][7] = 'K';
    rows[16].pop_back();  // a cell no longer there
    const LevelDiff d = diff(maps("AB"), levelText({{"*A", uniformRows('A')}, {"*B", rows}}));
    ASSERT_EQ(d.maps.size(), 1u);
    EXPECT_EQ(d.maps[0].kind, Kind::Changed);
    EXPECT_EQ(d.maps[0].newNo, 2);
    std::vector<std::tuple<int, int, std::string, std::string>> cells;
    for (const CellChange& c : d.maps[0].cells)
        cells.emplace_back(c.row, c.column, c.from, c.to);
    ASSERT_EQ(cells.size(), 35u * 17);  // "B" to "0" everywhere but one K, and the last cell gone
    EXPECT_EQ(cells[3 * 35 + 7], std::make_tuple(3, 7, std::string("B"), std::string("K")));
    EXPECT_EQ(cells.back(), std::make_tuple(16, 34, std::string("B"), std::string()));

    // A damaged map (another map's header among its rows) is compared as it reads.
    std::vector<std::string> damaged = uniformRows('0');
    damaged[5] = "*STRAY";
    const LevelDiff mended = diff(levelText({{"*A", damaged}}), levelText({{"*A", uniformRows('0')}}));
    ASSERT_EQ(mended.maps.size(), 1u);
    EXPECT_EQ(mended.maps[0].cells.front().from, "*");
    EXPECT_EQ(mended.maps[0].cells.front().row, 5);
}

TEST(LevelDiff, LineEndsAndQuotesAreNoChangeButItemsOutsideMapsAre)
{
    const std::string crlf = "title\r\n" + maps("AB");
    std::string lf;
    for (const char c : crlf)
        if (c != '\r')
            lf += c;
    EXPECT_TRUE(diff(crlf, lf).same());
    EXPECT_TRUE(diff(crlf, "\"title\"\r\n\r\n" + maps("AB")).same());

    const LevelDiff d = diff(crlf, "title\r\n" + maps("A") + "note,more\n" + maps("B"));
    ASSERT_EQ(d.lines.size(), 2u);
    EXPECT_TRUE(d.lines[0].added);
    EXPECT_EQ(d.lines[0].line, 21);  // after the title and map A's 19 lines
    EXPECT_EQ(d.lines[0].text, "note");
    EXPECT_EQ(d.lines[1].line, 21);
    EXPECT_TRUE(d.maps.empty());
}

}  // namespace
}  // namespace kelmor
