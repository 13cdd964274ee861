#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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
    // The file's stamp before, and once written the new file's stamp, taken
    // under the folder's lock.
    FileStamp before;
    FileStamp stamp;
    // With `keepBytes`, once written: the file's bytes before and after, so
    // that the change can be taken back (see replaceLevelBytes).
    std::string bytesBefore;
    std::string bytesAfter;

    bool ok() const { return !failure.failed() && refusal == OrderRefusal::None && !changed; }
};

// Moves, inserts or deletes a map in the level file `levelName` in `folder`
// (see changeMapOrder) as one transaction: with the folder locked as a save
// locks it, the whole new file is written beside the file (links followed,
// as a save follows them), forced to disk and renamed over it, with the
// file's mode. A kill at any moment leaves the old file or the new one.
OrderReport changeMapOrderInLevel(FileOps& ops, const std::string& folder, const std::string& levelName,
                                  const MapOrderChange& change, const OrderExpectation* expected = nullptr,
                                  bool keepBytes = false);

// Writes `bytes` as the level file, in the same one step, only while the
// file holds exactly `expected` (checked under the folder's lock); else
// `changed`, and nothing is written. How a change of the maps' order is
// undone and done again.
OrderReport replaceLevelBytes(FileOps& ops, const std::string& folder, const std::string& levelName,
                              std::string_view expected, std::string_view bytes);

}  // namespace kelmor
