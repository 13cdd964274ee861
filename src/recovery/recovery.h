#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "levelfile/levelfile.h"
#include "model/mapgrid.h"

namespace kelmor {

// The unsaved map on screen as its recovery file keeps it: enough to put it
// back after the editor died, and to tell whether it still belongs to the
// level file and the map it was made from.
struct Recovery {
    std::string level;  // the level file's path, as the editor opened it
    std::int64_t mapNo = 0;
    bool created = false;          // created on screen, never saved
    std::uint64_t originRows = 0;  // the loaded map's RowsDigest, for the save's overwrite check
    std::string header;            // in the bytes it is saved in
    MapRows rows;

    bool operator==(const Recovery&) const = default;
};

// A recovery file is never larger; anything larger is not one.
inline constexpr std::size_t kMaxRecoveryBytes = 128 * 1024;

// Lines of text; every byte string goes with its length, so any header or row
// survives whole, and a checksum closes the file, so damage is told.
std::string encodeRecovery(const Recovery& recovery);
// Nothing when the bytes are not one whole, undamaged recovery file.
std::optional<Recovery> decodeRecovery(std::string_view bytes);

// What to do with a recovery file found at start-up.
enum class RecoveryUse {
    Offer,         // edits that the level file does not have
    AlreadySaved,  // the level file holds that map as it was kept: nothing is lost
    Damaged,
    OtherLevel,  // made for a level file at another path
    MapGone,     // of a loaded map the level file no longer has
};
RecoveryUse judgeRecovery(const std::optional<Recovery>& recovery, const LevelFile& level);

}  // namespace kelmor
