#include "levelfile/maporder.h"

#include <algorithm>
#include <unordered_set>

#include "fs/bytesource.h"
#include "levelfile/itemreader.h"
#include "levelfile/mapload.h"
#include "model/blanktemplate.h"
#include "model/mapgrid.h"
#include "model/mapnumber.h"

namespace kelmor {

namespace {

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// Where a map's lines begin, and whether they can be cut there.
struct MapSpan {
    std::size_t begin = 0;  // the start of its header's line
    bool clear = true;      // its header alone on its line, and the map whole
    std::string header;
};

std::vector<MapSpan> spansOf(std::string_view file)
{
    std::vector<MapSpan> spans;
    MemorySource source(file);
    ItemReader reader(source);
    MapWalker walker(reader);
    while (const LoadedMap* map = walker.next([](std::int64_t, const std::string&) {}, false)) {
        const std::size_t at = static_cast<std::size_t>(map->offset);
        std::size_t begin = at;
        while (begin > 0 && !isLineEnd(file[begin - 1]))
            --begin;
        std::size_t end = at;
        while (end < file.size() && !isLineEnd(file[end]))
            ++end;
        MapSpan span;
        span.begin = begin;
        span.header = map->header;
        // Only blanks before it on its line, and no other item after it.
        const std::string_view before = file.substr(begin, at - begin);
        span.clear = before.find_first_not_of(" \t") == std::string_view::npos &&
                     file.substr(at, end - at).find(',') == std::string_view::npos && !map->damaged() &&
                     map->rowsRead == kMapRows;
        spans.push_back(std::move(span));
    }
    return spans;
}

std::string lineEndOf(std::string_view file)
{
    for (std::size_t at = 0; at < file.size(); ++at)
        if (isLineEnd(file[at]))
            return file[at] == '\r' && at + 1 < file.size() && file[at + 1] == '\n' ? "\r\n" : std::string(1, file[at]);
    return "\r\n";
}

// Puts the new file together, a line end added where a last line that had
// none is followed by more; bytes that follow on in the old file stay one
// piece, so the file is written in a few large writes.
class Assembler {
public:
    Assembler(std::string_view file, MapOrder& order) : file_(file), order_(order), lineEnd_(lineEndOf(file)) {}

    void take(std::string_view bytes)
    {
        if (bytes.empty())
            return;
        std::vector<std::string_view>& pieces = order_.pieces;
        if (!pieces.empty() && !isLineEnd(pieces.back().back())) {
            order_.made.push_back(lineEnd_);
            pieces.push_back(order_.made.back());
        }
        if (!pieces.empty() && pieces.back().data() + pieces.back().size() == bytes.data() && inFile(bytes))
            pieces.back() = std::string_view(pieces.back().data(), pieces.back().size() + bytes.size());
        else
            pieces.push_back(bytes);
    }
    void make(std::string bytes)
    {
        order_.made.push_back(std::move(bytes));
        take(order_.made.back());
    }
    const std::string& lineEnd() const { return lineEnd_; }

private:
    bool inFile(std::string_view bytes) const
    {
        return bytes.data() >= file_.data() && bytes.data() + bytes.size() <= file_.data() + file_.size();
    }

