#include "levelfile/levelmerge.h"

#include <algorithm>
#include <array>
#include <deque>
#include <optional>
#include <unordered_map>

#include "fs/bytesource.h"
#include "levelfile/itemreader.h"
#include "levelfile/leveldiff.h"
#include "levelfile/mapload.h"
#include "levelfile/mapsave.h"

namespace kelmor {

namespace {

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// The length of the line end at `at`, if one stands there.
std::size_t lineEndAt(std::string_view file, std::size_t at)
{
    if (at >= file.size() || !isLineEnd(file[at]))
        return 0;
    return file[at] == '\r' && at + 1 < file.size() && file[at + 1] == '\n' ? 2 : 1;
}

// A piece of a level file: one map, from its header's line to its last
// row's line end, or one line outside every map with its line end.
struct Unit {
    bool map = false;
    std::string key;         // what aligns it; a line's is its text
    std::string_view bytes;  // as it stands in its file
    std::string header;
    bool whole = true;           // a map neither damaged nor cut off
    std::size_t headerLine = 0;  // the bytes of a map's header's line
    // A digest of a map's rows as loading reads them, made when first needed:
    // most maps are the same bytes on every side and never need one.
    mutable std::optional<std::uint64_t> digest;
};

MapRows rowsOf(const Unit& unit)
{
    MemorySource source(unit.bytes);
    ItemReader reader(source, 4096);
    return loadMapAt(reader, 0, 1).rows;
}

// Whether two maps have the same rows, however they are written.
bool sameRows(const Unit& a, const Unit& b)
{
    if (a.bytes.substr(a.headerLine) == b.bytes.substr(b.headerLine))
        return true;
    for (const Unit* u : {&a, &b})
        if (!u->digest)
            u->digest = RowsDigest::of(rowsOf(*u), kMapRows);
    return *a.digest == *b.digest;
}

void addLines(std::string_view file, std::size_t from, std::size_t to, std::vector<Unit>& units)
{
    for (std::size_t at = from; at < to;) {
        std::size_t end = at;
        while (end < to && !isLineEnd(file[end]))
            ++end;
        Unit line;
        line.key = std::string(file.substr(at, end - at));
        end += lineEndAt(file, end);
        line.bytes = file.substr(at, end - at);
        units.push_back(std::move(line));
        at = end;
    }
}

// The file's units, or nothing when a map does not stand on lines of its own.
std::optional<std::vector<Unit>> unitsOf(std::string_view file)
{
    std::vector<Unit> units;
    units.reserve(file.size() / 300 + 16);  // a map and the empty line after it: about 700 bytes
    MemorySource source(file);
    ItemReader reader(source);
    MapWalker walker(reader);
    std::size_t done = 0;
    while (const LoadedMap* map = walker.next([](std::int64_t, const std::string&) {}, false)) {
        std::size_t start = static_cast<std::size_t>(map->offset);
        std::size_t header = start;
        while (header < file.size() && file[header] == ' ')
            ++header;
        while (start > done && file[start - 1] == ' ')
            --start;
        if ((start > done && !isLineEnd(file[start - 1])) || file[header] == '"')
            return std::nullopt;  // another item before it on its line, or a quoted header
        std::size_t headerEnd = header;
        while (headerEnd < file.size() && !isLineEnd(file[headerEnd]) && file[headerEnd] != ',')
            ++headerEnd;
        if (headerEnd < file.size() && file[headerEnd] == ',')
            return std::nullopt;
        headerEnd += lineEndAt(file, headerEnd);
        std::size_t end = static_cast<std::size_t>(reader.offset());
        if (end > 0 && end < file.size() && file[end - 1] == '\r' && file[end] == '\n')
            ++end;
        if (end < file.size() && (end == 0 || !isLineEnd(file[end - 1])))
            return std::nullopt;  // its last row shares its line
        addLines(file, done, start, units);
        Unit unit;
        unit.map = true;
        unit.header = map->header;
        unit.whole = !map->damaged() && map->rowsRead == kMapRows;
        unit.bytes = file.substr(start, end - start);
        unit.headerLine = std::min(headerEnd, end) - start;
        units.push_back(std::move(unit));
        done = end;
    }
    addLines(file, done, file.size(), units);
    return units;
}

// A map is matched by its header; a header that stands more than once, by
// the how-manieth it is, when it stands as often in all three files, and
// otherwise with nothing, so that each change to such a map is a conflict.
void keyMaps(std::vector<Unit>* files[3])
{
    std::unordered_map<std::string_view, std::array<int, 3>> counts;
    for (int f = 0; f < 3; ++f)
        for (const Unit& u : *files[f])
            if (u.map)
                ++counts[u.header][static_cast<std::size_t>(f)];
    for (int f = 0; f < 3; ++f) {
        std::unordered_map<std::string_view, int> seen;
        std::size_t index = 0;
        for (Unit& u : *files[f]) {
            ++index;
            if (!u.map)
                continue;
            const std::array<int, 3>& n = counts[u.header];
            u.key = "\n*" + u.header;
            if (std::max({n[0], n[1], n[2]}) <= 1)
                continue;
            const int occurrence = seen[u.header]++;
            u.key += "\n" + (n[0] == n[1] && n[1] == n[2] ? std::to_string(occurrence)
                                                          : std::to_string(f) + ":" + std::to_string(index));
        }
    }
}

bool same(const Unit& a, const Unit& b)
{
    if (a.map != b.map)
        return false;
    if (a.bytes == b.bytes)
        return true;
    return a.map ? a.header == b.header && sameRows(a, b) : a.key == b.key;
}

// For each unit of `base`, the unit of `side` it stays as, or -1; a map under
// another header with the rows it had, where the base map went, stays too.
std::vector<std::int64_t> matchTo(const std::vector<Unit>& base, const std::vector<Unit>& side)
{
    std::vector<std::string_view> a, b;
    a.reserve(base.size());
    b.reserve(side.size());
    for (const Unit& u : base)
        a.push_back(u.key);
    for (const Unit& u : side)
        b.push_back(u.key);
    return align(a, b,
                 [&](std::size_t was, std::size_t now) {
                     return base[was].map && side[now].map && sameRows(base[was], side[now]);
                 })
        .partner;
}

std::string lineEndOf(std::string_view file)
{
    for (std::size_t at = 0; at < file.size(); ++at)
        if (const std::size_t length = lineEndAt(file, at))
            return std::string(file.substr(at, length));
    return "\r\n";
}

class Merger {
public:
    Merger(std::string_view ours, LevelMerge& result) : result_(result), lineEnd_(lineEndOf(ours)) {}

