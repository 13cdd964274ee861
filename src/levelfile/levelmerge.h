#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace kelmor {

struct LevelMerge {
    // False when a file's maps do not stand on lines of their own (a header
    // sharing its line with another item, a last row followed by a comma):
    // where a map begins and ends is unclear, and nothing is merged.
    bool merged = false;
    // The merged level file, in order: spans of the three files as they
    // stand, and what the merge made anew (held in `made`).
    std::vector<std::string_view> pieces;
    std::deque<std::string> made;
    // Each conflict, where OURS was kept: `map N "HEADER":row R:column C:
    // ours X, theirs Y, base Z`, or the map or the lines that conflicted.
    std::vector<std::string> conflicts;

    LevelMerge() = default;
    LevelMerge(LevelMerge&&) = default;  // the pieces stay where they point
    LevelMerge& operator=(LevelMerge&&) = default;
    LevelMerge(const LevelMerge&) = delete;
    LevelMerge& operator=(const LevelMerge&) = delete;

    std::string text() const;
};

// Merges two level files that came from `base`, as a merge of lines does
// but with maps as the units, aligned by their headers: what one side
// changed is taken; a map both sides changed is merged cell by cell; what
// both changed differently is a conflict, where OURS is kept. What is taken
// unchanged from a side is its bytes as they stand; only rows the merge makes
// anew take the line end of OURS's first line. The result is always a level
// file: no conflict markers are written into it. Its pieces point into the
// three files, which must outlive it.
LevelMerge mergeLevels(std::string_view base, std::string_view ours, std::string_view theirs);

}  // namespace kelmor
