#include "support/faultyfileops.h"

#include <algorithm>
#include <filesystem>

namespace kelmor::test {

namespace {
// A file that can be read up to a point and no further, as a disk that fails part way.
class FaultySource final : public ByteSource {
public:
    FaultySource(std::unique_ptr<ByteSource> real, std::uint64_t failAt, int error)
        : real_(std::move(real)),
          failAt_(failAt),
          failError_(error)
    {}
    std::size_t read(char* buffer, std::size_t size) override
    {
        if (error_ != 0)
            return 0;
        if (at_ >= failAt_) {
            error_ = failError_;
            return 0;
        }
        const std::size_t n =
            real_->read(buffer, static_cast<std::size_t>(std::min<std::uint64_t>(size, failAt_ - at_)));
        at_ += n;
        return n;
    }
    bool seekable() const override { return real_->seekable(); }
    bool seek(std::uint64_t offset) override
    {
        if (error_ != 0 || !real_->seek(offset))
            return false;
        at_ = offset;
        return true;
    }

private:
    std::unique_ptr<ByteSource> real_;
    std::uint64_t at_ = 0;
    std::uint64_t failAt_;
    int failError_;
};

class FaultyWriteFile final : public WriteFile {
public:
    FaultyWriteFile(std::unique_ptr<WriteFile> real, FaultyFileOps::Step step, int error, int nth,
                    std::shared_ptr<int> writes, std::shared_ptr<std::function<void()>> flushHook)
        : real_(std::move(real)),
          step_(step),
          error_(error),
          nth_(nth),
          writes_(std::move(writes)),
          flushHook_(std::move(flushHook))
    {}
    int write(const char* data, std::size_t size) override
    {
        ++*writes_;
        if (step_ == FaultyFileOps::Step::Write && *writes_ == nth_)
            return error_;
        return real_->write(data, size);
    }
    int adopt(const FileFacts& like) override { return real_->adopt(like); }
    int lock() override { return real_->lock(); }
    int flushToDisk() override
    {
        if (*flushHook_)
            (*flushHook_)();
        return step_ == FaultyFileOps::Step::Flush ? error_ : real_->flushToDisk();
    }
    int close() override
    {
        const int result = real_->close();
        return step_ == FaultyFileOps::Step::Close ? error_ : result;
    }

private:
    std::unique_ptr<WriteFile> real_;
    FaultyFileOps::Step step_;
    int error_;
    int nth_;
    std::shared_ptr<int> writes_;
    std::shared_ptr<std::function<void()>> flushHook_;
};
}  // namespace

FaultyFileOps::FaultyFileOps() : real_(makePosixFileOps(200)) {}

std::unique_ptr<ByteSource> FaultyFileOps::openRead(const std::string& path, int& error)
{
    if (failStep_ == Step::OpenRead) {
        error = error_;
        return nullptr;
    }
    std::unique_ptr<ByteSource> source = real_->openRead(path, error);
    if (source && failStep_ == Step::Read)
        return std::make_unique<FaultySource>(std::move(source), static_cast<std::uint64_t>(nth_), error_);
    return source;
}

std::unique_ptr<WriteFile> FaultyFileOps::create(const std::string& path, unsigned mode, int& error)
{
    if (failStep_ == Step::Create) {
        error = error_;
        return nullptr;
    }
    std::unique_ptr<WriteFile> file = real_->create(path, mode, error);
    if (!file)
        return nullptr;
    return std::make_unique<FaultyWriteFile>(std::move(file), failStep_, error_, nth_, writes_, flushHook_);
}

std::unique_ptr<ByteSource> FaultyFileOps::openLocked(const std::string& path, int& error)
{
    return real_->openLocked(path, error);
}

int FaultyFileOps::renameNew(const std::string& from, const std::string& to)
{
    return failStep_ == Step::Rename ? error_ : real_->renameNew(from, to);
}

int FaultyFileOps::renameOver(const std::string& from, const std::string& to)
{
    return failStep_ == Step::Rename ? error_ : real_->renameOver(from, to);
}

int FaultyFileOps::remove(const std::string& path)
{
    if (removeError_ != 0 && std::filesystem::symlink_status(path).type() != std::filesystem::file_type::not_found)
        return removeError_;
    return real_->remove(path);
}

std::string FaultyFileOps::resolve(const std::string& path)
{
    return real_->resolve(path);
}

std::unique_ptr<FolderLock> FaultyFileOps::lockFolder(const std::string& folder, int& error)
{
    return real_->lockFolder(folder, error);
}

int FaultyFileOps::inspect(const std::string& path, FileFacts& facts)
{
    if (failStep_ == Step::Inspect)
        return error_;
    return real_->inspect(path, facts);
}

int FaultyFileOps::syncFolder(const std::string& folder)
{
    return failStep_ == Step::Folder ? error_ : real_->syncFolder(folder);
}

}  // namespace kelmor::test
