// A save writes only into a file it has just made, and the level file keeps
// what it was: on a real folder, with links, modes, owners and files that are
// not plain files.
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "levelfile/levelfile.h"
#include "support/maprows.h"
#include "support/tempdir.h"

namespace kelmor {
namespace {

using test::fileExists;
using test::levelText;
using test::readFile;
using test::rowsOf;
using test::TempDir;
using test::uniformRows;
using test::writeFile;
namespace fs = std::filesystem;

class SaveTrap : public ::testing::Test {
protected:
    void SetUp() override { writeFile(level(), old); }
    std::string level() const { return dir.file(kLevelFileName); }
    std::string scratch() const { return dir.file(kScratchFileName); }
    SaveReport save() { return LevelFile(*ops, dir.path()).save("*MAP001", rowsOf('Q')); }
    struct stat facts(const std::string& path) const
    {
        struct stat st {};
        EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
        return st;
    }

    TempDir dir;
    const std::string old = levelText({{"*MAP001", uniformRows('1')}});
    const std::string saved = levelText({{"*MAP001", uniformRows('Q')}});
    std::unique_ptr<FileOps> ops = makePosixFileOps();
};

TEST_F(SaveTrap, AScratchFileAlreadyThereIsNeverWrittenInto)
{
    // A link to a file of someone else's: the save must not write through it.
    writeFile(dir.file("victim"), "not yours");
    fs::create_symlink(dir.file("victim"), scratch());
    ASSERT_TRUE(save().ok());
    EXPECT_EQ(readFile(dir.file("victim")), "not yours");
    EXPECT_EQ(readFile(level()), saved);
    EXPECT_TRUE(S_ISREG(facts(level()).st_mode));

    // A file planted open to everyone does not become the level file.
    writeFile(scratch(), "planted");
    ::chmod(scratch().c_str(), 0666);
    ::chmod(level().c_str(), 0640);
    ASSERT_TRUE(save().ok());
    EXPECT_EQ(facts(level()).st_mode & 07777, 0640u);
    EXPECT_FALSE(fileExists(scratch()));

    // One that cannot be removed stops the save before anything is written.
    fs::create_directories(dir.file("temp.tmp/inside"));
    const SaveReport r = save();
    EXPECT_EQ(r.failure.step, FileStep::Create);
    EXPECT_EQ(r.failure.file, kScratchFileName);
    EXPECT_TRUE(fs::is_directory(scratch()));
}

TEST_F(SaveTrap, TheLevelFileKeepsItsModeOwnerAndReadOnlyMark)
{
    for (unsigned mode : {0600u, 0664u, 0640u}) {
        SCOPED_TRACE(mode);
        ::chmod(level().c_str(), mode);
        ASSERT_TRUE(save().ok());
        EXPECT_EQ(facts(level()).st_mode & 07777, mode);
    }
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(level().c_str(), 65534, 65534), 0);
        ASSERT_TRUE(save().ok());
        EXPECT_EQ(facts(level()).st_uid, 65534u);
        EXPECT_EQ(facts(level()).st_gid, 65534u);
    }

    // Read-only, for root too: refused, the bytes stay.
    writeFile(level(), old);
    ::chmod(level().c_str(), 0444);
    EXPECT_EQ(save().failure.step, FileStep::ReadOnly);
    EXPECT_EQ(readFile(level()), old);
    EXPECT_FALSE(fileExists(scratch()));
}

// A pipe would make every read wait and a device never end: neither is opened
// as a level file, by loading, counting or saving.
TEST_F(SaveTrap, OnlyAPlainFileIsALevelFile)
{
    fs::remove(level());
    ASSERT_EQ(::mkfifo(level().c_str(), 0644), 0);
    LevelFile pipe(*ops, dir.path());
    EXPECT_EQ(pipe.load(1).failure.step, FileStep::NotRegular);
    EXPECT_EQ(pipe.countMaps().failure.step, FileStep::NotRegular);
    EXPECT_EQ(pipe.countHeaders().failure.step, FileStep::NotRegular);
    EXPECT_EQ(save().failure.step, FileStep::NotRegular);

    fs::remove(level());
    fs::create_symlink("/dev/zero", level());
    EXPECT_EQ(pipe.load(1).failure.step, FileStep::NotRegular);
    EXPECT_EQ(save().failure.step, FileStep::NotRegular);
    EXPECT_TRUE(fs::is_symlink(level()));
    EXPECT_FALSE(fileExists(scratch()));
}

// Two saves into one folder never interleave: while one holds the folder's
// lock, the other gives up after a moment and says why; the lock leaves no
// file behind.
TEST_F(SaveTrap, ASecondSaveWaitsForTheFirstOrGivesUp)
{
    ops = makePosixFileOps(100);
    int error = 0;
    {
        const std::unique_ptr<FolderLock> first = ops->lockFolder(dir.path(), error);
        ASSERT_NE(first, nullptr) << error;
        const SaveReport r = save();
        EXPECT_EQ(r.failure.step, FileStep::Lock);
        EXPECT_EQ(readFile(level()), old);
    }
    ASSERT_TRUE(save().ok());
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{kLevelFileName});
}

}  // namespace
}  // namespace kelmor
