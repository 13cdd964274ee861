#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "levelfile/itemreader.h"
#include "model/mapgrid.h"

namespace kelmor {

// The longest header and row a map may have. A person sees a header in a
// small box and a row as 35 cells; anything far longer is damage, and is not
// held in memory whole.
inline constexpr std::size_t kMaxHeaderBytes = 1024;
inline constexpr std::size_t kMaxRowBytes = 4096;

struct LoadedMap {
    // Number of the map found: `wanted`, or the number of maps when the file
    // holds fewer (0 when it holds none).
    std::int64_t mapNo = 0;
    bool found = false;  // false when the file holds no header at all
    std::string header;  // the header's bytes as they stand in the file
    MapRows rows;        // rows the file does not have are left empty
    int rowsRead = 0;    // fewer than 17 when the file ends inside the map
    // Held only up to the limits above; saving such a map would cut it.
    bool headerTooLong = false;
    bool rowTooLong = false;
    int headerInRow = -1;  // the first of the 17 rows that holds a "*", or -1
    // Where the header's item starts in the file: the map is read again from here.
    std::uint64_t offset = 0;
    // Rows passed over unseen: the bytes they stand in, line ends included,
    // when they were passed over in one piece (valid until the next read);
    // empty otherwise.
    std::string_view rowBytes;
    // Those bytes are plain rows (see plainRows): 17 lines of 35 cells the
    // catalogue names, nothing in them to tell.
    bool plainRows = false;

    bool damaged() const { return found && (headerTooLong || rowTooLong || headerInRow >= 0); }
};

// Finds map number `wanted` (counting headers from the top), or the last map
// when the file ends before it. Reads only up to the end of that map, never
// past the end of the file, and keeps at most one map in memory.
LoadedMap loadMap(ItemReader& reader, std::int64_t wanted);

// The map whose header item starts at `offset`, numbered `mapNo`, as loadMap
// reads it; not found when the source cannot go there or no header starts
// there (the file is not the one the offset was taken from).
LoadedMap loadMapAt(ItemReader& reader, std::uint64_t offset, std::int64_t mapNo);

// walkMaps one map at a time, for a caller that lists a long file in parts
// (see walkMaps for what it tells).
class MapWalker {
public:
    explicit MapWalker(ItemReader& reader) : reader_(reader) {}
    // The next map, or null at the end; it stays valid until the next call.
    const LoadedMap* next(const std::function<void(std::int64_t before, const std::string& item)>& stray,
                          bool withRows = true);
    // Where the item last read starts: within `stray`, the stray item's place.
    std::uint64_t itemOffset() const { return current_.offset; }
    // The map last returned, its rows read after all (it was passed over
    // unseen); the walk goes on after it as before. Null when the file
    // cannot be read again there.
    const LoadedMap* withRows();

private:
    ItemReader& reader_;
    LoadedMap current_;
    std::string item_;
};

// Every map in file order, numbered as loading numbers them (a header, then
// 17 items passed over as its rows), each read as loadMap reads it, one at a
// time: `map` gets each; `stray` gets every item that is not empty and belongs
// to no map (before the first header, or after a map's rows), with the number
// of the map before it (0 for none).
// Without `withRows`, each map's rows are passed over unseen (left empty)
// and only what they tell of the map is kept: faster, for a list of maps.
void walkMaps(ItemReader& reader, const std::function<void(const LoadedMap&)>& map,
              const std::function<void(std::int64_t before, const std::string& item)>& stray, bool withRows = true);

// The last map, numbered with the number of maps as the last-map button
// counts them, in one pass: maps are counted by the same rule as
// countMapsSkippingRows, and the last one is read again from its header.
LoadedMap loadLastMap(ItemReader& reader);

}  // namespace kelmor