    void take(std::string_view bytes)
    {
        if (bytes.empty())
            return;
        std::vector<std::string_view>& pieces = result_.pieces;
        // A last line without its line end that no longer ends the file.
        if (!pieces.empty() && !isLineEnd(pieces.back().back())) {
            result_.made.push_back(lineEnd_);
            pieces.push_back(result_.made.back());
        }
        // What follows on in the same file is one piece, so the file is
        // written in a few large writes.
        if (!pieces.empty() && pieces.back().data() + pieces.back().size() == bytes.data())
            pieces.back() = std::string_view(pieces.back().data(), pieces.back().size() + bytes.size());
        else
            pieces.push_back(bytes);
    }
    void take(const Unit& unit)
    {
        maps_ += unit.map ? 1 : 0;
        take(unit.bytes);
    }
    void conflict(const std::string& what) { result_.conflicts.push_back(what); }
    std::string mapNamed(const std::string& header) const
    {
        return "map " + std::to_string(maps_ + 1) + " \"" + header + "\"";
    }
    // Counted only when a conflict names a line: most merges name none.
    std::int64_t nextLine()
    {
        for (; counted_ < result_.pieces.size(); ++counted_) {
            const std::string_view piece = result_.pieces[counted_];
            for (std::size_t at = 0; at < piece.size(); ++at)
                if (const std::size_t length = lineEndAt(piece, at)) {
                    ++lines_;
                    at += length - 1;
                }
        }
        return lines_ + 1;
    }

    // A map both sides changed: the header and the rows each from the side
    // that changed them, the rows cell by cell where both did.
    void mergeMap(const Unit& base, const Unit& ours, const Unit& theirs)
    {
        const Unit& header = ours.header != base.header ? ours : theirs;
        if (ours.header != base.header && theirs.header != base.header && ours.header != theirs.header) {
            conflict(mapNamed(ours.header) + ": renamed in ours and theirs differently; ours kept");
            return take(ours);
        }
        const Unit* rows = sameRows(ours, base) ? &theirs : sameRows(theirs, base) ? &ours : nullptr;
        if (rows != nullptr) {
            take(header.bytes.substr(0, header.headerLine));
            ++maps_;
            return take(rows->bytes.substr(rows->headerLine));
        }
        const std::string named = mapNamed(header.header);
        const MapRows b = rowsOf(base), o = rowsOf(ours), t = rowsOf(theirs);
        bool fits = base.whole && ours.whole && theirs.whole;
        for (std::size_t r = 0; fits && r < b.size(); ++r)
            fits = b[r].size() == o[r].size() && o[r].size() == t[r].size() && plain(o[r]) && plain(t[r]);
        if (!fits) {
            conflict(named + ": changed in ours and theirs, not cell by cell (rows of other lengths, or damaged); "
                             "ours kept");
            return take(ours);
        }
        std::string merged(header.bytes.substr(0, header.headerLine));
        if (!merged.empty() && !isLineEnd(merged.back()))
            merged += lineEnd_;
        for (std::size_t r = 0; r < b.size(); ++r) {
            std::string row = o[r];
            for (std::size_t c = 0; c < row.size(); ++c) {
                if (o[r][c] == b[r][c])
                    row[c] = t[r][c];
                else if (t[r][c] != b[r][c] && t[r][c] != o[r][c])
                    conflict(named + ":row " + std::to_string(r) + ":column " + std::to_string(c) + ": ours " +
                             o[r][c] + ", theirs " + t[r][c] + ", base " + b[r][c]);
            }
            merged += row + lineEnd_;
        }
        result_.made.push_back(std::move(merged));
        ++maps_;
        take(result_.made.back());
    }

private:
    // A row written as it stands reads back as itself.
    static bool plain(const std::string& row)
    {
        return row.find_first_of(",\"\r\n") == std::string::npos && (row.empty() || row.front() != ' ');
    }

