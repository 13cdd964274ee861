// The recovery file's own thread, driven from the test's thread as the
// window drives it: no Qt here, so ThreadSanitizer can watch it whole.
#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>

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
