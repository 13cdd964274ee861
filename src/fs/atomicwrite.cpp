#include "fs/atomicwrite.h"

#include <cerrno>

namespace kelmor {

namespace {
constexpr int kScratchAttempts = 16;

std::string scratchBeside(const std::string& path, int attempt)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "." + name + "." + std::to_string(attempt) + ".part";
}
}  // namespace

int writeAtomically(FileOps& ops, const std::string& path, std::string_view bytes, bool replace, const FileFacts* like)
{
    return writeAtomically(ops, path, std::vector<std::string_view>{bytes}, replace, like);
}

int writeAtomically(FileOps& ops, const std::string& path, const std::vector<std::string_view>& pieces, bool replace,
                    const FileFacts* like)
{
    // A writer holds its scratch file's lock while it writes, so one whose
    // lock is free was left by a writer that was killed: it goes. Another
    // writer's is left alone, as is anything but a plain file.
    for (int attempt = 1; attempt <= kScratchAttempts; ++attempt) {
        const std::string stale = scratchBeside(path, attempt);
        int error = 0;
        if (const std::unique_ptr<ByteSource> left = ops.openLocked(stale, error))
            ops.remove(stale);
    }
    std::unique_ptr<WriteFile> file;
    std::string scratch;
    int error = EEXIST;
    for (int attempt = 1; attempt <= kScratchAttempts && error == EEXIST; ++attempt) {
        scratch = scratchBeside(path, attempt);
        file = ops.create(scratch, 0644, error);
    }
    if (!file)
        return error == EEXIST ? EBUSY : error;  // never taken for `path` being there
    error = file->lock();
    if (error == 0 && like != nullptr)
        error = file->adopt(*like);
    for (const std::string_view piece : pieces)
        if (error == 0 && !piece.empty())
            error = file->write(piece.data(), piece.size());
    if (error == 0)
        error = file->flushToDisk();
    const int closed = file->close();
    if (error == 0)
        error = closed;
    if (error == 0)
        error = replace ? ops.renameOver(scratch, path) : ops.renameNew(scratch, path);
    if (error != 0)
        ops.remove(scratch);
    return error;
}

}  // namespace kelmor
