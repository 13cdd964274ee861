#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "fs/fileops.h"

namespace kelmor {

// Writes `bytes` as the file `path` in one step: into a scratch file of its
// own beside it, forced to disk, then renamed to `path`, over what stands
// there only with `replace` (else EEXIST). Nothing is left beside it, on
// failure either, and scratch files that killed writers left are removed.
// 0, or the errno of the first failure (EBUSY: other writers hold every
// scratch name beside it).
// With `like`, the file takes its permission bits (and owner and group
// where this user may give them).
int writeAtomically(FileOps& ops, const std::string& path, std::string_view bytes, bool replace,
                    const FileFacts* like = nullptr);
// The same for a file written in pieces, one after another.
int writeAtomically(FileOps& ops, const std::string& path, const std::vector<std::string_view>& pieces, bool replace,
                    const FileFacts* like = nullptr);

}  // namespace kelmor
