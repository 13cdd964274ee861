#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "levelfile/classify.h"

namespace kelmor {
namespace {

struct Classified {
    std::vector<std::uint64_t> ends, stars;
    bool quotes = false;
    std::uint64_t previousCr = 0;
};

Classified run(Classifier classify, const std::string& bytes, std::uint64_t previousCr)
{
    const std::size_t blocks = bytes.size() / kClassifyBlock;
    Classified c{std::vector<std::uint64_t>(blocks), std::vector<std::uint64_t>(blocks), false, previousCr};
    c.quotes = classify(bytes.data(), blocks, c.ends.data(), c.stars.data(), c.previousCr);
    return c;
}

TEST(Classifiers, ThePortableOneMarksEndsStarsAndQuotes)
{
    std::string bytes(128, 'a');
    bytes.replace(0, 8, "\n,b*\r\nc\r");  // an LF after a CR before the buffer, a CR LF inside
    bytes[63] = '\r';                     // a CR LF across two blocks
    bytes[64] = '\n';
    bytes[100] = '"';
    bytes[127] = '\r';
    const Classified c = run(classifyPortable, bytes, 1);
    EXPECT_EQ(c.ends[0],
              (std::uint64_t{1} << 1) | (std::uint64_t{1} << 4) | (std::uint64_t{1} << 7) | (std::uint64_t{1} << 63));
    EXPECT_EQ(c.ends[1], std::uint64_t{1} << 63);
    EXPECT_EQ(c.stars[0], std::uint64_t{1} << 3);
    EXPECT_EQ(c.stars[1], 0u);
    EXPECT_TRUE(c.quotes);
    EXPECT_EQ(c.previousCr, 1u);
}

// Every classifier this processor runs, the portable one included, gives the
// same bits on buffers full of the bytes that matter.
TEST(Classifiers, AllAgreeOnRandomBuffers)
{
    const std::vector<NamedClassifier> all = availableClassifiers();
#if defined(__x86_64__)
    ASSERT_GE(all.size(), 2u) << "x86-64 always has SSE2";
#endif
    ASSERT_EQ(all.front().name, "portable");
    std::mt19937 random(20261207);
    const char telling[] = {',', '\r', '\n', '*', '"', ' ', 'a', '\0', '0', '9', 'A', 'X', '/', ':', '@', 'Y'};
    for (int round = 0; round < 2000; ++round) {
        std::string bytes((1 + random() % 6) * kClassifyBlock, '\0');
        const auto density = static_cast<unsigned>(random() % 100);  // from all text to all separators
        for (char& b : bytes)
            b = random() % 100 < density ? telling[random() % sizeof telling] : static_cast<char>(random());
        const std::uint64_t previousCr = random() % 2;
        const Classified expected = run(all.front().classify, bytes, previousCr);
        for (const NamedClassifier& other : all) {
            SCOPED_TRACE(testing::Message() << other.name << ", round " << round);
            const Classified got = run(other.classify, bytes, previousCr);
            ASSERT_EQ(got.ends, expected.ends);
            ASSERT_EQ(got.stars, expected.stars);
            ASSERT_EQ(got.quotes, expected.quotes);
            ASSERT_EQ(got.previousCr, expected.previousCr);
            // Cells counted at any length, so that every tail is a part block.
            const std::size_t length = random() % bytes.size();
            ASSERT_EQ(other.countOthers(bytes.data(), length), all.front().countOthers(bytes.data(), length));
        }
    }
    const std::string cells = "09AX " + std::string(9000, '5');  // past 255 blocks a lane
    for (const NamedClassifier& each : all)
        EXPECT_EQ(each.countOthers(("/:@Y\r\n" + cells).data(), cells.size() + 6), 6u) << each.name;
}

}  // namespace
}  // namespace kelmor
