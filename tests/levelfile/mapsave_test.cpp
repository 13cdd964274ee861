#include <gtest/gtest.h>

#include "levelfile/mapload.h"
#include "levelfile/mapsave.h"
#include "support/maprows.h"
#include "support/tempdir.h"

namespace kelmor {
namespace {

using test::levelText;
using test::rowsOf;
using test::uniformRows;

class StringSink final : public ByteSink {
public:
    void append(std::string_view bytes) override { text.append(bytes); }
    bool ok() const override { return true; }
    std::string text;
};

std::string save(const std::string& old, const std::string& header, const MapRows& rows, SavePlace* place = nullptr)
{
    MemorySource source(old);
    ItemReader reader(source, 4);
    StringSink sink;
    const SavePlace p = writeLevelWithMap(reader, sink, header, rows).place;
    if (place)
        *place = p;
    return sink.text;
}

std::string block(const std::string& header, char fill)
{
    return levelText({{header, uniformRows(fill)}});
}

const std::string kThree = block("*MAP001", '1') + block("*MAP002", '2') + block("*MAP003", '3');

TEST(SaveMap, ReplacesAMiddleMapInPlace)
{
    SavePlace place{};
    const std::string out = save(kThree, "*MAP002", rowsOf('X'), &place);
    EXPECT_EQ(place, SavePlace::Replaced);
    EXPECT_EQ(out, block("*MAP001", '1') + block("*MAP002", 'X') + block("*MAP003", '3'));
}

TEST(SaveMap, TheLastMapEndsWithOneEmptyLineAndAnAppendFollowsTwo)
{
    const std::string once = save(kThree, "*MAP003", rowsOf('Y'));
    EXPECT_EQ(once, block("*MAP001", '1') + block("*MAP002", '2') + block("*MAP003", 'Y'));

    SavePlace place{};
    const std::string twice = save(once, "*MAP004", rowsOf('Z'), &place);
    EXPECT_EQ(place, SavePlace::Appended);
    std::string expected = once + "\r\n*MAP004\r\n";
    for (int i = 0; i < 17; ++i)
        expected += std::string(35, 'Z') + "\r\n";
    EXPECT_EQ(twice, expected);
}

TEST(SaveMap, AnUnknownHeaderIsAppendedAfterOneEmptyLine)
{
    std::string old = "*A\r\n";
    for (int i = 0; i < 16; ++i)
        old += std::string(35, '0') + "\r\n";
    old += std::string(35, '0');  // no line end at the end
    const std::string out = save(old, "*NEW", rowsOf('5'));
    std::string expected = old + "\r\n\r\n*NEW\r\n";
    for (int i = 0; i < 17; ++i)
        expected += std::string(35, '5') + "\r\n";
    EXPECT_EQ(out, expected);
}

TEST(SaveMap, AnEmptyFileGetsTheMapAppended)
{
    std::string expected = "\r\n*MAP001\r\n";
    for (int i = 0; i < 17; ++i)
        expected += std::string(35, '0') + "\r\n";
    EXPECT_EQ(save("", "*MAP001", rowsOf('0')), expected);
}

TEST(SaveMap, EverythingElseIsRewrittenOneItemALine)
{
    // A quoted item keeps its quotes where it needs them to stay one item.
    const std::string old = "title,sub\r\n   \"q,uoted\"\n\"plain\"x\r\n\" lead\"\r\n" + block("*MAP001", '1') +
                            "  note\r" + block("*MAP002", '2');
    const std::string out = save(old, "*MAP002", rowsOf('9'));
    EXPECT_EQ(out, "title\r\nsub\r\n\"q,uoted\"\r\nplain\r\n\" lead\"\r\n" + block("*MAP001", '1') + "note\r\n" +
                       block("*MAP002", '9'));
}

// A quoted row of another map, a dropped old row and a header all quoted:
// every map but the saved one reads back as it was.
TEST(SaveMap, QuotedItemsReadBackAsThemselves)
{
    std::string quotedMap = "*Q\r\n";
    for (int i = 0; i < 17; ++i)
        quotedMap += i == 3 ? "\"1,1\"\r\n" : std::string(35, '1') + "\r\n";
    const std::string old = quotedMap + "\r\n" + block("*MAP002", '2') + "\" old,row\"\r\n\"*H,3\"\r\n" + "x\r\n";
    const std::string out = save(old, "*MAP002", rowsOf('9'));
    EXPECT_EQ(out, quotedMap + "\r\n" + block("*MAP002", '9') + "\"*H,3\"\r\nx\r\n");
    // The map's own rows go by the same rule: a row read from quotes keeps them.
    MapRows rows = rowsOf('9');
    rows[2] = "1,1" + std::string(32, '1');
    rows[5] = " " + std::string(34, '5');
    const std::string quotedRows = save(kThree, "*MAP002", rows);
    MemorySource back(quotedRows);
    ItemReader reader(back);
    EXPECT_EQ(loadMap(reader, 2).rows, rows);
    const std::string big(100 * 1024, 'b');  // too long to hold: quoted at once
    EXPECT_EQ(save("\"" + big + "\"\r\n", "*N", rowsOf('0')).substr(0, big.size() + 4), "\"" + big + "\"\r\n");
}

TEST(SaveMap, OldLinesAfterTheRowsAreDroppedUpToTheNextHeader)
{
    const std::string old = block("*MAP001", '1') + "junk\r\nmore\r\n" + block("*MAP002", '2') + "tail\r\n";
    EXPECT_EQ(save(old, "*MAP001", rowsOf('7')), block("*MAP001", '7') + block("*MAP002", '2') + "tail\r\n");
    // The last map: whatever followed its rows is gone.
    EXPECT_EQ(save(old, "*MAP002", rowsOf('8')), block("*MAP001", '1') + "junk\r\nmore\r\n" + block("*MAP002", '8'));
}

TEST(SaveMap, TheFirstOfTwoEqualHeadersIsReplaced)
{
    const std::string old = block("*SAME", '1') + block("*SAME", '2');
    EXPECT_EQ(save(old, "*SAME", rowsOf('3')), block("*SAME", '3') + block("*SAME", '2'));
}

TEST(SaveMap, AHeaderThatIsTheLastItemGetsItsRows)
{
    SavePlace place{};
    const std::string out = save("*END\r\n", "*END", rowsOf('4'), &place);
    EXPECT_EQ(place, SavePlace::Replaced);
    EXPECT_EQ(out, block("*END", '4'));
}

TEST(SaveMap, ComparesWholeItemsExactly)
{
    // Prefixes, longer items and other case never match.
    const std::string old = block("*MAP0011", '1') + block("*map001", '2') + block("*MAP00", '3');
    SavePlace place{};
    const std::string out = save(old, "*MAP001", rowsOf('0'), &place);
    EXPECT_EQ(place, SavePlace::Appended);
    EXPECT_EQ(out.substr(0, old.size()), old);
}

TEST(SaveMap, NonAsciiBytesAreCopiedUnchanged)
{
    const std::string sjisHeader = "*\x83\x7D\x83\x62\x83\x76";  // "*マップ" in Shift_JIS
    const std::string old = "\xE3\x81\x82\xFF\r\n" + block(sjisHeader, '1') + block("*UTF\xE3\x81\x82", '2');
    EXPECT_EQ(save(old, sjisHeader, rowsOf('6')),
              "\xE3\x81\x82\xFF\r\n" + block(sjisHeader, '6') + block("*UTF\xE3\x81\x82", '2'));
}

}  // namespace
}  // namespace kelmor
