#include "fs/fileops.h"

#include <cerrno>

namespace kelmor {

WriteFile::~WriteFile() = default;
FileOps::~FileOps() = default;
FolderLock::~FolderLock() = default;

std::optional<std::string> readWholeFile(FileOps& ops, const std::string& path, std::size_t limit, int& error)
{
    const std::unique_ptr<ByteSource> source = ops.openRead(path, error);
    if (!source)
        return std::nullopt;
    std::string bytes;
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
