#include "fs/fileops.h"

#include <algorithm>
#include <cerrno>

namespace kelmor {

namespace {
class HeldBytes final : public FileBytes {
public:
    explicit HeldBytes(std::string bytes) : bytes_(std::move(bytes)) {}
    std::string_view bytes() const override { return bytes_; }

private:
    std::string bytes_;
};
}  // namespace

FileBytes::~FileBytes() = default;

std::unique_ptr<FileBytes> FileOps::wholeFile(const std::string& path, std::size_t limit, int& error)
{
    std::optional<std::string> bytes = readWholeFile(*this, path, limit, error);
    if (!bytes)
        return nullptr;
    return std::make_unique<HeldBytes>(std::move(*bytes));
}

WriteFile::~WriteFile() = default;
FileOps::~FileOps() = default;
FolderLock::~FolderLock() = default;

std::optional<std::string> readWholeFile(FileOps& ops, const std::string& path, std::size_t limit, int& error)
{
    const std::unique_ptr<ByteSource> source = ops.openRead(path, error);
    if (!source)
        return std::nullopt;
    std::string bytes;
    // Room for it all at once: a large file read by doubling costs its size
    // again in copies and page faults.
    FileFacts facts;
    if (ops.inspect(path, facts) == 0 && facts.size > 0)
        bytes.reserve(std::min(static_cast<std::size_t>(facts.size), limit) + 1);
    char buffer[64 * 1024];
    for (std::size_t n; (n = source->read(buffer, sizeof buffer)) > 0;) {
        if (bytes.size() + n > limit) {
            error = EFBIG;
            return std::nullopt;
        }
        bytes.append(buffer, n);
    }
    if ((error = source->error()) != 0)
        return std::nullopt;
    return bytes;
}

}  // namespace kelmor
