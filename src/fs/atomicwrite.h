#pragma once

#include <string>
#include <string_view>

#include "fs/fileops.h"

namespace kelmor {

// Writes `bytes` as the file `path` in one step: into a scratch file of its
// own beside it, forced to disk, then renamed to `path`, over what stands
// there only with `replace` (else EEXIST). Nothing is left beside it, on
// failure either, and scratch files that killed writers left are removed.
// 0, or the errno of the first failure (EBUSY: other writers hold every
// scratch name beside it).
int writeAtomically(FileOps& ops, const std::string& path, std::string_view bytes, bool replace);

}  // namespace kelmor
