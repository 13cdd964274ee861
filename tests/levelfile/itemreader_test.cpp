#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "levelfile/itemreader.h"

namespace kelmor {
namespace {

struct Items {
    std::vector<std::string> texts;
    std::vector<bool> stars;
};

// Every case runs with several buffer sizes, so that items, quotes and CR LF
// pairs split across refills are read the same way.
Items readAll(const std::string& bytes, std::size_t bufferSize)
{
    MemorySource source(bytes);
    ItemReader reader(source, bufferSize);
    Items items;
    std::string item;
    while (!reader.atEnd()) {
        items.stars.push_back(reader.readInto(item).hasStar);
        items.texts.push_back(item);
        if (items.texts.size() > bytes.size() + 1) {
            ADD_FAILURE() << "reader does not advance";
            break;
        }
    }
    return items;
}

class ItemRules : public ::testing::TestWithParam<std::size_t> {
protected:
    std::vector<std::string> items(const std::string& bytes) { return readAll(bytes, GetParam()).texts; }
    using V = std::vector<std::string>;
};

TEST_P(ItemRules, CommaAndEveryLineEndEndAnItem)
{
    EXPECT_EQ(items("a,b\r\nc\nd\re"), (V{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(items("one,two"), (V{"one", "two"}));
}

TEST_P(ItemRules, LastLineWithAndWithoutLineEnd)
{
    EXPECT_EQ(items("a\r\nb"), (V{"a", "b"}));
    EXPECT_EQ(items("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(items("a\r\nb\n"), (V{"a", "b"}));
    EXPECT_EQ(items("a\r\nb\r"), (V{"a", "b"}));
    EXPECT_EQ(items("a,"), (V{"a"}));
    EXPECT_EQ(items(""), V{});
}

TEST_P(ItemRules, EmptyLinesAreEmptyItems)
{
    EXPECT_EQ(items("a\r\n\r\nb"), (V{"a", "", "b"}));
    EXPECT_EQ(items("\n\n"), (V{"", ""}));
    EXPECT_EQ(items("\r\r\n"), (V{"", ""}));  // a lone CR, then CR LF
    EXPECT_EQ(items("a,,b"), (V{"a", "", "b"}));
}

TEST_P(ItemRules, LeadingBlanksAreSkippedTrailingOnesKept)
{
    EXPECT_EQ(items("   *MAP002\r\n  x y \r\n"), (V{"*MAP002", "x y "}));
    EXPECT_EQ(items("a,   b"), (V{"a", "b"}));
    EXPECT_EQ(items("   "), (V{""}));
    EXPECT_EQ(items("\tx"), (V{"\tx"}));  // only blanks are skipped
}

TEST_P(ItemRules, QuotedItemsKeepCommasAndLoseTheirQuotes)
{
    EXPECT_EQ(items("\"a,b\",c"), (V{"a,b", "c"}));
    EXPECT_EQ(items("  \"x\"\r\ny"), (V{"x", "y"}));
    EXPECT_EQ(items("\"\"\r\n"), (V{""}));
    EXPECT_EQ(items("\"two\r\nlines\"\r\nz"), (V{"two\r\nlines", "z"}));
    EXPECT_EQ(items("\"q\"junk,next"), (V{"q", "next"}));  // tail after the quote dropped
    EXPECT_EQ(items("\"never closed,\r\nstill"), (V{"never closed,\r\nstill"}));
    EXPECT_EQ(items("a\"b\",c"), (V{"a\"b\"", "c"}));  // a quote inside is ordinary
}

TEST_P(ItemRules, StarMarksAHeaderWhereverItStands)
{
    const Items it = readAll("*MAP001\r\nab*c\r\nend*\r\nplain\r\n\"*q\"", GetParam());
    EXPECT_EQ(it.stars, (std::vector<bool>{true, true, true, false, true}));
}

INSTANTIATE_TEST_SUITE_P(BufferSizes, ItemRules, ::testing::Values(1, 2, 3, 7, 64 * 1024));

TEST(ItemReader, SkippingKeepsNothingButCountsBytes)
{
    const std::string big(1 << 20, 'x');
    const std::string bytes = big + "*\r\nnext";
    MemorySource source(bytes);
    ItemReader reader(source, 4096);
    const ItemInfo info = reader.skip();
    EXPECT_EQ(info.size, big.size() + 1);
    EXPECT_TRUE(info.hasStar);
    std::string next;
    reader.readInto(next);
    EXPECT_EQ(next, "next");
    EXPECT_TRUE(reader.atEnd());
}

// Passing over items in bulk lands where reading them one by one does,
// whatever the buffer size, line ends, quotes and blanks.
TEST(ItemReader, SkippingManyItemsMatchesSkippingOneByOne)
{
    const std::string bytes = "a,b\r\nc\rd\n\r\n  \"q,\r\nx\"tail,e\r\n   \r\n*h\r\nlast  ";
    for (const std::size_t buffer : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{5}, std::size_t{8},
                                     std::size_t{64}, std::size_t{4096}}) {
        for (std::size_t n = 0; n < 14; ++n) {
            SCOPED_TRACE(testing::Message() << "buffer " << buffer << ", items " << n);
            MemorySource one(bytes);
            ItemReader byOne(one, buffer);
            std::size_t expected = 0;
            while (expected < n && !byOne.atEnd()) {
                byOne.skip();
                ++expected;
            }
            MemorySource bulk(bytes);
            ItemReader inBulk(bulk, buffer);
            EXPECT_EQ(inBulk.skipItems(n), expected) << buffer << " " << n;
            EXPECT_EQ(inBulk.offset(), byOne.offset()) << buffer << " " << n;
            std::string a, b;
            inBulk.readInto(a);
            byOne.readInto(b);
            EXPECT_EQ(a, b) << buffer << " " << n;
        }
    }
}

TEST(ItemReader, SeeksBackToAnItem)
{
    const std::string bytes = "one\r\ntwo\r\n" + std::string(5000, 'x') + "\r\nthree";
    for (const std::size_t buffer : {std::size_t{4}, std::size_t{64 * 1024}}) {
        MemorySource source(bytes);
        ItemReader reader(source, buffer);
        reader.skip();
        const std::uint64_t at = reader.offset();
        EXPECT_EQ(at, 5u);
        reader.skipItems(2);
        std::string item;
        reader.readInto(item);
        EXPECT_EQ(item, "three");
        ASSERT_TRUE(reader.seek(at));
        reader.readInto(item);
        EXPECT_EQ(item, "two");
    }
}

TEST(ItemReader, NeverAsksTheSourceAgainAfterItsEnd)
{
    class Counting final : public ByteSource {
    public:
        std::size_t read(char* buffer, std::size_t size) override
        {
            ++calls;
            if (given || size == 0)
                return 0;
            given = true;
            buffer[0] = 'x';
            return 1;
        }
        int calls = 0;
        bool given = false;
    } source;
    ItemReader reader(source);
    reader.skip();
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(reader.atEnd());
    reader.skip();
    EXPECT_EQ(source.calls, 2);
}

}  // namespace
}  // namespace kelmor
