#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "fs/bytesource.h"

namespace kelmor {

// One cell that differs in a map found in both files; a row shorter in one
// file has no cell there (`from` or `to` empty).
struct CellChange {
    int row = 0;
    int column = 0;
    std::string from;
    std::string to;
};

// What became of one map, in the order of the new file. Numbers count maps
// as loading does; `oldNo` is 0 for an added map, `newNo` 0 for a removed one.
struct MapChange {
    enum class Kind { Added, Removed, Moved, Renamed, Changed };
    Kind kind = Kind::Changed;
    std::int64_t oldNo = 0;
    std::int64_t newNo = 0;
    std::string oldHeader;
    std::string header;             // the new file's, or the old one's for a removed map
    std::vector<CellChange> cells;  // Changed, and Moved with other rows too
};

// An item outside every map that one file has and the other lacks, by the
// line it stands on in that file (from 1).
struct LineChange {
    bool added = false;  // in the new file only; else in the old file only
    std::int64_t line = 0;
    std::string text;
};

struct LevelDiff {
    std::vector<MapChange> maps;
    std::vector<LineChange> lines;
    bool same() const { return maps.empty() && lines.empty(); }
};

// Compares two level files map by map, the maps aligned by their headers as
// a diff aligns lines, so one map put in front is one added map. Items are
// compared as loading reads them: line ends, quotes that keep an item whole
// and empty lines are no change. Both sources must be able to go back; a
// failed read leaves the diff partial, which the caller tells by the
// sources' error().
LevelDiff diffLevels(ByteSource& oldFile, ByteSource& newFile);

// Which of `a` and `b` to keep, drop or add to turn `a` into `b`, with as few
// drops and adds as a diff of lines finds. Past `mostEdits` of them in the
// part that differs, all of that part of `a` is dropped and `b`'s added.
enum class Edit : char { Keep, Drop, Add };
std::vector<Edit> editScript(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b,
                             int mostEdits = 1000);

// `a` aligned with `b`: the edit script, and for each element of `a` the
// element of `b` it stays as, or -1. Besides what the script keeps, the k-th
// dropped and the k-th added of one run of changes stay as each other where
// `renamed` says they are one thing under another name.
struct Alignment {
    std::vector<Edit> script;
    std::vector<std::int64_t> partner;
};
Alignment align(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b,
                const std::function<bool(std::size_t inA, std::size_t inB)>& renamed);

}  // namespace kelmor
