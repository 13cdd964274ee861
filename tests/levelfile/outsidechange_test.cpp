// Which happenings in the level file's folder count as another program's
// change: judged from the stamps the level file gives through the seam.
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "levelfile/levelfile.h"
#include "support/faultyfileops.h"
#include "support/maprows.h"
#include "support/tempdir.h"

namespace kelmor {
namespace {

using test::levelText;
using test::rowsOf;
using test::uniformRows;
using test::writeFile;

class OutsideChangeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile(path(), levelText({{"*MAP001", uniformRows('1')}, {"*MAP002", uniformRows('2')}}));
        known = file.load(1).stamp;
    }
    std::string path() const { return dir.file(kLevelFileName); }
    OutsideChange now()
    {
        FileStamp stamp;
        const int error = file.stamp(stamp);
        return judgeOutsideChange(known, stamp, error);
    }
    // Another program's write, a little later than the last one.
    void writeInPlace(const std::string& bytes)
    {
        const auto before = std::filesystem::last_write_time(path());
        writeFile(path(), bytes);
        std::filesystem::last_write_time(path(), before + std::chrono::milliseconds(10));
    }

    test::TempDir dir;
    test::FaultyFileOps ops;
    LevelFile file{ops, dir.path()};
    FileStamp known;
};

TEST_F(OutsideChangeTest, ThisEditorsOwnFilesAndSavesAreNoChange)
{
    ASSERT_TRUE(known.exists);
    EXPECT_EQ(now(), OutsideChange::None);
    writeFile(dir.file("temp.tmp"), "scratch");
    writeFile(dir.file(".kelmor.cnf.recover"), "another editor's edits");
    EXPECT_EQ(now(), OutsideChange::None);
    // A save replaces the file by a rename and gives its new stamp.
    ASSERT_TRUE(file.save("*MAP001", rowsOf('5'), nullptr, &known).ok());
    EXPECT_EQ(now(), OutsideChange::None);
}

TEST_F(OutsideChangeTest, AnotherProgramsWriteInPlaceOrByRenameIsAChange)
{
    const std::string bytes = test::readFile(path());
    std::string same = bytes;
    same[same.size() / 2] = same[same.size() / 2] == '1' ? '2' : '1';  // the same size
    writeInPlace(same);
    EXPECT_EQ(now(), OutsideChange::Changed);

    known = file.load(1).stamp;
    writeFile(dir.file("new"), bytes);
    ASSERT_EQ(std::rename(dir.file("new").c_str(), path().c_str()), 0);
    EXPECT_EQ(now(), OutsideChange::Changed);

    // Its permissions alone: it may no longer be readable.
    known = file.load(1).stamp;
    std::filesystem::permissions(path(), std::filesystem::perms::owner_read);
    EXPECT_EQ(now(), OutsideChange::Changed);
}

TEST_F(OutsideChangeTest, AFileGoneOrUnreadableIsGoneOnce)
{
    std::filesystem::remove(path());
    EXPECT_EQ(now(), OutsideChange::Gone);
    // Accepted as gone, it is no change until it is back.
    known = file.load(1).stamp;
    EXPECT_FALSE(known.exists);
    EXPECT_EQ(now(), OutsideChange::None);
    writeFile(path(), levelText({{"*MAP001", uniformRows('3')}}));
    EXPECT_EQ(now(), OutsideChange::Changed);

    known = file.load(1).stamp;
    ops.failAt(test::FaultyFileOps::Step::Inspect, EACCES);
    EXPECT_EQ(now(), OutsideChange::Gone);
}

}  // namespace
}  // namespace kelmor
