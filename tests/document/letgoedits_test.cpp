#include <gtest/gtest.h>

#include "document/letgoedits.h"

namespace kelmor {
namespace {

Recovery editsOf(const std::string& level, std::int64_t mapNo)
{
    Recovery edits;
    edits.level = level;
    edits.mapNo = mapNo;
    return edits;
}

TEST(LetGoEdits, TheLastTenOfEachFileNewestFirstAndTakenOnce)
{
    LetGoEdits kept;
    const auto at = std::chrono::system_clock::now();
    for (int i = 1; i <= 12; ++i)
        kept.keep(editsOf(i % 3 == 0 ? "/b/other.cnf" : "/a/kelmor.cnf", i), at);
    EXPECT_EQ(kept.size(), LetGoEdits::kKept);
    const std::vector<LetGoEdit> mine = kept.of("/a/kelmor.cnf");
    std::vector<std::int64_t> numbers;
    for (const LetGoEdit& edit : mine)
        numbers.push_back(edit.edits.mapNo);
    EXPECT_EQ(numbers, (std::vector<std::int64_t>{11, 10, 8, 7, 5, 4}));  // 1 and 2 the oldest, gone
    EXPECT_EQ(kept.of("/b/other.cnf").size(), 4u);

    const std::uint64_t id = mine[1].id;
    ASSERT_TRUE(kept.take(id));
    EXPECT_EQ(kept.take(id), std::nullopt);
    EXPECT_EQ(kept.of("/a/kelmor.cnf").size(), 5u);
}

}  // namespace
}  // namespace kelmor
