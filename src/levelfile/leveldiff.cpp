#include "levelfile/leveldiff.h"

#include <algorithm>
#include <map>

#include "levelfile/itemreader.h"
#include "levelfile/mapload.h"
#include "levelfile/mapsave.h"

namespace kelmor {

namespace {

// What the alignment needs of a file: each map's header, a digest of its
// rows and its place, and the items outside every map; never its rows.
struct Outline {
    std::vector<std::string> headers;
    std::vector<std::uint64_t> rows;
    std::vector<std::uint64_t> offsets;
    std::vector<std::string> strays;
    std::vector<std::uint64_t> strayOffsets;
};

Outline outline(ByteSource& file)
{
    Outline o;
    ItemReader reader(file);
    MapWalker walker(reader);
    const auto stray = [&](std::int64_t, const std::string& item) {
        o.strays.push_back(item);
        o.strayOffsets.push_back(walker.itemOffset());
    };
    while (const LoadedMap* map = walker.next(stray)) {
        o.headers.push_back(map->header);
        // All 17 rows, as the editor shows a map: rows a cut-off map lacks
        // are empty, as the ones that complete it are.
        o.rows.push_back(RowsDigest::of(map->rows, kMapRows));
        o.offsets.push_back(map->offset);
    }
    return o;
}

// The line (from 1) each offset stands on, the offsets ascending; line ends
// as items end: CR LF, LF or CR alone.
std::vector<std::int64_t> linesAt(ByteSource& file, const std::vector<std::uint64_t>& offsets)
{
    std::vector<std::int64_t> lines;
    if (offsets.empty() || !file.seek(0))
        return std::vector<std::int64_t>(offsets.size(), 0);
    std::vector<char> buffer(64 * 1024);
    std::int64_t line = 1;
    std::uint64_t at = 0;
    char previous = 0;
    while (lines.size() < offsets.size()) {
        const std::size_t got = file.read(buffer.data(), buffer.size());
        if (got == 0)
            break;
        for (std::size_t i = 0; i < got; ++i, ++at) {
            while (lines.size() < offsets.size() && offsets[lines.size()] == at)
                lines.push_back(line);
            const char c = buffer[i];
            if (c == '\r' || (c == '\n' && previous != '\r'))
                ++line;
            previous = c;
        }
    }
    lines.resize(offsets.size(), line);
    return lines;
}

std::vector<std::string_view> viewsOf(const std::vector<std::string>& texts)
{
    return {texts.begin(), texts.end()};
}

// The cells in which two maps' rows differ.
std::vector<CellChange> cellChanges(const MapRows& from, const MapRows& to)
{
    std::vector<CellChange> cells;
    for (int r = 0; r < kMapRows; ++r) {
        const std::string& a = from[static_cast<std::size_t>(r)];
        const std::string& b = to[static_cast<std::size_t>(r)];
        for (std::size_t c = 0; c < std::max(a.size(), b.size()); ++c) {
            const std::string x = c < a.size() ? std::string(1, a[c]) : std::string();
            const std::string y = c < b.size() ? std::string(1, b[c]) : std::string();
            if (x != y)
                cells.push_back({r, static_cast<int>(c), x, y});
        }
    }
    return cells;
}

}  // namespace

std::vector<Edit> editScript(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b,
                             int mostEdits)
{
    // What both begin and end with needs no search.
    std::size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    std::size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    const auto n = static_cast<std::int64_t>(a.size() - head - tail);
    const auto m = static_cast<std::int64_t>(b.size() - head - tail);
    const auto same = [&](std::int64_t x, std::int64_t y) {
        return a[head + static_cast<std::size_t>(x)] == b[head + static_cast<std::size_t>(y)];
    };

    // Myers' search for the fewest drops and adds, each round's furthest
    // reach kept for the way back (rounds are few where files are alike).
    std::vector<Edit> middle;
    const std::int64_t most = std::min<std::int64_t>(n + m, mostEdits);
    std::vector<std::int64_t> reach(static_cast<std::size_t>(2 * most + 3), 0);
    const auto at = [&](std::vector<std::int64_t>& v, std::int64_t k) -> std::int64_t& {
        return v[static_cast<std::size_t>(k + most + 1)];
    };
    std::vector<std::vector<std::int64_t>> rounds;
    bool found = n == 0 && m == 0;
    for (std::int64_t d = 0; d <= most && !found; ++d) {
        rounds.push_back(reach);
        for (std::int64_t k = -d; k <= d; k += 2) {
            std::int64_t x =
                k == -d || (k != d && at(reach, k - 1) < at(reach, k + 1)) ? at(reach, k + 1) : at(reach, k - 1) + 1;
            std::int64_t y = x - k;
            while (x < n && y < m && same(x, y))
                ++x, ++y;
            at(reach, k) = x;
            if (x >= n && y >= m) {
                found = true;
                break;
            }
        }
    }
    if (!found) {
        middle.assign(static_cast<std::size_t>(n), Edit::Drop);
        middle.insert(middle.end(), static_cast<std::size_t>(m), Edit::Add);
    } else {
        std::int64_t x = n, y = m;
        for (auto d = static_cast<std::int64_t>(rounds.size()) - 1; d >= 0 && (x > 0 || y > 0); --d) {
            std::vector<std::int64_t>& v = rounds[static_cast<std::size_t>(d)];
            const std::int64_t k = x - y;
            const std::int64_t from = k == -d || (k != d && at(v, k - 1) < at(v, k + 1)) ? k + 1 : k - 1;
            const std::int64_t fromX = at(v, from), fromY = fromX - from;
            for (; x > fromX && y > fromY; --x, --y)
                middle.push_back(Edit::Keep);
            if (d > 0)
                middle.push_back(x == fromX ? Edit::Add : Edit::Drop);
            x = fromX, y = fromY;
        }
        std::reverse(middle.begin(), middle.end());
    }
    std::vector<Edit> script(head, Edit::Keep);
    script.insert(script.end(), middle.begin(), middle.end());
    script.insert(script.end(), tail, Edit::Keep);
    return script;
}

Alignment align(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b,
                const std::function<bool(std::size_t inA, std::size_t inB)>& renamed)
{
    Alignment result{editScript(a, b), std::vector<std::int64_t>(a.size(), -1)};
    std::vector<std::size_t> dropped, added;
    const auto pairRun = [&] {
        for (std::size_t k = 0; k < std::min(dropped.size(), added.size()); ++k)
            if (renamed(dropped[k], added[k]))
                result.partner[dropped[k]] = static_cast<std::int64_t>(added[k]);
        dropped.clear();
        added.clear();
    };
    std::size_t i = 0, j = 0;
    for (const Edit e : result.script) {
        if (e == Edit::Keep) {
            pairRun();
            result.partner[i++] = static_cast<std::int64_t>(j++);
        } else if (e == Edit::Drop) {
            dropped.push_back(i++);
        } else {
            added.push_back(j++);
        }
    }
    pairRun();
    return result;
}

LevelDiff diffLevels(ByteSource& oldFile, ByteSource& newFile)
{
    LevelDiff diff;
    const Outline was = outline(oldFile);
    const Outline now = outline(newFile);
    if (oldFile.error() != 0 || newFile.error() != 0)
        return diff;
    ItemReader oldRows(oldFile, 4096), newRows(newFile, 4096);
    const auto rowsOf = [](ItemReader& reader, const Outline& o, std::size_t i) {
        return loadMapAt(reader, o.offsets[i], static_cast<std::int64_t>(i) + 1).rows;
    };
    const auto number = [](std::size_t i) { return static_cast<std::int64_t>(i) + 1; };

    // The maps the alignment leaves over, paired where they can be: the same
    // rows at the same place of one run of changes under another header is
    // a rename; the same header elsewhere is a move.
    const Alignment aligned = align(viewsOf(was.headers), viewsOf(now.headers),
                                    [&](std::size_t o, std::size_t n) { return was.rows[o] == now.rows[n]; });
    const std::vector<Edit>& script = aligned.script;
    std::vector<std::int64_t> oldPartner = aligned.partner, newPartner(now.headers.size(), -1);
    std::vector<bool> renamed(now.headers.size(), false);
    {
        for (std::size_t o = 0; o < oldPartner.size(); ++o)
            if (const std::int64_t n = oldPartner[o]; n >= 0) {
                newPartner[static_cast<std::size_t>(n)] = static_cast<std::int64_t>(o);
                renamed[static_cast<std::size_t>(n)] = was.headers[o] != now.headers[static_cast<std::size_t>(n)];
            }
        std::multimap<std::string, std::size_t> unpaired;
        for (std::size_t o = 0; o < was.headers.size(); ++o)
            if (oldPartner[o] < 0)
                unpaired.emplace(was.headers[o], o);
        for (std::size_t n = 0; n < now.headers.size(); ++n) {
            if (newPartner[n] >= 0)
                continue;
            if (const auto found = unpaired.find(now.headers[n]); found != unpaired.end()) {
                oldPartner[found->second] = static_cast<std::int64_t>(n);
                newPartner[n] = static_cast<std::int64_t>(found->second);
                unpaired.erase(found);
            }
        }
    }

    // Told in the new file's order, a removed map where it stood.
    std::size_t i = 0, j = 0;
    for (const Edit e : script) {
        if (e == Edit::Drop || e == Edit::Keep) {
            if (oldPartner[i] < 0)
                diff.maps.push_back({MapChange::Kind::Removed, number(i), 0, {}, was.headers[i], {}});
            ++i;
        }
        if (e == Edit::Drop)
            continue;
        const std::int64_t partner = newPartner[j];
        MapChange change{MapChange::Kind::Changed, partner + 1, number(j), {}, now.headers[j], {}};
        if (partner < 0) {
            change.kind = MapChange::Kind::Added;
            change.oldNo = 0;
        } else {
            const auto p = static_cast<std::size_t>(partner);
            change.oldHeader = was.headers[p];
            if (renamed[j])
                change.kind = MapChange::Kind::Renamed;
            else if (e == Edit::Add)
                change.kind = MapChange::Kind::Moved;
            if (was.rows[p] != now.rows[j])
                change.cells = cellChanges(rowsOf(oldRows, was, p), rowsOf(newRows, now, j));
        }
        if (change.kind != MapChange::Kind::Changed || !change.cells.empty())
            diff.maps.push_back(std::move(change));
        ++j;
    }

    // The items outside maps, as lines of a diff.
    const std::vector<Edit> strays = editScript(viewsOf(was.strays), viewsOf(now.strays));
    std::vector<std::uint64_t> droppedAt, addedAt;
    std::size_t s = 0, t = 0;
    for (const Edit e : strays) {
        if (e == Edit::Drop)
            droppedAt.push_back(was.strayOffsets[s]);
        if (e == Edit::Add)
            addedAt.push_back(now.strayOffsets[t]);
        s += e != Edit::Add ? 1 : 0;
        t += e != Edit::Drop ? 1 : 0;
    }
    const std::vector<std::int64_t> oldLines = linesAt(oldFile, droppedAt);
    const std::vector<std::int64_t> newLines = linesAt(newFile, addedAt);
    std::size_t d = 0, a = 0;
    s = t = 0;
    for (const Edit e : strays) {
        if (e == Edit::Drop)
            diff.lines.push_back({false, oldLines[d++], was.strays[s]});
        if (e == Edit::Add)
            diff.lines.push_back({true, newLines[a++], now.strays[t]});
        s += e != Edit::Add ? 1 : 0;
        t += e != Edit::Drop ? 1 : 0;
    }
    return diff;
}

}  // namespace kelmor
