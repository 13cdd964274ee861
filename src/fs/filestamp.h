#pragma once

#include <cstdint>
#include <string>

#include "fs/fileops.h"

namespace kelmor {

// What tells one version of a file from another without reading it: a file
// replaced by a rename has another inode, one written in place another size
// or modification time, one whose permissions changed another change time.
struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;

    bool operator==(const FileStamp&) const = default;
};

FileStamp stampOf(const FileFacts& facts);
// The stamp of `path` now; 0, or the errno of a failed look (a missing file
// is no failure: its stamp does not exist).
int stampFile(FileOps& ops, const std::string& path, FileStamp& stamp);

// What became of a file since it was `known`, judged from its stamp `now`
// and the errno of the look (0 when it succeeded).
enum class OutsideChange {
    None,     // the same file, as it was
    Changed,  // another file, or this one written to
    Gone,     // removed, or no longer to be looked at
};
OutsideChange judgeOutsideChange(const FileStamp& known, const FileStamp& now, int error);

}  // namespace kelmor