    std::string_view file_;
    MapOrder& order_;
    std::string lineEnd_;
};

std::string creationHeader(std::int64_t number)
{
    std::string digits = std::to_string(number);
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    return "*MAP" + digits;
}

// Whether what is put after the file's last span `tail` is read as it
// stands: a quoted item left open at the end of the file runs over it.
bool closedAtEnd(std::string_view tail, const std::string& lineEnd)
{
    std::string probe(tail);
    if (!probe.empty() && !isLineEnd(probe.back()))
        probe += lineEnd;
    const std::size_t header = probe.size();
    probe += "*\r\n";
    MemorySource source(probe);
    ItemReader reader(source);
    MapWalker walker(reader);
    std::uint64_t last = 0;
    while (const LoadedMap* map = walker.next([](std::int64_t, const std::string&) {}, false))
        last = map->offset;
    return last == header;
}

MapOrder refused(OrderRefusal why, std::string reason, std::int64_t count)
{
    MapOrder order;
    order.refusal = why;
    order.reason = std::move(reason);
    order.count = count;
    return order;
}

}  // namespace

MapOrderChange MapOrderChange::inverse() const
{
    switch (kind) {
    case Kind::Move: return move(to, from);
    case Kind::Insert: return remove(from);
    case Kind::Delete: return insert(from);
    }
    return *this;
}

std::int64_t MapOrderChange::numberAfter(std::int64_t mapNo) const
{
    switch (kind) {
    case Kind::Move:
        if (mapNo == from)
            return to;
        if (from < to && mapNo > from && mapNo <= to)
            return mapNo - 1;
        if (to < from && mapNo >= to && mapNo < from)
            return mapNo + 1;
        return mapNo;
    case Kind::Insert: return mapNo >= from ? mapNo + 1 : mapNo;
    case Kind::Delete: return mapNo == from ? 0 : mapNo > from ? mapNo - 1 : mapNo;
    }
    return mapNo;
}

std::string MapOrder::text() const
{
    std::string text;
    for (const std::string_view piece : pieces)
        text += piece;
    return text;
}

MapOrder changeMapOrder(std::string_view file, const MapOrderChange& change)
{
    using Kind = MapOrderChange::Kind;
    const std::vector<MapSpan> spans = spansOf(file);
    const auto count = static_cast<std::int64_t>(spans.size());
    const std::int64_t highest = change.kind == Kind::Insert ? count + 1 : count;
    for (const std::int64_t number : {change.from, change.to})
        if (number < 1 || number > highest)
            return refused(OrderRefusal::NoSuchMap,
                           "there is no map " + std::to_string(number) + " (the file has " + std::to_string(count) +
                               (count == 1 ? " map)" : " maps)"),
                           count);
    if (change.kind == Kind::Delete && count == 1)
        return refused(OrderRefusal::OnlyMap, "map 1 is the file's only map, and a level file keeps at least one",
                       count);
    if (change.kind == Kind::Insert && count >= kLastMapNo)
        return refused(OrderRefusal::Full, "the file already holds " + std::to_string(kLastMapNo) + " maps", count);

    // The maps whose beginning or end the change cuts at.
    std::vector<std::int64_t> involved;
    switch (change.kind) {
    case Kind::Move:
        if (change.from != change.to)
            involved = {change.from - 1, change.from, change.from + 1,
                        change.to < change.from ? change.to - 1 : change.to + 1, change.to};
        break;
    case Kind::Insert: involved = {change.from - 1, change.from}; break;
    case Kind::Delete: involved = {change.from - 1, change.from, change.from + 1}; break;
    }
    for (const std::int64_t number : involved)
        if (number >= 1 && number <= count && !spans[static_cast<std::size_t>(number - 1)].clear)
            return refused(OrderRefusal::Unclear,
                           "where map " + std::to_string(number) +
                               " begins or ends is unclear (its header shares its line with another item, or it is "
                               "damaged or cut off)",
                           count);

    MapOrder order;
    order.count = count;
    if (change.kind == Kind::Move && change.from == change.to) {
        order.unchanged = true;
        order.pieces.push_back(file);
        return order;
    }
    // Each map's bytes by its old number; 0 is what stands before the first.
    const auto span = [&](std::int64_t number) {
        const std::size_t begin = number == 0 ? 0 : spans[static_cast<std::size_t>(number - 1)].begin;
        const std::size_t end = number == count ? file.size() : spans[static_cast<std::size_t>(number)].begin;
        return file.substr(begin, end - begin);
    };
    std::vector<std::int64_t> sequence;
    sequence.reserve(static_cast<std::size_t>(count) + 1);
    for (std::int64_t number = 0; number <= count; ++number)
        sequence.push_back(number);
    if (change.kind == Kind::Move) {
        const auto from = sequence.begin() + change.from;
        const auto to = sequence.begin() + change.to;
        if (change.to < change.from)
            std::rotate(to, from, from + 1);
        else
            std::rotate(from, from + 1, to + 1);
    } else if (change.kind == Kind::Delete) {
        sequence.erase(sequence.begin() + change.from);
    } else {
        sequence.insert(sequence.begin() + change.from, -1);  // the blank map
        std::unordered_set<std::string> taken;
        for (const MapSpan& s : spans)
            taken.insert(s.header);
        std::int64_t number = change.from;
        while (taken.count(creationHeader(number)) != 0)
            ++number;
        order.header = creationHeader(number);
    }

    if (sequence.back() != count && !closedAtEnd(span(count), lineEndOf(file)))
        return refused(OrderRefusal::Unclear,
                       "the file ends inside a quoted item (a double quote without its closing one), which would "
                       "run over whatever came after it",
                       count);

    Assembler out(file, order);
    for (const std::int64_t number : sequence) {
        if (number >= 0) {
            out.take(span(number));
            continue;
        }
        std::string blank = order.header + out.lineEnd();
        for (int row = 0; row < kMapRows; ++row)
            blank += blankTemplateRow(row) + out.lineEnd();
        out.make(blank + out.lineEnd());
    }
    return order;
}

}  // namespace kelmor
