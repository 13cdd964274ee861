#include "levelfile/mapload.h"

namespace kelmor {

LoadedMap loadMap(ItemReader& reader, std::int64_t wanted)
{
    LoadedMap map;
    std::int64_t counter = 0;
    std::string item;
    while (!reader.atEnd()) {
        if (!reader.readInto(item).hasStar)
            continue;
        ++counter;
        map.found = true;
        map.header.swap(item);
        map.rowsRead = 0;
        for (std::string& row : map.rows) {
            if (reader.atEnd()) {
                row.clear();
                continue;
            }
            reader.readInto(row);
            ++map.rowsRead;
        }
        if (counter >= wanted) {
            map.mapNo = wanted;
            return map;
        }
    }
    map.mapNo = counter;
    return map;
}

}  // namespace kelmor
