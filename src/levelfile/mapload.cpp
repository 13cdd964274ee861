#include "levelfile/mapload.h"

#include <limits>

namespace kelmor {

namespace {
// Reads one item, keeping at most `limit` bytes of it (and one more, to tell
// that it was longer).
ItemInfo readCapped(ItemReader& reader, std::string& out, std::size_t limit)
{
    out.clear();
    return reader.read([&](std::string_view part) {
        if (out.size() <= limit)
            out.append(part.substr(0, limit + 1 - out.size()));
    });
}

// Takes a header read with readCapped, cut to the limit.
void takeHeader(LoadedMap& map, std::string& bytes, const ItemInfo& info)
{
    map.headerTooLong = info.size > kMaxHeaderBytes;
    if (map.headerTooLong)
        bytes.resize(kMaxHeaderBytes);
    map.header.swap(bytes);
}

void readHeader(ItemReader& reader, LoadedMap& map)
{
    std::string bytes;
    const ItemInfo info = readCapped(reader, bytes, kMaxHeaderBytes);
    takeHeader(map, bytes, info);
}

void readRows(ItemReader& reader, LoadedMap& map)
{
    map.rowsRead = 0;
    map.rowTooLong = false;
    map.headerInRow = -1;
    for (std::string& row : map.rows) {
        if (reader.atEnd()) {
            row.clear();
            continue;
        }
        const ItemInfo info = readCapped(reader, row, kMaxRowBytes);
        if (info.size > kMaxRowBytes) {
            row.resize(kMaxRowBytes);
            map.rowTooLong = true;
        }
        if (info.hasStar && map.headerInRow < 0)
            map.headerInRow = map.rowsRead;
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
        const ItemInfo info = seekable ? reader.skip() : readCapped(reader, item, kMaxHeaderBytes);
        if (!info.hasStar)
            continue;
        ++counter;
        map.found = true;
        lastHeader = at;
        if (!seekable) {
            // Kept in turn, as the file may end before the wanted map.
            takeHeader(map, item, info);
            readRows(reader, map);
        } else if (counter >= wanted) {
            reader.seek(at);
            readHeader(reader, map);
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
        readHeader(reader, map);
        readRows(reader, map);
    }
    map.mapNo = counter;
    return map;
}

void walkMaps(ItemReader& reader, const std::function<void(const LoadedMap&)>& map,
              const std::function<void(std::int64_t before, const std::string& item)>& stray)
{
    LoadedMap current;
    std::string item;
    while (!reader.atEnd()) {
        const ItemInfo info = readCapped(reader, item, kMaxHeaderBytes);
        if (!info.hasStar) {
            if (info.size > 0)
                stray(current.mapNo, item);
            continue;
        }
        takeHeader(current, item, info);
        readRows(reader, current);
        current.found = true;
        ++current.mapNo;
        map(current);
    }
}

LoadedMap loadLastMap(ItemReader& reader)
{
    return loadMap(reader, std::numeric_limits<std::int64_t>::max());
}

}  // namespace kelmor
