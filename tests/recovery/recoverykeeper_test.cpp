// The recovery file's own thread, driven from the test's thread as the
// window drives it: no Qt here, so ThreadSanitizer can watch it whole.
#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <iterator>

#include "recovery/recoverykeeper.h"
#include "support/faultyfileops.h"
#include "support/tempdir.h"

namespace kelmor::test {
namespace {

TEST(RecoveryKeeper, KeepsTheLatestAndFinishesWhatWasAsked)
{
    TempDir dir;
    FaultyFileOps ops;
    RecoveryFiles files(ops, dir.path(), "kelmor.cnf");
    const std::string kept = dir.file(".kelmor.cnf.recover");
    std::atomic<int> failures{0};
    {
        RecoveryKeeper keeper(files, [&](const FileFailure&) { ++failures; });
        for (int i = 0; i < 300; ++i) {
            keeper.keep("state " + std::to_string(i));
            if (i % 7 == 0)
                keeper.drop();
        }
        keeper.settle();
        EXPECT_EQ(readFile(kept), "state 299");
        keeper.drop();
        keeper.settle();
        EXPECT_FALSE(fileExists(kept));
        keeper.keep("asked last");
    }  // ends only once that is written
    EXPECT_EQ(readFile(kept), "asked last");
    EXPECT_EQ(failures, 0);
}

std::ptrdiff_t threadsOfThisProcess()
{
    return std::distance(std::filesystem::directory_iterator("/proc/self/task"), {});
}

TEST(RecoveryKeeper, ItsThreadStartsWithTheFirstJob)
{
    TempDir dir;
    FaultyFileOps ops;
    RecoveryFiles files(ops, dir.path(), "kelmor.cnf");
    const std::ptrdiff_t before = threadsOfThisProcess();
    {
        RecoveryKeeper idle(files, [](const FileFailure&) {});
        idle.settle();  // nothing asked: returns at once
        EXPECT_EQ(threadsOfThisProcess(), before);
    }  // and ends without one
    RecoveryKeeper keeper(files, [](const FileFailure&) {});
    keeper.drop();
    keeper.settle();
    // More than one where a sanitizer starts its own with the first thread.
    const std::ptrdiff_t working = threadsOfThisProcess();
    EXPECT_GT(working, before);
    keeper.keep("second");
    keeper.settle();
    EXPECT_EQ(threadsOfThisProcess(), working);  // the same thread
    EXPECT_EQ(readFile(dir.file(".kelmor.cnf.recover")), "second");
}

TEST(RecoveryKeeper, ALastingFailureIsToldOnce)
{
    TempDir dir;
    FaultyFileOps ops;
    ops.failAt(FaultyFileOps::Step::Create, EACCES);
    RecoveryFiles files(ops, dir.path(), "kelmor.cnf");
    std::atomic<int> failures{0};
    RecoveryKeeper keeper(files, [&](const FileFailure& failure) {
        EXPECT_EQ(failure.error, EACCES);
        ++failures;
    });
    for (int i = 0; i < 5; ++i) {
        keeper.keep("state " + std::to_string(i));
        keeper.settle();
    }
    EXPECT_EQ(failures, 1);
}

}  // namespace
}  // namespace kelmor::test
