#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace kelmor {

// A change to the order of the maps: a map's number is its place in the file.
struct MapOrderChange {
    enum class Kind { Move, Insert, Delete };
    Kind kind = Kind::Move;
    // Move: the map's number before and after. Insert: the number the blank
    // map gets (1 to count + 1). Delete: the map.
    std::int64_t from = 0;
    std::int64_t to = 0;

    static MapOrderChange move(std::int64_t from, std::int64_t to) { return {Kind::Move, from, to}; }
    static MapOrderChange insert(std::int64_t at) { return {Kind::Insert, at, at}; }
    static MapOrderChange remove(std::int64_t mapNo) { return {Kind::Delete, mapNo, mapNo}; }

    // The change that takes the maps back where they were.
    MapOrderChange inverse() const;
    // The number map `mapNo` has after the change; 0 for the map deleted.
    std::int64_t numberAfter(std::int64_t mapNo) const;
};

enum class OrderRefusal {
    None,
    NoSuchMap,  // a number outside the file's maps
    OnlyMap,    // deleting the only map: a level file keeps one
    Full,       // inserting into a file of 32,767 maps
    Unclear,    // where a map involved begins or ends is unclear
};

// The level file after the change: spans of the old file as they stand, and
// what the change made anew (held in `made`), in order.
struct MapOrder {
    OrderRefusal refusal = OrderRefusal::None;
    // With a refusal, why, in a sentence (English, for the command line).
    std::string reason;
    // Nothing to write: the file stays as it is (a map moved to its place).
    bool unchanged = false;
    std::vector<std::string_view> pieces;
    std::deque<std::string> made;
    // Insert: the header the blank map was given.
    std::string header;
    // The number of maps before the change.
    std::int64_t count = 0;

    MapOrder() = default;
    MapOrder(MapOrder&&) = default;  // the pieces stay where they point
    MapOrder& operator=(MapOrder&&) = default;
    MapOrder(const MapOrder&) = delete;
    MapOrder& operator=(const MapOrder&) = delete;

    std::string text() const;
};

// Moves, inserts or deletes a map in `file`, byte for byte. A map is whole
// lines: from its header's line to the line before the next header's line
// (the last map to the end of the file); the lines before the first header
// stay first. A span moves whole and every byte outside it stays; where a
// line end must be added (a last line without one no longer ends the file),
// it is the file's first line end, or CR LF. An insert is the blank map under
// "*MAPnnn" for its number, or the lowest number above it that no map of the
// file has as its header. A map involved (the one named, its neighbours, the
// ones at the place it goes) whose header shares its line with another item,
// or that is damaged or cut off, is refused: where it begins or ends is
// unclear. The pieces point into `file`, which must outlive them.
MapOrder changeMapOrder(std::string_view file, const MapOrderChange& change);

}  // namespace kelmor
