#include <gtest/gtest.h>

#include "levelfile/mapcount.h"
#include "support/tempdir.h"

namespace kelmor {
namespace {

using test::levelText;
using test::uniformRows;

std::int64_t skipping(const std::string& bytes)
{
    MemorySource s(bytes);
    ItemReader r(s, 3);
    return countMapsSkippingRows(r);
}

std::int64_t everyItem(const std::string& bytes)
{
    MemorySource s(bytes);
    ItemReader r(s, 3);
    return countHeaderItems(r);
}

TEST(CountMaps, BothCountsAgreeOnWellFormedFiles)
{
    const std::string three = "orphan\r\n" + levelText({{"*A", uniformRows('0')}, {"*B", uniformRows('1')}}) +
                              "note\r\n\r\n" + levelText({{"*C", uniformRows('2')}});
    EXPECT_EQ(skipping(three), 3);
    EXPECT_EQ(everyItem(three), 3);
    for (const std::string& none : {std::string(), std::string("\r\n"), std::string("a,b\r\nc")}) {
        EXPECT_EQ(skipping(none), 0);
        EXPECT_EQ(everyItem(none), 0);
    }
}

TEST(CountMaps, RowsAreSkippedByOneCountAndExaminedByTheOther)
{
    // A map cut short: the next header stands where its rows should be.
    std::string bytes = "*SHORT\r\n" + std::string(35, '0') + "\r\n" + levelText({{"*NEXT", uniformRows('0')}});
    EXPECT_EQ(skipping(bytes), 1);
    EXPECT_EQ(everyItem(bytes), 2);
}

TEST(CountMaps, ACutOffLastMapStillCounts)
{
    const std::string bytes = levelText({{"*A", uniformRows('0')}}) + "*B\r\n0000";
    EXPECT_EQ(skipping(bytes), 2);
    EXPECT_EQ(everyItem(bytes), 2);
    EXPECT_EQ(skipping("*only"), 1);
}

}  // namespace
}  // namespace kelmor
