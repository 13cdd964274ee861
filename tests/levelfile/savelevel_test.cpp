#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/mount.h>
#include <unistd.h>

#include "levelfile/levelfile.h"
#include "levelfile/savelevel.h"
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

class SaveLevel : public ::testing::Test {
protected:
    void SetUp() override
    {
        old = levelText({{"*MAP001", uniformRows('1')}, {"*MAP002", uniformRows('2')}});
        writeFile(dir.file(kLevelFileName), old);
    }
    std::string level() const { return readFile(dir.file(kLevelFileName)); }
    bool scratchLeft() const { return fileExists(dir.file(kScratchFileName)); }

    TempDir dir;
    std::string old;
    FaultyFileOps ops;
};

TEST_F(SaveLevel, ReplacesTheFileAndLeavesNoScratchFile)
{
    writeFile(dir.file(kScratchFileName), "stale content from a crash");
    const SaveReport r = saveMapToLevel(ops, dir.path(), "*MAP002", rowsOf('Q'));
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.place, SavePlace::Replaced);
    EXPECT_EQ(level(), levelText({{"*MAP001", uniformRows('1')}, {"*MAP002", uniformRows('Q')}}));
    EXPECT_FALSE(scratchLeft());
}

TEST_F(SaveLevel, AMissingLevelFileIsCreated)
{
    std::filesystem::remove(dir.file(kLevelFileName));
    const SaveReport r = saveMapToLevel(ops, dir.path(), "*MAP001", rowsOf('0'));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.place, SavePlace::Appended);
    std::string expected = "\r\n*MAP001\r\n";
    for (int i = 0; i < 17; ++i)
        expected += std::string(35, '0') + "\r\n";
    EXPECT_EQ(level(), expected);
}

TEST_F(SaveLevel, EveryFailingStepKeepsTheOldBytes)
{
    struct Case {
        FaultyFileOps::Step step;
        FileStep reported;
        int error;
        const char* file;
    };
    const Case cases[] = {
        {FaultyFileOps::Step::Create, FileStep::Create, EACCES, kScratchFileName},
        {FaultyFileOps::Step::Write, FileStep::Write, ENOSPC, kScratchFileName},
        {FaultyFileOps::Step::Flush, FileStep::Flush, EIO, kScratchFileName},
        {FaultyFileOps::Step::Close, FileStep::Close, EDQUOT, kScratchFileName},
        {FaultyFileOps::Step::Rename, FileStep::Rename, EPERM, kLevelFileName},
        {FaultyFileOps::Step::OpenRead, FileStep::Read, EACCES, kLevelFileName},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "failing step " << static_cast<int>(c.step));
        FaultyFileOps faulty;
        faulty.failAt(c.step, c.error);
        const SaveReport r = saveMapToLevel(faulty, dir.path(), "*MAP002", rowsOf('Q'));
        EXPECT_FALSE(r.ok()) << static_cast<int>(c.step);
        EXPECT_EQ(r.failure.step, c.reported);
        EXPECT_EQ(r.failure.error, c.error);
        EXPECT_EQ(r.failure.file, c.file);
        EXPECT_EQ(level(), old);
        EXPECT_FALSE(scratchLeft());
    }
}

TEST_F(SaveLevel, EachWriteOfALargeFileCanFail)
{
    // Enough maps for several buffered writes.
    std::vector<std::pair<std::string, std::vector<std::string>>> maps;
    for (int i = 0; i < 1500; ++i)
        maps.push_back({"*M" + std::to_string(i), uniformRows('0')});
    old = levelText(maps);
    writeFile(dir.file(kLevelFileName), old);

    FaultyFileOps counting;
    ASSERT_TRUE(saveMapToLevel(counting, dir.path(), "*M700", rowsOf('1')).ok());
    const int writes = counting.writes();
    ASSERT_GE(writes, 3);
    const std::string saved = level();
    writeFile(dir.file(kLevelFileName), old);

    for (int nth = 1; nth <= writes; ++nth) {
        SCOPED_TRACE(testing::Message() << "failing write " << nth);
        FaultyFileOps faulty;
        faulty.failAt(FaultyFileOps::Step::Write, ENOSPC, nth);
        const SaveReport r = saveMapToLevel(faulty, dir.path(), "*M700", rowsOf('1'));
        EXPECT_FALSE(r.ok()) << nth;
        EXPECT_EQ(r.failure.step, FileStep::Write);
        EXPECT_EQ(level(), old) << nth;
        EXPECT_FALSE(scratchLeft());
    }
    ASSERT_TRUE(saveMapToLevel(ops, dir.path(), "*M700", rowsOf('1')).ok());
    EXPECT_EQ(level(), saved);
}

