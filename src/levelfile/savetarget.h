#pragma once

#include <string>

#include "fs/fileops.h"

namespace kelmor {

// Where a write of the level file goes. The rename replaces the file a link
// points to, never the link; the scratch file stands beside that file, so the
// rename stays on its disk, and that folder is the one two writers must take
// turns in.
struct SaveTarget {
    std::string level;   // the file itself, links followed
    std::string folder;  // the folder it stands in, which a writer locks
    std::string scratch;
    FileFacts facts;
};

SaveTarget targetOf(FileOps& ops, const std::string& folder, const std::string& levelName);

// The level file is the save's scratch file itself, which a save removes first.
bool isScratchTarget(const SaveTarget& target);

}  // namespace kelmor
