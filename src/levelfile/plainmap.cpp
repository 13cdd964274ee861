#include "levelfile/plainmap.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "levelfile/classify.h"
#include "levelfile/mapload.h"
#include "model/mapgrid.h"

namespace kelmor {

namespace {
// CR then LF, as two bytes read as one number.
constexpr std::uint16_t kCrLf =
    std::endian::native == std::endian::little ? std::uint16_t{'\r' | '\n' << 8} : std::uint16_t{'\r' << 8 | '\n'};
}  // namespace

bool plainRows(std::string_view rows)
{
    // Every row a line of the same length: 35 cells and CR LF, or LF.
    const std::size_t line = rows.size() / kMapRows;
    if ((line != kMapColumns + 1 && line != kMapColumns + 2) || rows.size() != line * kMapRows)
        return false;
    // Each row's first cell no blank and its line end where it belongs,
    // checked for all rows before deciding, which spares a branch a row.
    unsigned misplaced = 0;
    if (line == kMapColumns + 2) {
        for (const char* at = rows.data(); at < rows.data() + rows.size(); at += line) {
            std::uint16_t end;
            std::memcpy(&end, at + kMapColumns, sizeof end);
            misplaced |= static_cast<unsigned>(end ^ kCrLf) | (at[0] == ' ');
        }
    } else {
        for (const char* at = rows.data(); at < rows.data() + rows.size(); at += line)
            misplaced |= (at[kMapColumns] != '\n') | (at[0] == ' ');
    }
    if (misplaced != 0)
        return false;
    // Every byte but those line ends a cell: the line ends are the only others.
    static const OtherCounter countOthers = bestOtherCounter();
    return countOthers(rows.data(), rows.size()) == rows.size() - kMapRows * kMapColumns;
}

bool findPlainMap(std::string_view bytes, PlainMap& map)
{
    const std::size_t size = bytes.size();
    std::size_t at = 0;
    // Empty lines are empty items, which belong to no map and tell nothing.
    for (;;) {
        if (at < size && bytes[at] == '\n')
            ++at;
        else if (at + 1 < size && bytes[at] == '\r' && bytes[at + 1] == '\n')
            at += 2;
        else
            break;
    }
    // A leading blank is dropped and a quote opens a quoted item: both are
    // read item by item.
    if (at >= size || bytes[at] == ' ' || bytes[at] == '"')
        return false;
    const std::size_t headerAt = at;
    const std::size_t limit = std::min(size, headerAt + kMaxHeaderBytes + 1);
    bool star = false;
    while (at < limit && bytes[at] != '\n' && bytes[at] != '\r' && bytes[at] != ',') {
        star |= bytes[at] == '*';
        ++at;
    }
    if (!star || at >= limit || bytes[at] == ',')
        return false;
    const std::size_t headerEnd = at;
    if (bytes[at] == '\r' && (at + 1 >= size || bytes[at + 1] != '\n'))
        return false;
    at += bytes[at] == '\r' ? 2u : 1u;
    // The first row's line end gives every row's length.
    if (at + kMapColumns + 1 >= size)
        return false;
    const std::size_t line = bytes[at + kMapColumns] == '\r' ? kMapColumns + 2 : kMapColumns + 1;
    if (at + line * kMapRows > size || !plainRows(bytes.substr(at, line * kMapRows)))
        return false;
    map.headerAt = headerAt;
    map.header = bytes.substr(headerAt, headerEnd - headerAt);
    map.rows = bytes.substr(at, line * kMapRows);
    map.end = at + line * kMapRows;
    return true;
}

}  // namespace kelmor
