#include "support/faultyfileops.h"

namespace kelmor::test {

namespace {
class FaultyWriteFile final : public WriteFile {
public:
    FaultyWriteFile(std::unique_ptr<WriteFile> real, FaultyFileOps::Step step, int error, int nth,
                    std::shared_ptr<int> writes)
        : real_(std::move(real)), step_(step), error_(error), nth_(nth), writes_(std::move(writes))
    {
    }
    int write(const char* data, std::size_t size) override
    {
        ++*writes_;
        if (step_ == FaultyFileOps::Step::Write && *writes_ == nth_)
            return error_;
        return real_->write(data, size);
    }
    int flushToDisk() override
    {
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
};
}  // namespace

FaultyFileOps::FaultyFileOps() : real_(makePosixFileOps()) {}

std::unique_ptr<ByteSource> FaultyFileOps::openRead(const std::string& path, int& error)
{
    if (failStep_ == Step::OpenRead) {
        error = error_;
        return nullptr;
    }
    return real_->openRead(path, error);
}

std::unique_ptr<WriteFile> FaultyFileOps::create(const std::string& path, int& error)
{
    if (failStep_ == Step::Create) {
        error = error_;
        return nullptr;
    }
    std::unique_ptr<WriteFile> file = real_->create(path, error);
    if (!file)
        return nullptr;
    return std::make_unique<FaultyWriteFile>(std::move(file), failStep_, error_, nth_, writes_);
}

int FaultyFileOps::renameOver(const std::string& from, const std::string& to)
{
    return failStep_ == Step::Rename ? error_ : real_->renameOver(from, to);
}

int FaultyFileOps::remove(const std::string& path)
{
    return real_->remove(path);
}

int FaultyFileOps::syncFolder(const std::string& folder)
{
    return failStep_ == Step::Folder ? error_ : real_->syncFolder(folder);
}

}  // namespace kelmor::test
