// Three level files merged map by map and cell by cell, as bytes.
#include <gtest/gtest.h>

#include "levelfile/leveldiff.h"
#include "levelfile/levelmerge.h"
#include "support/tempdir.h"

namespace kelmor {
namespace {

using test::levelText;
using test::uniformRows;
using Maps = std::vector<std::pair<std::string, std::vector<std::string>>>;

// Map `header` filled with its own letter, with the cells given changed.
std::pair<std::string, std::vector<std::string>> map(char header, std::vector<std::tuple<int, int, char>> cells = {})
{
    std::vector<std::string> rows = uniformRows(header);
    for (const auto& [r, c, code] : cells)
        rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = code;
    return {std::string("*") + header, rows};
}

// A merge's text, which points into the three files while they are there.
struct Merged {
    std::string text;
    std::vector<std::string> conflicts;
    bool merged = false;
};
Merged merge(const std::string& base, const std::string& ours, const std::string& theirs)
{
    const LevelMerge m = mergeLevels(base, ours, theirs);
    return {m.text(), m.conflicts, m.merged};
}

// The same maps with the same rows, whatever stands between them.
bool sameMaps(const std::string& a, const std::string& b)
{
    MemorySource x(a), y(b);
    return diffLevels(x, y).maps.empty();
}

TEST(LevelMerge, WhatOneSideChangedIsTaken)
{
    const std::string base = levelText({map('A'), map('B'), map('C')});
    // Both appending: all kept, ours first; one side reordering, the other changing a cell.
    Merged m = merge(base, levelText({map('A'), map('B'), map('C'), map('O')}),
                     levelText({map('A'), map('B'), map('C'), map('T')}));
    EXPECT_TRUE(m.conflicts.empty());
    EXPECT_EQ(m.text, levelText({map('A'), map('B'), map('C'), map('O'), map('T')}));
    m = merge(base, levelText({map('C'), map('A'), map('B')}),
              levelText({map('A'), map('B', {{2, 3, 'K'}}), map('C')}));
    EXPECT_TRUE(m.conflicts.empty());
    EXPECT_EQ(m.text, levelText({map('C'), map('A'), map('B', {{2, 3, 'K'}})}));

    // The same row, other cells; the same cell to the same code.
    m = merge(base, levelText({map('A', {{4, 1, 'X'}, {6, 6, 'Q'}}), map('B'), map('C')}),
              levelText({map('A', {{4, 9, 'Y'}, {6, 6, 'Q'}}), map('B'), map('C')}));
    EXPECT_TRUE(m.conflicts.empty());
    EXPECT_EQ(m.text, levelText({map('A', {{4, 1, 'X'}, {4, 9, 'Y'}, {6, 6, 'Q'}}), map('B'), map('C')}));

    // Renamed on one side, its rows changed on the other: both taken.
    Maps renamed = {map('A'), map('B'), map('C')};
    renamed[1].first = "*NEW";
    m = merge(base, levelText(renamed), levelText({map('A'), map('B', {{0, 0, 'Z'}}), map('C')}));
    EXPECT_TRUE(m.conflicts.empty());
    renamed[1].second[0][0] = 'Z';
    EXPECT_EQ(m.text, levelText(renamed));

    // Deleted on one side, unchanged on the other: deleted.
    m = merge(base, levelText({map('A'), map('C')}), levelText({map('A'), map('B'), map('C'), map('T')}));
    EXPECT_EQ(m.text, levelText({map('A'), map('C'), map('T')}));
}

TEST(LevelMerge, ConflictsKeepOursAndAreTold)
{
    const std::string base = levelText({map('A'), map('B')});
    Merged m = merge(base, levelText({map('A', {{3, 4, 'X'}}), map('B')}),
                     levelText({map('A', {{3, 4, 'Y'}, {0, 0, 'Z'}}), map('B')}));
    ASSERT_EQ(m.conflicts, std::vector<std::string>{"map 1 \"*A\":row 3:column 4: ours X, theirs Y, base A"});
    EXPECT_EQ(m.text, levelText({map('A', {{3, 4, 'X'}, {0, 0, 'Z'}}), map('B')}));

    // Deleted on one side and changed on the other: the changed map stays.
    m = merge(base, levelText({map('A')}), levelText({map('A'), map('B', {{1, 1, 'K'}})}));
    ASSERT_EQ(m.conflicts.size(), 2u);
    EXPECT_NE(m.conflicts[1].find("deleted in ours, changed in theirs"), std::string::npos);
    EXPECT_TRUE(sameMaps(m.text, levelText({map('A'), map('B', {{1, 1, 'K'}})})));

    // A header that stands more often on one side is matched with nothing.
    m = merge(base, levelText({map('A', {{0, 1, 'X'}}), map('B')}),
              levelText({map('A'), map('A', {{0, 1, 'Y'}}), map('B')}));
    EXPECT_FALSE(m.conflicts.empty());

    // A damaged map changed on both sides is not merged cell by cell.
    std::vector<std::string> damaged = uniformRows('0');
    damaged[5] = "*STRAY";
    std::vector<std::string> ours = damaged, theirs = damaged;
    ours[0][0] = 'X';
    theirs[1][0] = 'Y';
    m = merge(levelText({{"*D", damaged}}), levelText({{"*D", ours}}), levelText({{"*D", theirs}}));
    ASSERT_EQ(m.conflicts.size(), 1u);
    EXPECT_EQ(m.text, levelText({{"*D", ours}}));
}

TEST(LevelMerge, BytesOfEachSideAndLinesOutsideMaps)
{
    const std::string base = "title\r\n" + levelText({map('A'), map('B')});
    // Theirs written with LF alone: a line end is no change, and what is
    // taken from a side keeps its bytes.
    std::string theirs = "title\r\nnote\r\n" + levelText({map('A'), map('B', {{2, 2, 'K'}})});
    std::string lf;
    for (const char c : theirs)
        if (c != '\r')
            lf += c;
    const Merged m = merge(base, "title\r\n" + levelText({map('A', {{0, 0, 'X'}}), map('B')}), lf);
    EXPECT_TRUE(m.conflicts.empty());
    std::string expected = "title\r\nnote\n" + levelText({map('A', {{0, 0, 'X'}})});
    const std::string b = levelText({map('B', {{2, 2, 'K'}})});
    for (const char c : b.substr(0, b.size() - 2))
        if (c != '\r')
            expected += c;
    EXPECT_EQ(m.text, expected + "\r\n");  // the empty line after it, unchanged, as ours has it

    // Both changed the same line: ours kept, told by its line.
    const Merged lines =
        merge(base, "ours\r\n" + levelText({map('A'), map('B')}), "theirs\r\n" + levelText({map('A'), map('B')}));
    EXPECT_EQ(lines.text, "ours\r\n" + levelText({map('A'), map('B')}));
    ASSERT_EQ(lines.conflicts.size(), 1u);
    EXPECT_EQ(lines.conflicts[0].rfind("line 1:", 0), 0u);

    // A header sharing its line with another item: nothing is merged.
    EXPECT_FALSE(merge(base, "x," + levelText({map('A')}), "y\r\n" + levelText({map('A')})).merged);
}

}  // namespace
}  // namespace kelmor
