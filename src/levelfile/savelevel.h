#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fs/filefailure.h"
#include "fs/fileops.h"
#include "fs/filestamp.h"
#include "levelfile/mapsave.h"
#include "model/mapgrid.h"

namespace kelmor {

inline constexpr const char* kLevelFileName = "kelmor.cnf";
inline constexpr const char* kScratchFileName = "temp.tmp";

// Why a header cannot be saved, or None. A map is found again by a "*" in its
// header; a header without one, or one that the reader would cut or change,
// would be lost or would overwrite another map: a leading quote or blank is
// dropped on reading, and a comma or a line end splits the header in two.
enum class HeaderProblem { None, NoStar, LeadingQuote, LeadingBlank, Comma, LineBreak };
HeaderProblem headerProblem(std::string_view header);

// Which map a save is meant to replace: the one loaded (its number and the
// digest of its rows as loaded), or none, for a map created on screen.
struct MapOrigin {
    bool created = true;
    std::int64_t mapNo = 0;
    std::uint64_t rows = RowsDigest().value();
};

struct SaveReport {
    SavePlace place = SavePlace::Appended;
    FileFailure failure;                         // step None when the map was saved
    HeaderProblem header = HeaderProblem::None;  // with step Header: what is wrong with it
    FileFailure cleanup;                         // after a failure: the scratch file could not be removed
    // The header found another map than the one expected; nothing was
    // written. To overwrite it, save again expecting this one.
    std::optional<MapOrigin> conflict;
    bool declined = false;  // the user would not overwrite the map in `conflict`
    MapOrigin saved;        // once saved: the map as it now stands, for the next save
    // Once saved: the stamp of the file this save wrote, taken under the
    // folder's lock, so a change right after it is still another's change.
    FileStamp stamp;

    bool ok() const { return !failure.failed() && !conflict && !declined; }
};

// Saves one map into the level file `levelName` in `folder`: the new content
// goes to the scratch file, is forced to disk and renamed over the level file
// in one step. A level file that is a symbolic link is saved into the file it
// points to, with the scratch file beside that file, and the link stays.
// On any failure the level file keeps its old bytes and the scratch file is
// removed; a removal that fails is reported in `cleanup`.
// A missing level file counts as an empty one. Two saves into the folder the
// file stands in never interleave. With `expected`, a save whose header finds
// another map than that one (a created map's header taken, the same header
// earlier in the file, the map changed on disk since it was loaded) writes
// nothing and reports that map in `conflict`; nothing is ever asked while the
// folder is locked.
// Before the rename the saved map is read back from the scratch file, and the
// level file is looked at again: when another program replaced or wrote it
// meanwhile, the save starts again from the file as it now is, so that
// change is kept (or, when it touched this map, reported in `conflict`).
SaveReport saveMapToLevel(FileOps& ops, const std::string& folder, std::string_view header, const MapRows& rows,
                          const std::string& levelName = kLevelFileName, const MapOrigin* expected = nullptr);

// Whether the level file, links followed, bears the scratch file's name: a
// save would remove it to make its scratch file, so such a file is refused.
bool isScratchFile(FileOps& ops, const std::string& folder, const std::string& levelName);

// Removes the scratch file that a save left when its editor died. With the
// folder's save lock held no save is under way; without it nothing is removed.
void removeStaleScratch(FileOps& ops, const std::string& folder, const std::string& levelName = kLevelFileName);

}  // namespace kelmor
