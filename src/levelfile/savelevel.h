#pragma once

#include <string>
#include <string_view>

#include "levelfile/fileops.h"
#include "levelfile/mapsave.h"
#include "model/mapgrid.h"

namespace kelmor {

inline constexpr const char* kLevelFileName = "kelmor.cnf";
inline constexpr const char* kScratchFileName = "temp.tmp";

enum class SaveStep { None, Header, Create, Read, Write, Flush, Close, Rename, Folder };

struct SaveReport {
    bool ok = false;
    SavePlace place = SavePlace::Appended;
    SaveStep failedStep = SaveStep::None;
    std::string file;   // the file the failed step worked on
    int error = 0;      // errno of the failed step
};

// Why a header cannot be saved, or None. A map is found again by a "*" in its
// header; a header without one, or one that the reader would cut or change
// (a leading quote, a line end), would be lost or overwrite another map.
enum class HeaderProblem { None, NoStar, Unreadable };
HeaderProblem headerProblem(std::string_view header);

// Saves one map into the level file in `folder`: the new content goes to the
// scratch file, is forced to disk and renamed over the level file in one step.
// On any failure the level file keeps its old bytes and no scratch file stays.
// A missing level file counts as an empty one.
SaveReport saveMapToLevel(FileOps& ops, const std::string& folder, std::string_view header,
                          const MapRows& rows);

}  // namespace kelmor