TEST_F(SaveLevel, AFailedFolderFlushIsReportedAfterTheNewFileIsInPlace)
{
    ops.failAt(FaultyFileOps::Step::Folder, EIO);
    const SaveReport r = saveMapToLevel(ops, dir.path(), "*MAP001", rowsOf('Z'));
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.failure.step, FileStep::Folder);
    EXPECT_EQ(level(), levelText({{"*MAP001", uniformRows('Z')}, {"*MAP002", uniformRows('2')}}));
    EXPECT_FALSE(scratchLeft());
}

TEST_F(SaveLevel, HeadersThatCouldNotBeFoundAgainAreRefused)
{
    for (const char* header : {"", "MAP001", "\"*MAP001\"", "*A\r\nB"}) {
        SCOPED_TRACE(header);
        const SaveReport r = saveMapToLevel(ops, dir.path(), header, rowsOf('Z'));
        EXPECT_FALSE(r.ok()) << header;
        EXPECT_EQ(r.failure.step, FileStep::Header);
        EXPECT_EQ(level(), old);
        EXPECT_FALSE(scratchLeft());
    }
    EXPECT_EQ(headerProblem("MAP"), HeaderProblem::NoStar);
    EXPECT_EQ(headerProblem("\"*"), HeaderProblem::LeadingQuote);
    EXPECT_EQ(headerProblem(" *A"), HeaderProblem::LeadingBlank);
    EXPECT_EQ(headerProblem("*A,B"), HeaderProblem::Comma);
    EXPECT_EQ(headerProblem("*A\nB"), HeaderProblem::LineBreak);
    EXPECT_EQ(headerProblem("a*b"), HeaderProblem::None);
}

TEST_F(SaveLevel, AMapAppendedAfterACutOffLastMapIsAMapOfItsOwn)
{
    std::string cut = levelText({{"*MAP001", uniformRows('1')}}) + "*MAP002\r\n";
    for (int r = 0; r < 5; ++r)
        cut += std::string(35, '2') + "\r\n";
    writeFile(dir.file(kLevelFileName), cut);
    const SaveReport r = saveMapToLevel(ops, dir.path(), "*MAP003", rowsOf('3'));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.saved.mapNo, 3);
    EXPECT_EQ(level().substr(0, cut.size()), cut);  // every byte that was there stays

    const LevelFile file(ops, dir.path());
    EXPECT_EQ(file.countMaps().count, 3);
    const LoadedMap second = file.load(2).map;
    EXPECT_EQ(second.rowsRead, kMapRows);
    EXPECT_EQ(second.rows[4], std::string(35, '2'));
    EXPECT_EQ(second.rows[5], "");
    const LoadedMap third = file.load(3).map;
    EXPECT_EQ(third.header, "*MAP003");
    EXPECT_EQ(third.rows, rowsOf('3'));
}

TEST_F(SaveLevel, AScratchFileThatDoesNotGiveTheMapBackFailsTheSave)
{
    // A disk that returns other bytes than it was given.
    ops.duringFlush([&] {
        std::string written = readFile(dir.file(kScratchFileName));
        written[written.find('Q')] = 'X';
        writeFile(dir.file(kScratchFileName), written);
    });
    const SaveReport r = saveMapToLevel(ops, dir.path(), "*MAP002", rowsOf('Q'));
    EXPECT_EQ(r.failure.step, FileStep::ReadBack);
    EXPECT_EQ(level(), old);
    EXPECT_FALSE(scratchLeft());
}