    LevelMerge& result_;
    std::string lineEnd_;
    std::int64_t maps_ = 0;
    std::int64_t lines_ = 0;
    std::size_t counted_ = 0;
};

bool sameRun(const std::vector<Unit>& a, std::size_t from, std::size_t to, const std::vector<Unit>& b,
             std::size_t bFrom, std::size_t bTo)
{
    if (to - from != bTo - bFrom)
        return false;
    for (std::size_t n = 0; n < to - from; ++n)
        if (!same(a[from + n], b[bFrom + n]))
            return false;
    return true;
}

}  // namespace

LevelMerge mergeLevels(std::string_view base, std::string_view ours, std::string_view theirs)
{
    LevelMerge result;
    // What only one side changed is that side, to the byte.
    if (ours == theirs || base == theirs || base == ours) {
        result.merged = true;
        if (const std::string_view side = base == ours ? theirs : ours; !side.empty())
            result.pieces.push_back(side);
        return result;
    }
    std::optional<std::vector<Unit>> b = unitsOf(base), o = unitsOf(ours), t = unitsOf(theirs);
    if (!b || !o || !t)
        return result;
    std::vector<Unit>* files[3] = {&*b, &*o, &*t};
    keyMaps(files);
    const std::vector<std::int64_t> toOurs = matchTo(*b, *o), toTheirs = matchTo(*b, *t);

    // As a merge of lines goes: runs where the base stays in both sides, and
    // between them what each side made of the rest.
    Merger merger(ours, result);
    std::size_t i = 0, j = 0, k = 0;
    const auto stays = [&](std::size_t at, std::size_t n) {
        return toOurs[at] == static_cast<std::int64_t>(j + n) && toTheirs[at] == static_cast<std::int64_t>(k + n);
    };
    while (i < b->size() || j < o->size() || k < t->size()) {
        if (i < b->size() && stays(i, 0)) {
            const Unit &was = (*b)[i], &mine = (*o)[j], &other = (*t)[k];
            // Unchanged on both sides, it keeps OURS's bytes, the file written.
            if (same(mine, was) && !same(other, was))
                merger.take(other);
            else if (same(other, was) || same(mine, other))
                merger.take(mine);
            else
                merger.mergeMap(was, mine, other);
            ++i, ++j, ++k;
            continue;
        }
        std::size_t ii = i;
        while (ii < b->size() && (toOurs[ii] < 0 || toTheirs[ii] < 0))
            ++ii;
        const std::size_t jj = ii < b->size() ? static_cast<std::size_t>(toOurs[ii]) : o->size();
        const std::size_t kk = ii < b->size() ? static_cast<std::size_t>(toTheirs[ii]) : t->size();
        const bool oursChanged = !sameRun(*o, j, jj, *b, i, ii);
        const bool theirsChanged = !sameRun(*t, k, kk, *b, i, ii);
        const auto takeRun = [&](const std::vector<Unit>& side, std::size_t from, std::size_t to) {
            for (std::size_t n = from; n < to; ++n)
                merger.take(side[n]);
        };
        if (!oursChanged || !theirsChanged || sameRun(*o, j, jj, *t, k, kk)) {
            takeRun(oursChanged ? *o : *t, oursChanged ? j : k, oursChanged ? jj : kk);
        } else if (i == ii) {
            takeRun(*o, j, jj);  // both put something in the same place: all of it, ours first
            takeRun(*t, k, kk);
        } else {
            // Ours stays; a map ours removed and theirs changed stays as theirs has it.
            std::string what = "line " + std::to_string(merger.nextLine()) +
                               ": ours and theirs changed the lines here differently; ours kept";
            for (std::size_t n = i; n < ii; ++n)
                if ((*b)[n].map) {
                    what = merger.mapNamed((*b)[n].header) + ": changed in ours and theirs differently; ours kept";
                    break;
                }
            merger.conflict(what);
            takeRun(*o, j, jj);
            for (std::size_t n = k; n < kk; ++n) {
                const Unit& other = (*t)[n];
                bool inBase = false, inOurs = false, changed = false;
                for (std::size_t m = i; m < ii; ++m)
                    if ((*b)[m].key == other.key) {
                        inBase = true;
                        changed = !same((*b)[m], other);
                    }
                for (std::size_t m = j; m < jj; ++m)
                    inOurs = inOurs || (*o)[m].key == other.key;
                if (other.map && inBase && !inOurs && changed) {
                    merger.conflict(merger.mapNamed(other.header) +
                                    ": deleted in ours, changed in theirs; theirs kept");
                    merger.take(other);
                }
            }
        }
        i = ii, j = jj, k = kk;
    }
    result.merged = true;
    return result;
}

std::string LevelMerge::text() const
{
    std::string all;
    for (const std::string_view piece : pieces)
        all.append(piece);
    return all;
}

}  // namespace kelmor
