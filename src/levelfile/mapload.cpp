#include "levelfile/mapload.h"

namespace kelmor {

namespace {
void readRows(ItemReader& reader, LoadedMap& map)
{
    map.rowsRead = 0;
    for (std::string& row : map.rows) {
        if (reader.atEnd()) {
            row.clear();
            continue;
        }
        reader.readInto(row);
        ++map.rowsRead;
    }
}
}  // namespace

LoadedMap loadMap(ItemReader& reader, std::int64_t wanted)
{
    // Maps passed on the way are only counted; the one returned is read again
    // from its header when the source can go back, else every map is kept in
    // turn, since the file may end before the wanted one.
    const bool seekable = reader.seekable();
    LoadedMap map;
    std::int64_t counter = 0;
    std::uint64_t lastHeader = 0;
    std::string item;
    while (!reader.atEnd()) {
        const std::uint64_t at = reader.offset();
        if (!(seekable ? reader.skip() : reader.readInto(item)).hasStar)
            continue;
        ++counter;
        map.found = true;
        lastHeader = at;
        if (!seekable) {
            map.header.swap(item);
            readRows(reader, map);
        } else if (counter >= wanted) {
            reader.seek(at);
            reader.readInto(map.header);
            readRows(reader, map);
        } else {
            reader.skipItems(kMapRows);
        }
        if (counter >= wanted) {
            map.mapNo = wanted;
            return map;
        }
    }
    if (map.found && seekable && reader.seek(lastHeader)) {
        reader.readInto(map.header);
        readRows(reader, map);
    }
    map.mapNo = counter;
    return map;
}

}  // namespace kelmor
