#pragma once

#include <cstdint>
#include <string>

#include "levelfile/itemreader.h"
#include "model/mapgrid.h"

namespace kelmor {

struct LoadedMap {
    // Number of the map found: `wanted`, or the number of maps when the file
    // holds fewer (0 when it holds none).
    std::int64_t mapNo = 0;
    bool found = false;       // false when the file holds no header at all
    std::string header;       // the header's bytes as they stand in the file
    MapRows rows;             // rows the file does not have are left empty
    int rowsRead = 0;         // fewer than 17 when the file ends inside the map
};

// Finds map number `wanted` (counting headers from the top), or the last map
// when the file ends before it. Reads only up to the end of that map, never
// past the end of the file, and keeps at most one map in memory.
LoadedMap loadMap(ItemReader& reader, std::int64_t wanted);

}  // namespace kelmor
