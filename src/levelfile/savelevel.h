#pragma once

#include <string>
#include <string_view>

#include "levelfile/filefailure.h"
#include "levelfile/fileops.h"
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

struct SaveReport {
    SavePlace place = SavePlace::Appended;
    FileFailure failure;                        // step None when the map was saved
    HeaderProblem header = HeaderProblem::None; // with step Header: what is wrong with it
    FileFailure cleanup;                        // after a failure: the scratch file could not be removed

    bool ok() const { return !failure.failed(); }
};

// Saves one map into the level file `levelName` in `folder`: the new content
// goes to the scratch file, is forced to disk and renamed over the level file
// in one step. A level file that is a symbolic link is saved into the file it
// points to, with the scratch file beside that file, and the link stays.
// On any failure the level file keeps its old bytes and the scratch file is
// removed; a removal that fails is reported in `cleanup`.
// A missing level file counts as an empty one.
SaveReport saveMapToLevel(FileOps& ops, const std::string& folder, std::string_view header,
                          const MapRows& rows, const std::string& levelName = kLevelFileName);

}  // namespace kelmor
