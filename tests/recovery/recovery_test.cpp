#include <gtest/gtest.h>

#include <filesystem>

#include "levelfile/mapsave.h"
#include "recovery/recovery.h"
#include "recovery/recoveryfiles.h"
#include "support/maprows.h"
#include "support/tempdir.h"

namespace kelmor {
namespace {

using namespace test;

Recovery edited(const std::string& level, std::int64_t mapNo, char fill)
{
    Recovery recovery{level, mapNo, false, 42, "*MAP00" + std::to_string(mapNo), rowsOf(fill)};
    recovery.rows[3][4] = 'K';
    return recovery;
}

TEST(RecoveryFormat, EveryByteSurvivesAndAnyDamageIsTold)
{
    Recovery recovery = edited("/home/ä/game/kelmor.cnf", 32767, '0');
    recovery.header = std::string("*\"a,b\r\n\0\xff", 10);
    recovery.rows[0] = "";
    recovery.rows[16] = std::string("row 16\n", 7);
    recovery.originRows = ~0ull;
    const std::string bytes = encodeRecovery(recovery);
    ASSERT_EQ(decodeRecovery(bytes), recovery);

    for (std::size_t cut = 0; cut < bytes.size(); ++cut)
        ASSERT_FALSE(decodeRecovery(bytes.substr(0, cut))) << "cut at " << cut;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        std::string damaged = bytes;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x04);
        ASSERT_FALSE(decodeRecovery(damaged)) << "byte " << at;
    }
    EXPECT_FALSE(decodeRecovery(bytes + "x"));
    // Numbers only as the writer writes them, or a file that was never
    // written would read as one that was.
    const std::size_t check = bytes.rfind("check ") + 6;
    for (const char* padding : {"0", "00"})
        EXPECT_FALSE(decodeRecovery(bytes.substr(0, check) + padding + bytes.substr(check))) << padding;
    const std::size_t map = bytes.find("map ") + 4;
    std::string zeroMap = bytes.substr(0, map) + "0" + bytes.substr(map);
    const std::size_t zeroCheck = zeroMap.rfind("check ");
    zeroMap = zeroMap.substr(0, zeroCheck) + "check " + std::to_string(fnv1a(zeroMap.substr(0, zeroCheck))) + "\n";
    EXPECT_FALSE(decodeRecovery(zeroMap));
    Recovery loadedMapZero = recovery;
    loadedMapZero.mapNo = 0;
    EXPECT_FALSE(decodeRecovery(encodeRecovery(loadedMapZero)));
}

TEST(RecoveryFormat, JudgedAgainstTheLevelFile)
{
    TempDir dir;
    writeFile(dir.file("kelmor.cnf"), levelText({{"*MAP001", uniformRows('1')}, {"*MAP002", uniformRows('2')}}));
    std::filesystem::create_directory_symlink(dir.path(), dir.file("alias"));
    std::unique_ptr<FileOps> ops = makePosixFileOps();
    const LevelFile level(*ops, dir.path());
    Recovery saved{level.path(), 2, false, 0, "*MAP002", rowsOf('2')};
    Recovery created = edited(level.path(), 3, '0');
    created.created = true;
    const struct {
        std::optional<Recovery> recovery;
        RecoveryUse use;
    } cases[] = {
        {std::nullopt, RecoveryUse::Damaged},
        {edited(dir.file("other.cnf"), 1, '1'), RecoveryUse::OtherLevel},
        {edited(level.path(), 3, '1'), RecoveryUse::MapGone},
        {saved, RecoveryUse::AlreadySaved},
        {edited(level.path(), 2, '2'), RecoveryUse::Offer},
        {edited(dir.file("alias/kelmor.cnf"), 2, '2'), RecoveryUse::Offer},  // the same file by a linked folder
        {created, RecoveryUse::Offer},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.recovery ? c.recovery->level + " map " + std::to_string(c.recovery->mapNo) : "damaged");
        EXPECT_EQ(judgeRecovery(c.recovery, level), c.use);
    }
}

// Destroying a RecoveryFiles closes its files, as the death of its editor does.
TEST(RecoveryFilesTest, EachEditorKeepsItsOwnFileAndADeadOnesIsAnOrphan)
{
    TempDir dir;
    std::unique_ptr<FileOps> ops = makePosixFileOps();
    auto first = std::make_unique<RecoveryFiles>(*ops, dir.path(), "kelmor.cnf");
    auto second = std::make_unique<RecoveryFiles>(*ops, dir.path(), "kelmor.cnf");
    RecoveryFiles third(*ops, dir.path(), "kelmor.cnf");
    ASSERT_FALSE(first->write("one").failed());
    ASSERT_FALSE(second->write("two").failed());
    ASSERT_FALSE(first->write("one again").failed());
    EXPECT_EQ(readFile(dir.file(".kelmor.cnf.recover")), "one again");
    EXPECT_EQ(readFile(dir.file(".kelmor.cnf.recover-2")), "two");
    EXPECT_TRUE(third.orphans().empty());  // both editors run

    second.reset();
    std::vector<RecoveryOrphan> orphans = third.orphans();
    ASSERT_EQ(orphans.size(), 1u);
    EXPECT_EQ(orphans[0].name, ".kelmor.cnf.recover-2");
    EXPECT_EQ(orphans[0].bytes, "two");
    EXPECT_TRUE(RecoveryFiles(*ops, dir.path(), "kelmor.cnf").orphans().empty());  // the third holds it now

    std::string keptAs;
    EXPECT_FALSE(third.setAside(orphans[0], keptAs).failed());
    EXPECT_EQ(keptAs, ".kelmor.cnf.recover-2.kept");
    EXPECT_EQ(readFile(dir.file(keptAs)), "two");
    EXPECT_FALSE(fileExists(dir.file(".kelmor.cnf.recover-2")));
    ASSERT_FALSE(third.write("three").failed());  // the freed name
    EXPECT_EQ(readFile(dir.file(".kelmor.cnf.recover-2")), "three");

    EXPECT_FALSE(first->remove().failed());
    EXPECT_FALSE(fileExists(dir.file(".kelmor.cnf.recover")));
    EXPECT_FALSE(fileExists(dir.file(".kelmor.cnf.recover.tmp")));
    EXPECT_FALSE(fileExists(dir.file(".kelmor.cnf.recover-2.tmp")));
}

}  // namespace
}  // namespace kelmor
