#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "fs/filefailure.h"
#include "fs/fileops.h"
#include "fs/filestamp.h"
#include "levelfile/maporder.h"

namespace kelmor {

// What the caller read of the level file before asking for a change of the
// maps' order: the file's stamp, and the rows of the map it names (FROM, or
// the map deleted) as their digest. A file that is no longer so is refused.
struct OrderExpectation {
    FileStamp stamp;
    std::optional<std::uint64_t> rows;
};

struct OrderReport {
    FileFailure failure;  // step None when the change was made or refused
    OrderRefusal refusal = OrderRefusal::None;
    std::string reason;  // with a refusal
    // The file is not what the caller read; nothing was written.
    bool changed = false;
    std::string header;  // Insert: the header the blank map was given
    std::int64_t count = 0;
    // Once written: the new file's stamp, taken under the folder's lock.
    FileStamp stamp;

    bool ok() const { return !failure.failed() && refusal == OrderRefusal::None && !changed; }
};

// Moves, inserts or deletes a map in the level file `levelName` in `folder`
// (see changeMapOrder) as one transaction: with the folder locked as a save
// locks it, the whole new file is written beside the file (links followed,
// as a save follows them), forced to disk and renamed over it, with the
// file's mode. A kill at any moment leaves the old file or the new one.
OrderReport changeMapOrderInLevel(FileOps& ops, const std::string& folder, const std::string& levelName,
                                  const MapOrderChange& change, const OrderExpectation* expected = nullptr);

}  // namespace kelmor
