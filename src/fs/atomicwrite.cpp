#include "fs/atomicwrite.h"

#include <cerrno>

namespace kelmor {

namespace {
std::string scratchBeside(const std::string& path, int attempt)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "." + name + "." + std::to_string(attempt) + ".part";
}
}  // namespace

int writeAtomically(FileOps& ops, const std::string& path, std::string_view bytes, bool replace)
{
    // Another writer's scratch file of the same name is left alone.
    std::unique_ptr<WriteFile> file;
    std::string scratch;
    int error = EEXIST;
    for (int attempt = 1; attempt <= 16 && error == EEXIST; ++attempt) {
        scratch = scratchBeside(path, attempt);
        file = ops.create(scratch, 0644, error);
    }
    if (!file)
        return error;
    error = file->write(bytes.data(), bytes.size());
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