TEST_F(SaveLevel, AnotherProgramsChangeDuringTheSaveIsKept)
{
    // Another program renames its version in while the save waits on the disk.
    const auto theirs = [](char second, char first) {
        return levelText(
            {{"*MAP001", uniformRows(first)}, {"*MAP002", uniformRows(second)}, {"*MAP004", uniformRows('4')}});
    };
    int flushes = 0;
    int changes = 1;
    const auto renameTheirsIn = [&] {
        if (flushes++ >= changes)
            return;
        writeFile(dir.file("theirs"), theirs(static_cast<char>('6' + flushes), '1'));
        std::filesystem::rename(dir.file("theirs"), dir.file(kLevelFileName));
    };
    ops.duringFlush(renameTheirsIn);
    const MapOrigin first{false, 1, RowsDigest::of(rowsOf('1'), kMapRows)};
    SaveReport r = saveMapToLevel(ops, dir.path(), "*MAP001", rowsOf('Q'), kLevelFileName, &first);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(flushes, 2);  // started again from their version
    EXPECT_EQ(level(),
              levelText({{"*MAP001", uniformRows('Q')}, {"*MAP002", uniformRows('7')}, {"*MAP004", uniformRows('4')}}));
    FileStamp now;
    ASSERT_EQ(stampFile(ops, dir.file(kLevelFileName), now), 0);
    EXPECT_EQ(r.stamp, now);
    EXPECT_FALSE(scratchLeft());

    // A change that touches the map being saved is asked about, not overwritten.
    ops.duringFlush([&] { writeFile(dir.file(kLevelFileName), theirs('2', '9')); });
    r = saveMapToLevel(ops, dir.path(), "*MAP001", rowsOf('R'), kLevelFileName, &r.saved);
    ASSERT_TRUE(r.conflict.has_value());
    EXPECT_EQ(r.conflict->mapNo, 1);
    EXPECT_EQ(level(), theirs('2', '9'));

    // One that never ends ends the save, with their file as they wrote it.
    flushes = 0;
    changes = 100;
    ops.duringFlush(renameTheirsIn);
    r = saveMapToLevel(ops, dir.path(), "*MAP002", rowsOf('S'));
    EXPECT_EQ(r.failure.step, FileStep::Changing);
    EXPECT_EQ(level(), theirs(static_cast<char>('6' + flushes), '1'));
    EXPECT_FALSE(scratchLeft());
}

TEST_F(SaveLevel, ALevelFileNamedLikeTheScratchFileIsNeverRemoved)
{
    writeFile(dir.file(kScratchFileName), old);
    std::filesystem::create_symlink(kScratchFileName, dir.file("link.cnf"));
    EXPECT_FALSE(isScratchFile(ops, dir.path(), kLevelFileName));
    for (const char* name : {kScratchFileName, "link.cnf"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(isScratchFile(ops, dir.path(), name));
        removeStaleScratch(ops, dir.path(), name);
        const SaveReport r = saveMapToLevel(ops, dir.path(), "*MAP001", rowsOf('Z'), name);
        EXPECT_EQ(r.failure.step, FileStep::IsScratch);
        EXPECT_EQ(readFile(dir.file(kScratchFileName)), old);
    }
}

// The real file system refusing a save: a read-only folder and a full one.
class SaveOnMountedFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (::geteuid() != 0)
            GTEST_SKIP() << "mounting a small file system needs root";
    }
    bool mountTmpfs(const std::string& options)
    {
        if (::mount("tmpfs", dir.path().c_str(), "tmpfs", 0, options.c_str()) != 0)
            return false;
        mounted = true;
        return true;
    }
    void TearDown() override
    {
        if (mounted)
            ::umount(dir.path().c_str());
    }
    TempDir dir;
    bool mounted = false;
};

TEST_F(SaveOnMountedFolder, AFullDiskKeepsTheOldFile)
{
    if (!mountTmpfs("size=64k"))
        GTEST_SKIP() << "cannot mount tmpfs here: " << std::strerror(errno);
    const std::string old = levelText({{"*MAP001", uniformRows('1')}});
    writeFile(dir.file(kLevelFileName), old);
    writeFile(dir.file("filler"), std::string(64 * 1024 - old.size() - 512, 'f'));
    auto ops = makePosixFileOps();
    MapRows rows;
    rows.fill(std::string(4000, '0'));  // far more than the disk has left
    const SaveReport r = saveMapToLevel(*ops, dir.path(), "*MAP001", rows);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.failure.step == FileStep::Write || r.failure.step == FileStep::Flush ||
                r.failure.step == FileStep::Close)
        << static_cast<int>(r.failure.step);
    EXPECT_EQ(r.failure.error, ENOSPC);
    EXPECT_EQ(readFile(dir.file(kLevelFileName)), old);
    EXPECT_FALSE(fileExists(dir.file(kScratchFileName)));
}

TEST_F(SaveOnMountedFolder, AReadOnlyFolderKeepsTheOldFile)
{
    if (!mountTmpfs("size=64k"))
        GTEST_SKIP() << "cannot mount tmpfs here: " << std::strerror(errno);
    const std::string old = levelText({{"*MAP001", uniformRows('1')}});
    writeFile(dir.file(kLevelFileName), old);
    if (::mount(nullptr, dir.path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
        GTEST_SKIP() << "cannot remount read-only: " << std::strerror(errno);
    auto ops = makePosixFileOps();
    const SaveReport r = saveMapToLevel(*ops, dir.path(), "*MAP001", rowsOf('9'));
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.failure.step, FileStep::ReadOnly);  // found before anything is made
    EXPECT_EQ(r.failure.error, EROFS);
    EXPECT_EQ(readFile(dir.file(kLevelFileName)), old);
    EXPECT_FALSE(fileExists(dir.file(kScratchFileName)));
}

}  // namespace
}  // namespace kelmor
