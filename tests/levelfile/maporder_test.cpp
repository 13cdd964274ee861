// Moving, inserting and deleting maps, byte for byte, on files of every
// shape a level file takes; and the transaction that writes the result.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>

#include "fs/bytesource.h"
#include "levelfile/itemreader.h"
#include "levelfile/levelfile.h"
#include "levelfile/mapload.h"
#include "model/blanktemplate.h"
#include "model/mapnumber.h"
#include "support/faultyfileops.h"
#include "support/tempdir.h"

namespace kelmor {
namespace {

using test::FaultyFileOps;
using test::levelText;
using test::readFile;
using test::TempDir;
using test::uniformRows;
using test::writeFile;

// A map as it stands in a file: header line, 17 rows, and what follows it.
std::string mapLines(const std::string& header, char fill, const std::string& end = "\r\n",
                     const std::string& after = "\r\n")
{
    std::string text = header + end;
    for (int r = 0; r < kMapRows; ++r)
        text += std::string(35, fill) + end;
    return text + after;
}

std::string reordered(const std::string& file, const MapOrderChange& change)
{
    const MapOrder order = changeMapOrder(file, change);
    EXPECT_EQ(order.refusal, OrderRefusal::None) << order.reason;
    return order.text();
}

std::vector<std::string> headersOf(const std::string& file)
{
    std::vector<std::string> headers;
    MemorySource source(file);
    ItemReader reader(source);
    walkMaps(
        reader, [&](const LoadedMap& map) { headers.push_back(map.header); }, [](std::int64_t, const std::string&) {});
    return headers;
}

TEST(MapOrder, AMoveTakesTheSpanWholeAndKeepsEveryOtherByte)
{
    // Junk before the first header, quoted items, several empty lines.
    const std::string junk = "; made by hand\r\n\"note, quoted\"\r\n";
    const std::string a = mapLines("*A", '1', "\r\n", "\r\n\r\n\r\n");
    const std::string b = mapLines("\"*B\"", '2');
    const std::string c = mapLines("*C", '3', "\r\n", "stray,\"item\"\r\n\r\n");
    const std::string d = mapLines("*D", '4');
    const std::string file = junk + a + b + c + d;
    EXPECT_EQ(reordered(file, MapOrderChange::move(1, 3)), junk + b + c + a + d);
    EXPECT_EQ(reordered(file, MapOrderChange::move(4, 1)), junk + d + a + b + c);
    EXPECT_EQ(reordered(file, MapOrderChange::move(1, 4)), junk + b + c + d + a);
    EXPECT_EQ(reordered(file, MapOrderChange::move(3, 2)), junk + a + c + b + d);
    const MapOrder same = changeMapOrder(file, MapOrderChange::move(2, 2));
    EXPECT_TRUE(same.unchanged);
    EXPECT_EQ(same.text(), file);
    EXPECT_EQ(reordered(file, MapOrderChange::remove(1)), junk + b + c + d);
    EXPECT_EQ(reordered(file, MapOrderChange::remove(4)), junk + a + b + c);
}

TEST(MapOrder, LineEndsOfEveryKindAndALastLineWithoutOne)
{
    for (const std::string end : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(testing::Message() << "line end " << end.size() << (end == "\r" ? " CR" : ""));
        const std::string a = mapLines("*A", '1', end, end);
        const std::string b = mapLines("*B", '2', end, end);
        std::string c = mapLines("*C", '3', end, "");
        c.resize(c.size() - end.size());  // the last row has no line end
        const std::string file = a + b + c;
        // The last map, moved up, gets the file's own line end.
        EXPECT_EQ(reordered(file, MapOrderChange::move(3, 1)), c + end + a + b);
        // A map moved to the end follows a last line that now needs one.
        EXPECT_EQ(reordered(file, MapOrderChange::move(1, 3)), b + c + end + a);
        EXPECT_EQ(reordered(file, MapOrderChange::remove(3)), a + b);
        // The blank map takes the file's line end too.
        const std::string inserted = reordered(file, MapOrderChange::insert(4));
        EXPECT_EQ(inserted.substr(0, file.size() + 2 * end.size() + 7), file + end + "*MAP004" + end);
    }
    // No line end anywhere: CR LF.
    EXPECT_EQ(reordered("; notes", MapOrderChange::insert(1)).substr(0, 18), "; notes\r\n*MAP001\r\n");
}

TEST(MapOrder, TheInsertedMapIsTheBlankTemplateUnderAFreeHeader)
{
    const std::string file = mapLines("*MAP001", '1') + mapLines("*MAP003", '3') + mapLines("*MAP004", '4');
    MapOrder order = changeMapOrder(file, MapOrderChange::insert(2));
    EXPECT_EQ(order.header, "*MAP002");
    std::string blank = "*MAP002\r\n";
    for (int r = 0; r < kMapRows; ++r)
        blank += blankTemplateRow(r) + "\r\n";
    EXPECT_EQ(order.text(),
              mapLines("*MAP001", '1') + blank + "\r\n" + mapLines("*MAP003", '3') + mapLines("*MAP004", '4'));
    // Taken: the lowest free number above it.
    order = changeMapOrder(file, MapOrderChange::insert(3));
    EXPECT_EQ(order.header, "*MAP005");
    EXPECT_EQ(headersOf(order.text()), (std::vector<std::string>{"*MAP001", "*MAP003", "*MAP005", "*MAP004"}));
    EXPECT_EQ(changeMapOrder("", MapOrderChange::insert(1)).header, "*MAP001");
}

TEST(MapOrder, RefusalsSayWhyAndGiveNothingToWrite)
{
    const std::string a = mapLines("*A", '1'), b = mapLines("*B", '2'), c = mapLines("*C", '3');
    const auto refusal = [](const std::string& file, const MapOrderChange& change) {
        const MapOrder order = changeMapOrder(file, change);
        EXPECT_FALSE(order.reason.empty());
        EXPECT_TRUE(order.pieces.empty());
        return order.refusal;
    };
    EXPECT_EQ(refusal(a + b, MapOrderChange::move(1, 3)), OrderRefusal::NoSuchMap);
    EXPECT_EQ(refusal(a + b, MapOrderChange::move(0, 1)), OrderRefusal::NoSuchMap);
    EXPECT_EQ(refusal(a + b, MapOrderChange::insert(4)), OrderRefusal::NoSuchMap);
    EXPECT_EQ(refusal(a, MapOrderChange::remove(1)), OrderRefusal::OnlyMap);

    // A header sharing its line with another item.
    std::string shared = a + b;
    shared.replace(shared.find("*B"), 2, "0,*B");
    EXPECT_EQ(refusal(shared + c, MapOrderChange::move(2, 1)), OrderRefusal::Unclear);
    EXPECT_EQ(refusal(shared + c, MapOrderChange::remove(1)), OrderRefusal::Unclear);  // its neighbour
    std::string trailing = b;
    trailing.replace(0, 2, "*B,junk");
    EXPECT_EQ(refusal(a + trailing + c, MapOrderChange::remove(2)), OrderRefusal::Unclear);
    // A damaged neighbour (another header among its rows), a cut-off map.
    std::string damaged = b;
    damaged.replace(damaged.find("2222"), 4, "*XYZ");
    EXPECT_EQ(refusal(a + damaged + c, MapOrderChange::remove(1)), OrderRefusal::Unclear);
    EXPECT_EQ(refusal(a + b + "*C\r\n0000\r\n", MapOrderChange::move(3, 1)), OrderRefusal::Unclear);
    // Away from the damage, the maps still move.
    const std::string far = a + b + c + mapLines("*D", '4') + "*E\r\n0000\r\n";
    EXPECT_EQ(changeMapOrder(far, MapOrderChange::move(1, 2)).refusal, OrderRefusal::None);

    // A quoted item left open at the end would run over what came after it.
    const std::string open = a + b + "\"unclosed\r\n";
    EXPECT_EQ(refusal(open, MapOrderChange::move(2, 1)), OrderRefusal::Unclear);
    EXPECT_EQ(refusal(open, MapOrderChange::insert(3)), OrderRefusal::Unclear);
    EXPECT_EQ(changeMapOrder(open, MapOrderChange::remove(1)).text(), b + "\"unclosed\r\n");

    std::string full;
    for (int n = 0; n < kLastMapNo; ++n) {
        full += "*M" + std::to_string(n) + "\n";
        for (int r = 0; r < kMapRows; ++r)
            full += "0\n";
    }
    EXPECT_EQ(refusal(full, MapOrderChange::insert(1)), OrderRefusal::Full);
}

class OrderInLevel : public ::testing::Test {
protected:
    void SetUp() override { writeFile(level(), old); }
    std::string level() const { return dir.file(kLevelFileName); }

