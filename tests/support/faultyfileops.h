#pragma once

#include <functional>
#include <memory>
#include <string>

#include "fs/fileops.h"

namespace kelmor::test {

// The real file system, with one chosen operation made to fail.
class FaultyFileOps final : public FileOps {
public:
    enum class Step { None, Create, Write, Flush, Close, Rename, Folder, OpenRead, Read, Inspect };

    FaultyFileOps();
    // Fail `step` with `error`; for Write, fail the `nth` write (1-based);
    // for Read, every file read fails once `nth` bytes of it have been read.
    void failAt(Step step, int error, int nth = 1)
    {
        failStep_ = step;
        error_ = error;
        nth_ = nth;
    }
    // Besides the step above, every removal of a file that is there fails with `error`.
    void failRemoval(int error) { removeError_ = error; }
    int writes() const { return *writes_; }
    // Runs `hook` whenever a created file is forced to disk: another
    // program's work at the slowest moment of a save.
    void duringFlush(std::function<void()> hook) { *flushHook_ = std::move(hook); }

    std::unique_ptr<ByteSource> openRead(const std::string& path, int& error) override;
    std::unique_ptr<WriteFile> create(const std::string& path, unsigned mode, int& error) override;
    int inspect(const std::string& path, FileFacts& facts) override;
    std::unique_ptr<FolderLock> lockFolder(const std::string& folder, int& error) override;
    std::unique_ptr<ByteSource> openLocked(const std::string& path, int& error) override;
    int renameNew(const std::string& from, const std::string& to) override;
    int renameOver(const std::string& from, const std::string& to) override;
    int remove(const std::string& path) override;
    int syncFolder(const std::string& folder) override;
    std::string resolve(const std::string& path) override;

private:
    std::unique_ptr<FileOps> real_;
    Step failStep_ = Step::None;
    int error_ = 0;
    int nth_ = 1;
    int removeError_ = 0;
    std::shared_ptr<int> writes_ = std::make_shared<int>(0);
    std::shared_ptr<std::function<void()>> flushHook_ = std::make_shared<std::function<void()>>();
};

}  // namespace kelmor::test
