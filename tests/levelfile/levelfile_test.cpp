#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "levelfile/levelfile.h"
#include "support/faultyfileops.h"
#include "support/maprows.h"
#include "support/tempdir.h"

namespace kelmor {
namespace {

using test::FaultyFileOps;
using test::fileExists;
using test::levelText;
using test::readFile;
using test::rowsOf;
using test::TempDir;
using test::uniformRows;
using test::writeFile;

class LevelFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<std::pair<std::string, std::vector<std::string>>> maps;
        for (int i = 1; i <= 40; ++i)
            maps.push_back({"*MAP" + std::to_string(i), uniformRows('0')});
        old = levelText(maps);
        writeFile(dir.file(kLevelFileName), old);
    }

    TempDir dir;
    std::string old;
    FaultyFileOps ops;
    LevelFile file{ops, dir.path()};
};

TEST_F(LevelFileTest, ACountCutShortByAFailedReadIsAFailureNotANumber)
{
    EXPECT_EQ(file.countMaps().count, 40);
    EXPECT_EQ(file.countHeaders().count, 40);

    ops.failAt(FaultyFileOps::Step::Read, EIO, static_cast<int>(old.size() / 2));
    for (const MapCount& counted : {file.countMaps(), file.countHeaders()}) {
        EXPECT_EQ(counted.failure.step, FileStep::Read);
        EXPECT_EQ(counted.failure.error, EIO);
        EXPECT_EQ(counted.failure.file, kLevelFileName);
        EXPECT_EQ(counted.count, 0);
    }

    ops.failAt(FaultyFileOps::Step::OpenRead, EACCES);
    EXPECT_EQ(file.countMaps().failure.step, FileStep::Open);
    EXPECT_EQ(file.countHeaders().failure.error, EACCES);
}

TEST_F(LevelFileTest, AMissingFileHasNoMapsAndLoadsAsMissing)
{
    std::filesystem::remove(dir.file(kLevelFileName));
    EXPECT_FALSE(file.countMaps().failure.failed());
    EXPECT_EQ(file.countMaps().count, 0);
    EXPECT_EQ(file.countHeaders().count, 0);
    const MapLoad loaded = file.load(1);
    EXPECT_TRUE(loaded.failure.missing());
    EXPECT_FALSE(loaded.map.found);
}

TEST_F(LevelFileTest, ALoadCutShortKeepsWhatWasReadAndSaysWhy)
{
    ops.failAt(FaultyFileOps::Step::Read, EIO, static_cast<int>(old.size() / 2));
    const MapLoad loaded = file.load(40);
    EXPECT_EQ(loaded.failure.step, FileStep::Read);
    EXPECT_EQ(loaded.failure.error, EIO);
    EXPECT_TRUE(loaded.map.found);
    EXPECT_LT(loaded.map.mapNo, 40);
}

TEST_F(LevelFileTest, AScratchFileThatCannotBeRemovedIsReported)
{
    ops.failAt(FaultyFileOps::Step::Read, EIO, static_cast<int>(old.size() / 2));
    ops.failRemoval(EBUSY);
    const SaveReport r = file.save("*MAP3", rowsOf('Q'));
    EXPECT_EQ(r.failure.step, FileStep::Read);
    EXPECT_EQ(r.failure.error, EIO);
    EXPECT_EQ(r.cleanup.step, FileStep::Remove);
    EXPECT_EQ(r.cleanup.file, kScratchFileName);
    EXPECT_EQ(r.cleanup.error, EBUSY);
    EXPECT_EQ(readFile(dir.file(kLevelFileName)), old);

    // While the leftover cannot be removed, no save goes on; once it can, the
    // next save removes it first and has nothing to clean up.
    ops.failAt(FaultyFileOps::Step::None, 0);
    EXPECT_EQ(file.save("*MAP3", rowsOf('Q')).failure.step, FileStep::Create);
    ops.failRemoval(0);
    const SaveReport saved = file.save("*MAP3", rowsOf('Q'));
    EXPECT_TRUE(saved.ok());
    EXPECT_FALSE(saved.cleanup.failed());
    EXPECT_FALSE(fileExists(dir.file(kScratchFileName)));
}

// A level file given by a link is saved into the file the link points to,
// in that file's folder, and the link stays a link.
TEST(LevelFileLink, SavesThroughTheLink)
{
    TempDir dir;
    std::filesystem::create_directories(dir.file("real"));
    std::filesystem::create_directories(dir.file("game"));
    writeFile(dir.file("real/levels.cnf"), levelText({{"*MAP001", uniformRows('1')}}));
    std::filesystem::create_symlink("../real/levels.cnf", dir.file("game/kelmor.cnf"));
    std::filesystem::create_symlink(dir.file("real/new.cnf"), dir.file("game/new.cnf"));  // not there yet
    FaultyFileOps ops;

    ASSERT_TRUE(LevelFile(ops, dir.file("game")).save("*MAP001", rowsOf('Q')).ok());
    ASSERT_TRUE(LevelFile(ops, dir.file("game"), "new.cnf").save("*N", rowsOf('N')).ok());
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("game/kelmor.cnf")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("game/new.cnf")));
    EXPECT_EQ(readFile(dir.file("real/levels.cnf")), levelText({{"*MAP001", uniformRows('Q')}}));
    std::string appended = "\r\n*N\r\n";
    for (int r = 0; r < 17; ++r)
        appended += std::string(35, 'N') + "\r\n";
    EXPECT_EQ(readFile(dir.file("real/new.cnf")), appended);
    EXPECT_EQ(LevelFile(ops, dir.file("game")).load(1).map.rows[0], std::string(35, 'Q'));
    EXPECT_FALSE(fileExists(dir.file("real/temp.tmp")));
    EXPECT_FALSE(fileExists(dir.file("game/temp.tmp")));

    // Saves take turns in the folder that is written: the link's target's.
    const std::unique_ptr<FileOps> waiting = makePosixFileOps(100);
    int error = 0;
    {
        const std::unique_ptr<FolderLock> other = waiting->lockFolder(dir.file("real"), error);
        ASSERT_NE(other, nullptr) << error;
        EXPECT_EQ(LevelFile(*waiting, dir.file("game")).save("*MAP001", rowsOf('R')).failure.step, FileStep::Lock);
        EXPECT_EQ(readFile(dir.file("real/levels.cnf")), levelText({{"*MAP001", uniformRows('Q')}}));
        EXPECT_FALSE(fileExists(dir.file("real/temp.tmp")));
    }
    ASSERT_TRUE(LevelFile(*waiting, dir.file("game")).save("*MAP001", rowsOf('R')).ok());
    EXPECT_EQ(readFile(dir.file("real/levels.cnf")), levelText({{"*MAP001", uniformRows('R')}}));

    // The same level file through a linked folder is the same level file.
    std::filesystem::create_directory_symlink(dir.file("real"), dir.file("alias"));
    const LevelFile real(ops, dir.file("real"), "levels.cnf");
    EXPECT_TRUE(real.isAt(dir.file("alias/levels.cnf")));
    EXPECT_TRUE(real.isAt(dir.file("game/kelmor.cnf")));
    EXPECT_FALSE(real.isAt(dir.file("real/new.cnf")));
}

}  // namespace
}  // namespace kelmor
