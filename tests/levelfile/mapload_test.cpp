#include <gtest/gtest.h>

#include <tuple>

#include "levelfile/mapload.h"
#include "support/tempdir.h"

namespace kelmor {
namespace {

using test::levelText;
using test::uniformRows;

// A source that cannot go back, as a pipe: the loader must then keep maps itself.
class ForwardOnly final : public ByteSource {
public:
    explicit ForwardOnly(std::string_view bytes) : inner_(bytes) {}
    std::size_t read(char* buffer, std::size_t size) override { return inner_.read(buffer, size); }

private:
    MemorySource inner_;
};

bool seekableSource = true;

LoadedMap load(const std::string& bytes, std::int64_t wanted)
{
    MemorySource memory(bytes);
    ForwardOnly forward(bytes);
    ItemReader reader(seekableSource ? static_cast<ByteSource&>(memory) : forward, 5);
    return loadMap(reader, wanted);
}

// Every case runs on a source that can seek and on one that cannot.
class LoadMap : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { seekableSource = GetParam(); }
};

const std::string kThreeMaps =
    levelText({{"*MAP001", uniformRows('1')}, {"*MAP002", uniformRows('2')}, {"*MAP003", uniformRows('3')}});

TEST_P(LoadMap, FindsTheWantedMapOrTheLast)
{
    LoadedMap m = load(kThreeMaps, 1);
    EXPECT_TRUE(m.found);
    EXPECT_EQ(m.mapNo, 1);
    EXPECT_EQ(m.header, "*MAP001");
    EXPECT_EQ(m.rows[0], std::string(35, '1'));
    EXPECT_EQ(m.rows[16], std::string(35, '1'));
    EXPECT_EQ(m.rowsRead, 17);

    m = load(kThreeMaps, 3);
    EXPECT_EQ(m.mapNo, 3);
    EXPECT_EQ(m.header, "*MAP003");

    m = load(kThreeMaps, 5);
    EXPECT_EQ(m.mapNo, 3);
    EXPECT_EQ(m.header, "*MAP003");
    EXPECT_EQ(m.rows[5], std::string(35, '3'));
}

TEST_P(LoadMap, CountsHeadersOnlyAndSkipsOrphanLines)
{
    const std::string bytes = "title line\r\nnotes,more\r\n" + levelText({{"x*y", uniformRows('A')}}) +
                              "between\r\n\r\n" + levelText({{"  *MAP002", uniformRows('B')}}) + "tail\r\n";
    LoadedMap m = load(bytes, 1);
    EXPECT_EQ(m.header, "x*y");
    m = load(bytes, 2);
    EXPECT_EQ(m.mapNo, 2);
    EXPECT_EQ(m.header, "*MAP002");  // leading blanks gone
    EXPECT_EQ(m.rows[16], std::string(35, 'B'));
    m = load(bytes, 3);
    EXPECT_EQ(m.mapNo, 2);
}

TEST_P(LoadMap, CommaInAHeaderShiftsTheRows)
{
    std::vector<std::string> rows = uniformRows('0');
    rows[0] = std::string(35, 'C');
    std::string bytes = levelText({{"*MAP002,word", rows}});
    LoadedMap m = load(bytes, 1);
    EXPECT_EQ(m.header, "*MAP002");
    EXPECT_EQ(m.rows[0], "word");
    EXPECT_EQ(m.rows[1], std::string(35, 'C'));
    EXPECT_EQ(m.rows[16], std::string(35, '0'));  // row 15 of the file
}

// Damage is held only up to the limits, and said: an endless header or row, and
// a map whose rows run into the next map's header.
TEST_P(LoadMap, DamagedMapsAreHeldWithinLimitsAndFlagged)
{
    std::vector<std::string> rows = uniformRows('0');
    rows[4] = std::string(kMaxRowBytes + 10, 'r');
    const std::string huge = "*" + std::string(kMaxHeaderBytes * 3, 'h');
    const std::string bytes = levelText({{huge, uniformRows('1')}, {"*MAP002", rows}});
    const LoadedMap first = load(bytes, 1);
    EXPECT_TRUE(first.headerTooLong);
    EXPECT_EQ(first.header.size(), kMaxHeaderBytes);
    EXPECT_FALSE(first.rowTooLong);
    EXPECT_EQ(first.headerInRow, -1);
    const LoadedMap second = load(bytes, 2);
    EXPECT_FALSE(second.headerTooLong);
    EXPECT_TRUE(second.rowTooLong);
    EXPECT_EQ(second.rows[4].size(), kMaxRowBytes);

    // Five rows, then the next header: it is read as row 5 of map 1.
    std::string cut = "*A\r\n";
    for (int i = 0; i < 5; ++i)
        cut += "00000\r\n";
    cut += levelText({{"*B", uniformRows('2')}});
    EXPECT_EQ(load(cut, 1).headerInRow, 5);
    EXPECT_EQ(load(bytes, 1).headerInRow, -1);
}

TEST_P(LoadMap, NoHeaderMeansMapZero)
{
    for (const std::string& bytes : {std::string(), std::string("a\r\nb,c\r\n\r\n")}) {
        SCOPED_TRACE(bytes);
        const LoadedMap m = load(bytes, 1);
        EXPECT_FALSE(m.found);
        EXPECT_EQ(m.mapNo, 0);
    }
}

TEST_P(LoadMap, AMapCutOffByTheEndKeepsTheRowsThatExist)
{
    std::string bytes = "*MAP001\r\n";
    for (int i = 0; i < 5; ++i)
        bytes += std::string(35, 'K') + "\r\n";
    bytes += "short";
    const LoadedMap m = load(bytes, 1);
    EXPECT_TRUE(m.found);
    EXPECT_EQ(m.rowsRead, 6);
    EXPECT_EQ(m.rows[5], "short");
    EXPECT_TRUE(m.rows[6].empty());
    EXPECT_TRUE(m.rows[16].empty());

    const LoadedMap headerOnly = load("*LAST", 4);
    EXPECT_EQ(headerOnly.mapNo, 1);
    EXPECT_EQ(headerOnly.rowsRead, 0);
}

INSTANTIATE_TEST_SUITE_P(Sources, LoadMap, ::testing::Values(true, false));

TEST(LoadMapStreaming, StopsAtTheEndOfTheWantedMap)
{
    // Bytes after map 1 are never needed: a source that fails past them is not read.
    class Guarded final : public ByteSource {
    public:
        explicit Guarded(std::string bytes) : bytes_(std::move(bytes)) {}
        std::size_t read(char* buffer, std::size_t size) override
        {
            if (pos_ >= bytes_.size()) {
                overrun = true;
                return 0;
            }
            const std::size_t n = std::min<std::size_t>(size, 1);
            buffer[0] = bytes_[pos_++];
            return n;
        }
        bool overrun = false;

    private:
        std::string bytes_;
        std::size_t pos_ = 0;
    };
    std::string firstMap = levelText({{"*MAP001", uniformRows('1')}});
    firstMap.resize(firstMap.size() - 2);  // up to the last row's line end
    Guarded source(firstMap);
    ItemReader reader(source, 1);
    const LoadedMap m = loadMap(reader, 1);
    EXPECT_EQ(m.rowsRead, 17);
    EXPECT_FALSE(source.overrun);
}

// Passing rows over unseen tells the same of every map as reading them:
// number, place, rows counted, damage; at every buffer size, so that rows
// and line ends fall across buffers everywhere. Maps written as the editor
// writes them are taken whole from the bytes; every way of falling short of
// that reads the same as well.
TEST(WalkMaps, RowsPassedOverTellTheSameAsRowsRead)
{
    std::vector<std::string> star = uniformRows('2');
    star[3] = "00*00";
    std::vector<std::string> quoted = uniformRows('3');
    quoted[5] = "\"a,b\"";
    std::vector<std::string> longRow = uniformRows('4');
    longRow[16] = std::string(kMaxRowBytes + 1, '4');
    std::vector<std::string> unknown = uniformRows('6');
    unknown[16][34] = 'Z';
    std::vector<std::string> blankFirst = uniformRows('7');
    blankFirst[9][0] = ' ';
    std::string lf;
    for (const std::string& row : uniformRows('8'))
        lf += row + "\n";
    std::string bytes = "stray\r\n" + levelText({{"*MAP001", uniformRows('1')},
                                                 {"*MAP002", star},
                                                 {"*MAP003", quoted},
                                                 {"*MAP004", longRow},
                                                 {"*MAP005", uniformRows('5')},
                                                 {"*MAP006", unknown},
                                                 {"*MAP007", blankFirst},
                                                 {" *MAP008", uniformRows('8')},
                                                 {"*MAP009,x", uniformRows('9')}});
    bytes += "\n\r\n\n*MAP010\n" + lf + "*MAP011\r" + lf + "\"*MAP012\"\r\n" + lf;
    bytes += "*MAP013\r00\n00\r\n00\r\n";  // other line ends, cut off
    auto walk = [&](std::size_t buffer, bool withRows, std::vector<std::int64_t>* plain = nullptr) {
        MemorySource source(bytes);
        ItemReader reader(source, buffer);
        std::vector<std::tuple<std::int64_t, std::uint64_t, std::string, int, bool, bool, int>> maps;
        walkMaps(
            reader,
            [&](const LoadedMap& m) {
                maps.emplace_back(m.mapNo, m.offset, m.header, m.rowsRead, m.rowTooLong, m.damaged(), m.headerInRow);
                if (plain && m.plainRows)
                    plain->push_back(m.mapNo);
            },
            [](std::int64_t, const std::string&) {}, withRows);
        return maps;
    };
    const auto read = walk(64 * 1024, true);
    ASSERT_EQ(read.size(), 13u);
    EXPECT_TRUE(std::get<5>(read[1]));
    EXPECT_TRUE(std::get<4>(read[3]));
    EXPECT_LT(std::get<3>(read.back()), 17);
    for (const std::size_t buffer : {1u, 2u, 3u, 5u, 7u, 16u, 64u, 100u, 333u, 700u, 2100u, 4096u, 65536u})
        EXPECT_EQ(walk(buffer, false), read) << buffer;
    std::vector<std::int64_t> plain;
    walk(64 * 1024, false, &plain);
    EXPECT_EQ(plain, (std::vector<std::int64_t>{1, 5, 8, 10, 11, 12}));
}

}  // namespace
}  // namespace kelmor
