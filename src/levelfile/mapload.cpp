#include "levelfile/mapload.h"

#include <limits>

#include "levelfile/plainmap.h"

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

// Forgets the rows of the map read before, as each walk step starts.
void clearRows(LoadedMap& map)
{
    map.rowsRead = 0;
    map.rowTooLong = false;
    map.headerInRow = -1;
    map.rowBytes = {};
    map.plainRows = false;
    for (std::string& row : map.rows)
        row.clear();
}

// With `keep` false the rows are passed over unseen (left empty), but what
// they tell of the map (how many, too long, a header among them) is the same.
// `map.offset` is where its header starts.
void readRows(ItemReader& reader, LoadedMap& map, bool keep = true)
{
    clearRows(map);
    if (!keep && reader.seekable()) {
        // Passed over by counting item ends: 17 rows, none holding a "*" and
        // none longer than the limit (all of them together are not), is a
        // whole map. Anything else is read again item by item below.
        const std::uint64_t start = reader.offset();
        const std::uint64_t passed = reader.skipItems(kMapRows);
        const std::uint64_t end = reader.offset();
        if (passed == kMapRows && end - start <= kMaxRowBytes && !reader.mayHoldStar(start, end)) {
            map.rowsRead = kMapRows;
            map.rowBytes = reader.bytesBetween(start, end);
            map.plainRows = plainRows(map.rowBytes);
            return;
        }
        // Back to the header, as loading goes back to a map, and past it again.
        reader.seek(map.offset);
        reader.skip();
    }
    for (std::string& row : map.rows) {
        if (reader.atEnd())
            continue;
        const ItemInfo info = keep ? readCapped(reader, row, kMaxRowBytes) : reader.skip();
        if (info.size > kMaxRowBytes) {
            if (keep)
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
            map.offset = at;
            takeHeader(map, item, info);
            readRows(reader, map);
        } else if (counter >= wanted) {
            map.offset = at;
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
        map.offset = lastHeader;
        readHeader(reader, map);
        readRows(reader, map);
    }
    map.mapNo = counter;
    return map;
}

LoadedMap loadMapAt(ItemReader& reader, std::uint64_t offset, std::int64_t mapNo)
{
    LoadedMap map;
    std::string bytes;
    if (!reader.seek(offset) || reader.atEnd())
        return map;
    const ItemInfo info = readCapped(reader, bytes, kMaxHeaderBytes);
    if (!info.hasStar)
        return map;
    takeHeader(map, bytes, info);
    readRows(reader, map);
    map.found = true;
    map.mapNo = mapNo;
    map.offset = offset;
    return map;
}

const LoadedMap* MapWalker::next(const std::function<void(std::int64_t before, const std::string& item)>& stray,
                                 bool withRows)
{
    // A map as the editor writes it is taken from the bytes in one look,
    // without making the buffer's item masks: on a long file that is most
    // of the cost of listing or checking it.
    PlainMap plain;
    if (!withRows && findPlainMap(reader_.ahead(kPlainMapReach), plain)) {
        current_.offset = reader_.offset() + plain.headerAt;
        current_.header.assign(plain.header);
        current_.headerTooLong = false;
        clearRows(current_);
        current_.rowsRead = kMapRows;
        current_.rowBytes = plain.rows;
        current_.plainRows = true;
        current_.found = true;
        ++current_.mapNo;
        reader_.advance(plain.end);
        return &current_;
    }
    while (!reader_.atEnd()) {
        current_.offset = reader_.offset();
        const ItemInfo info = readCapped(reader_, item_, kMaxHeaderBytes);
        if (!info.hasStar) {
            if (info.size > 0)
                stray(current_.mapNo, item_);
            continue;
        }
        takeHeader(current_, item_, info);
        readRows(reader_, current_, withRows);
        current_.found = true;
        ++current_.mapNo;
        return &current_;
    }
    return nullptr;
}

const LoadedMap* MapWalker::withRows()
{
    const std::uint64_t after = reader_.offset();
    if (!reader_.seek(current_.offset))
        return nullptr;
    readCapped(reader_, item_, kMaxHeaderBytes);
    readRows(reader_, current_);
    // Reading the rows stops where passing over them stopped.
    return reader_.offset() == after ? &current_ : nullptr;
}

void walkMaps(ItemReader& reader, const std::function<void(const LoadedMap&)>& map,
              const std::function<void(std::int64_t before, const std::string& item)>& stray, bool withRows)
{
    MapWalker walker(reader);
    while (const LoadedMap* next = walker.next(stray, withRows))
        map(*next);
}

LoadedMap loadLastMap(ItemReader& reader)
{
    return loadMap(reader, std::numeric_limits<std::int64_t>::max());
}

}  // namespace kelmor