    TempDir dir;
    const std::string old = levelText({{"*A", uniformRows('1')}, {"*B", uniformRows('2')}, {"*C", uniformRows('3')}});
    std::unique_ptr<FileOps> ops = makePosixFileOps();
};

TEST_F(OrderInLevel, AFileChangedSinceItWasReadIsRefused)
{
    const LevelFile file(*ops, dir.path());
    const MapLoad loaded = file.load(2);
    OrderExpectation expected{loaded.stamp, loaded.origin.rows};
    // Another program changes map 2.
    const std::string other = levelText({{"*A", uniformRows('1')}, {"*B", uniformRows('9')}, {"*C", uniformRows('3')}});
    writeFile(level(), other);
    OrderReport report = file.changeOrder(MapOrderChange::remove(2), &expected);
    EXPECT_TRUE(report.changed);
    EXPECT_FALSE(report.ok());
    EXPECT_EQ(readFile(level()), other);
    // Read again, it goes through, and the stamp it tells is the file's.
    expected.stamp = file.load(2).stamp;
    expected.rows = file.load(2).origin.rows;
    report = file.changeOrder(MapOrderChange::remove(2), &expected);
    ASSERT_TRUE(report.ok());
    EXPECT_EQ(readFile(level()), levelText({{"*A", uniformRows('1')}, {"*C", uniformRows('3')}}));
    FileStamp now;
    file.stamp(now);
    EXPECT_EQ(report.stamp, now);
}

TEST_F(OrderInLevel, ALinkedFileIsWrittenWhereItPointsWithItsMode)
{
    namespace fs = std::filesystem;
    TempDir elsewhere;
    writeFile(elsewhere.file("real.cnf"), old);
    ::chmod(elsewhere.file("real.cnf").c_str(), 0640);
    fs::remove(level());
    fs::create_symlink(elsewhere.file("real.cnf"), level());
    const OrderReport report = LevelFile(*ops, dir.path()).changeOrder(MapOrderChange::insert(1));
    ASSERT_TRUE(report.ok());
    EXPECT_EQ(report.header, "*MAP001");
    EXPECT_TRUE(fs::is_symlink(level()));
    EXPECT_EQ(headersOf(readFile(elsewhere.file("real.cnf"))), (std::vector<std::string>{"*MAP001", "*A", "*B", "*C"}));
    struct stat st {};
    ASSERT_EQ(::stat(elsewhere.file("real.cnf").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    for (const auto& entry : fs::directory_iterator(elsewhere.path()))
        EXPECT_EQ(entry.path().filename(), "real.cnf");  // nothing left beside it
}

TEST(OrderCrash, EveryFailingStepOfAMoveLeavesTheOldFileOrTheNew)
{
    TempDir dir;
    std::vector<std::pair<std::string, std::vector<std::string>>> maps;
    for (int n = 1; n <= kLastMapNo; ++n)
        maps.push_back({"*MAP" + std::to_string(n), uniformRows(static_cast<char>('0' + n % 10))});
    const std::string old = levelText(maps);
    const std::string level = dir.file(kLevelFileName);
    writeFile(level, old);
    const MapOrderChange change = MapOrderChange::move(kLastMapNo, 1);
    const std::string moved = changeMapOrder(old, change).text();

    FaultyFileOps counting;
    ASSERT_TRUE(LevelFile(counting, dir.path()).changeOrder(change).ok());
    ASSERT_EQ(readFile(level), moved);
    const int writes = counting.writes();
    writeFile(level, old);

    using Step = FaultyFileOps::Step;
    std::vector<std::pair<Step, int>> steps = {{Step::Inspect, 1}, {Step::OpenRead, 1}, {Step::Read, 4096},
                                               {Step::Create, 1},  {Step::Flush, 1},    {Step::Close, 1},
                                               {Step::Rename, 1},  {Step::Folder, 1}};
    for (int nth = 1; nth <= writes; ++nth)
        steps.push_back({Step::Write, nth});
    for (const auto& [step, nth] : steps) {
        SCOPED_TRACE(testing::Message() << "failing step " << static_cast<int>(step) << " " << nth);
        FaultyFileOps faulty;
        faulty.failAt(step, EIO, nth);
        const OrderReport report = LevelFile(faulty, dir.path()).changeOrder(change);
        EXPECT_FALSE(report.ok());
        const std::string now = readFile(level);
        EXPECT_TRUE(now == old || now == moved);
        // Only a failure after the rename leaves the new file.
        EXPECT_EQ(now == moved, step == Step::Folder);
        writeFile(level, old);
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            EXPECT_EQ(entry.path().filename(), kLevelFileName);
    }
}

}  // namespace
}  // namespace kelmor

namespace kelmor {
namespace {

TEST(MapOrder, EveryMapKnowsItsNumberAfterAChangeAndBack)
{
    std::string file;
    for (int n = 1; n <= 5; ++n)
        file += levelText({{"*M" + std::to_string(n), uniformRows('1')}});
    const auto headerOf = [](const std::string& bytes, std::int64_t mapNo) {
        MemorySource source(bytes);
        ItemReader reader(source);
        return loadMap(reader, mapNo).header;
    };
    for (const MapOrderChange change :
         {MapOrderChange::move(1, 5), MapOrderChange::move(5, 2), MapOrderChange::move(3, 3), MapOrderChange::insert(1),
          MapOrderChange::insert(6), MapOrderChange::remove(3)}) {
        const std::string after = changeMapOrder(file, change).text();
        for (std::int64_t mapNo = 1; mapNo <= 5; ++mapNo) {
            const std::int64_t now = change.numberAfter(mapNo);
            if (now == 0) {
                EXPECT_EQ(change.kind, MapOrderChange::Kind::Delete);
                continue;
            }
            EXPECT_EQ(headerOf(after, now), "*M" + std::to_string(mapNo));
            EXPECT_EQ(change.inverse().numberAfter(now), mapNo);
        }
    }
}

TEST_F(OrderInLevel, BytesGoBackOnlyOverTheFileTheChangeWrote)
{
    const LevelFile file(*ops, dir.path());
    OrderReport moved = file.changeOrder(MapOrderChange::move(1, 3), nullptr, true);
    ASSERT_TRUE(moved.ok());
    EXPECT_EQ(moved.bytesBefore, old);
    EXPECT_EQ(moved.bytesAfter, readFile(level()));
    EXPECT_TRUE(file.replaceBytes(moved.bytesAfter, moved.bytesBefore).ok());
    EXPECT_EQ(readFile(level()), old);
    // Undone already: the file is not what the change wrote any more.
    const OrderReport again = file.replaceBytes(moved.bytesAfter, moved.bytesBefore);
    EXPECT_TRUE(again.changed);
    EXPECT_EQ(readFile(level()), old);
}

}  // namespace
}  // namespace kelmor
