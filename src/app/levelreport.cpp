#include "app/levelreport.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "edit/placepick.h"
#include "fs/atomicwrite.h"
#include "levelfile/classify.h"
#include "levelfile/leveldiff.h"
#include "levelfile/levelmerge.h"
#include "levelfile/mapload.h"
#include "levelfile/mapsave.h"
#include "levelfile/plainmap.h"
#include "model/celldecode.h"

namespace kelmor {

void tellReadFailure(const LevelFile& level, const FileFailure& failure, std::ostream& err)
{
    err << "kelmor-edit: cannot read " << level.path();
    if (failure.step == FileStep::NotRegular)
        err << ": not a plain file\n";
    else
        err << (failure.step == FileStep::Read ? " to the end: " : ": ") << std::strerror(failure.error) << "\n";
}

namespace {

std::string_view stateOf(const LoadedMap& map)
{
    if (map.damaged())
        return "damaged";
    return map.rowsRead < kMapRows ? "cut-off" : "ok";
}

// Walks the file's maps; false, with the reason told on `err`, when it
// cannot be read to the end.
bool walk(const LevelFile& level, std::ostream& err, const std::function<void(const LoadedMap&)>& onMap,
          const std::function<void(std::int64_t, const std::string&)>& onStray, bool withRows = true)
{
    const FileFailure failure = level.walk(onMap, onStray, withRows);
    if (failure.failed())
        tellReadFailure(level, failure, err);
    return !failure.failed();
}

// Prints findings as FILE:map N:row R:column C: message.
class Findings {
public:
    Findings(std::ostream& out, const std::string& file) : out_(out), file_(file) {}

    void add(std::int64_t map, int row, int column, const std::string& message)
    {
        out_ << file_;
        if (map > 0)
            out_ << ":map " << map;
        if (row >= 0)
            out_ << ":row " << row;
        if (column >= 0)
            out_ << ":column " << column;
        out_ << ": " << message << "\n";
        ++count_;
    }
    int count() const { return count_; }

private:
    std::ostream& out_;
    const std::string& file_;
    int count_ = 0;
};

// What each byte is as a cell away from column 0: a code the catalogue
// names and a press can place (nothing to tell), or not. Asked once per byte
// value instead of once per cell.
struct CellBytes {
    std::array<bool, 256> placeable{};
    std::array<bool, 256> fine{};
};

const CellBytes& cellBytes()
{
    static const CellBytes table = [] {
        CellBytes t;
        for (std::size_t b = 0; b < 256; ++b) {
            t.placeable[b] = isPlaceableAt(static_cast<char32_t>(b), {1, 0});
            t.fine[b] = t.placeable[b] && namesCatalogueEntry(static_cast<char>(b));
        }
        return t;
    }();
    return table;
}

// Whether every cell of the row is fine: most rows of most files are.
bool allFine(const CellBytes& bytes, std::string_view row)
{
    bool fine = true;
    for (const char c : row)
        fine &= bytes.fine[static_cast<unsigned char>(c)];
    return fine && !row.empty() && isPlaceableAt(static_cast<unsigned char>(row[0]), {0, 0});
}

void checkRows(Findings& findings, const LoadedMap& map)
{
    const CellBytes& bytes = cellBytes();
    for (int r = 0; r < map.rowsRead; ++r) {
        const std::string& row = map.rows[static_cast<std::size_t>(r)];
        if (row.size() != kMapColumns && !(map.rowTooLong && row.size() == kMaxRowBytes))
            findings.add(map.mapNo, r, -1, "the row has " + std::to_string(row.size()) + " cells, not 35");
        const std::string_view cells = std::string_view(row).substr(0, kMapColumns);
        if (allFine(bytes, cells))
            continue;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const auto code = static_cast<unsigned char>(cells[c]);
            const bool unplaceable = !bytes.placeable[code] || (c == 0 && !isPlaceableAt(code, {0, r}));
            const bool known = namesCatalogueEntry(static_cast<char>(code));
            if (known && !unplaceable)
                continue;
            const std::string shown = escapeField(std::string(1, static_cast<char>(code)));
            // One finding a cell: what it names, and whether a press could put it.
            if (!known)
                findings.add(map.mapNo, r, static_cast<int>(c),
                             "code '" + shown + "' names nothing in the catalogue" +
                                 (unplaceable ? ", and the editor cannot place it" : ""));
            else
                findings.add(map.mapNo, r, static_cast<int>(c),
                             "the cell holds " + shown + ", which the editor cannot place");
        }
    }
}

}  // namespace

namespace {

// The length of the well-formed UTF-8 sequence at `at`, or 0: no overlong
// forms, no surrogates, nothing past U+10FFFF.
std::size_t utf8Length(const std::string& text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    }
    if (length == 0 || at + length > text.size() || byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF)
            return 0;
    return length;
}

void appendHex(std::string& out, unsigned char byte)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out += "\\x";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0xF];
}

}  // namespace

std::string escapeField(const std::string& text)
{
    // Most headers need nothing: printable ASCII without a backslash.
    if (std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7f && c != '\\'; }))
        return text;
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            switch (c) {
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\\': out += "\\\\"; break;
            default:
                if (c < 0x20 || c == 0x7F)
                    appendHex(out, c);  // a terminal would act on it
                else
                    out += static_cast<char>(c);
            }
            ++i;
            continue;
        }
        const std::size_t length = utf8Length(text, i);
        // A C1 control (U+0080 to U+009F) is a terminal's command as well.
        const bool control = length == 2 && c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
        if (length == 0 || control) {
            for (std::size_t k = 0; k < std::max<std::size_t>(length, 1); ++k)
                appendHex(out, static_cast<unsigned char>(text[i + k]));
            i += std::max<std::size_t>(length, 1);
        } else {
            out.append(text, i, length);
            i += length;
        }
    }
    return out;
}

int listMaps(const LevelFile& level, std::ostream& out, std::ostream& err)
{
    // One line a map, gathered and written in large pieces: on the largest
    // files the lines cost as much as reading the maps, whose rows are
    // passed over unseen (what they tell of the map's state is kept). A
    // header that needs no escape is copied as it is checked.
    constexpr std::size_t kPiece = 64 * 1024;
    constexpr std::size_t kLongestLine = 24 + 1 + 4 * kMaxHeaderBytes + 1 + 8 + 1;
    const std::unique_ptr<char[]> lines(new char[kPiece + kLongestLine]);
    std::size_t used = 0;
    const auto flush = [&] {
        out.write(lines.get(), static_cast<std::streamsize>(used));
        used = 0;
    };
    const bool read = walk(
        level, err,
        [&](const LoadedMap& map) {
            char* const start = lines.get() + used;
            char* at = std::to_chars(start, start + 24, map.mapNo).ptr;
            *at++ = '\t';
            bool plain = true;
            for (const char c : map.header) {
                plain &= c >= 0x20 && c < 0x7f && c != '\\';
                *at++ = c;
            }
            if (!plain) {
                const std::string shown = escapeField(map.header);
                at = std::copy(shown.begin(), shown.end(), at - map.header.size());
            }
            *at++ = '\t';
            const std::string_view state = stateOf(map);
            at = std::copy(state.begin(), state.end(), at);
            *at++ = '\n';
            used = static_cast<std::size_t>(at - lines.get());
            if (used > kPiece)
                flush();
        },
        [](std::int64_t, const std::string&) {}, false);
    flush();
    return read ? 0 : 2;
}

namespace {

// Whether plain rows (17 lines of 35 cells of the catalogue, no blank in
// column 0) hold nothing to tell, by the rules the findings use: then a map
// whose rows the walk found plain is not looked at again.
bool plainRowsAreFine(const CellBytes& bytes)
{
    static const bool agree = [&] {
        for (std::size_t b = 0; b < 256; ++b) {
            const bool plain = isPlainCell(static_cast<unsigned char>(b));
            if (bytes.fine[b] != plain)
                return false;
            for (int r = 0; r < kMapRows; ++r)
                if (plain && b != ' ' && !isPlaceableAt(static_cast<char32_t>(b), {0, r}))
                    return false;
        }
        return true;
    }();
    return agree;
}

// The first map of each header, by its bytes' digest: a save finds that
// one. An open table of slots, as a general hash map spends more on its
// nodes than the whole check of a plain map.
class FirstOfHeader {
public:
    // Fetches the slot where `digest` goes into the cache ahead of firstOf.
    void expect(std::uint64_t digest) const
    {
        if (!slots_.empty())
            __builtin_prefetch(&slots_[slotOf(digest)]);
    }
    // The first map whose header has this digest; `mapNo` when it is the first.
    std::int64_t firstOf(std::uint64_t digest, std::int64_t mapNo)
    {
        if ((used_ + 1) * 2 > slots_.size())
            grow();
        std::size_t at = slotOf(digest);
        for (; slots_[at].mapNo != 0; at = (at + 1) & (slots_.size() - 1))
            if (slots_[at].digest == digest)
                return slots_[at].mapNo;
        slots_[at] = {digest, mapNo};
        ++used_;
        return mapNo;
    }

private:
    struct Slot {
        std::uint64_t digest = 0;
        std::int64_t mapNo = 0;  // 0: empty, as maps count from 1
    };
    std::size_t slotOf(std::uint64_t digest) const
    {
        return static_cast<std::size_t>((digest * 0x9E3779B97F4A7C15u) >> shift_);
    }
    void grow()
    {
        std::vector<Slot> old(std::max<std::size_t>(slots_.size() * 4, 4096));
        old.swap(slots_);
        shift_ = 64 - std::countr_zero(slots_.size());
        for (const Slot& slot : old) {
            if (slot.mapNo == 0)
                continue;
            std::size_t at = slotOf(slot.digest);
            while (slots_[at].mapNo != 0)
                at = (at + 1) & (slots_.size() - 1);
            slots_[at] = slot;
        }
    }

    std::vector<Slot> slots_;
    std::size_t used_ = 0;
    int shift_ = 64;
};

}  // namespace

int checkLevel(const LevelFile& level, std::ostream& out, std::ostream& err)
{
    FileFailure failure;
    const std::unique_ptr<ByteSource> source = level.open(failure);
    if (!source) {
        tellReadFailure(level, failure, err);
        return 2;
    }
    const std::string shownAs = escapeField(level.path());
    Findings findings(out, shownAs);
    const CellBytes& bytes = cellBytes();
    FirstOfHeader firstOfHeader;
    ItemReader reader(*source);
    MapWalker walker(reader);
    // A map's header is looked up in the table while the next map is read
    // (its slot fetched meanwhile): its finding, a map's last, still comes
    // before the next map's.
    std::uint64_t lastDigest = 0;
    std::int64_t lastMap = 0;
    const auto lookUpLast = [&] {
        if (lastMap == 0)
            return;
        const std::int64_t first = firstOfHeader.firstOf(lastDigest, lastMap);
        if (first != lastMap)
            findings.add(lastMap, -1, -1,
                         "the header is the header of map " + std::to_string(first) +
                             "; a save would replace that map");
        lastMap = 0;
    };
    const auto stray = [&](std::int64_t before, const std::string& item) {
        lookUpLast();
        findings.add(before, -1, -1,
                     "the item " + escapeField(item.substr(0, 40)) + (item.size() > 40 ? "..." : "") +
                         (before > 0 ? " after the map's rows" : " before the first map") +
                         " belongs to no map (a header without \"*\"?)");
    };
    // Rows are passed over unseen, and read only when they are not plain.
    while (const LoadedMap* next = walker.next(stray, false)) {
        lookUpLast();
        const LoadedMap* map = next;
        const bool rowsRead = !(next->plainRows && plainRowsAreFine(bytes));
        if (rowsRead && (map = walker.withRows()) == nullptr) {
            tellReadFailure(level, {FileStep::Read, level.name(), source->error() != 0 ? source->error() : EIO}, err);
            return 2;
        }
        if (map->headerTooLong)
            findings.add(map->mapNo, -1, -1, "the header is over 1024 bytes; the editor does not save this map");
        if (map->rowTooLong)
            findings.add(map->mapNo, -1, -1, "a row is over 4096 bytes; the editor does not save this map");
        if (map->headerInRow >= 0)
            findings.add(map->mapNo, map->headerInRow, -1,
                         "a row holds a \"*\" and reads as a header; the editor does not save this map");
        if (map->rowsRead < kMapRows)
            findings.add(map->mapNo, -1, -1, "the map is cut off: " + std::to_string(map->rowsRead) + " of 17 rows");
        if (rowsRead)
            checkRows(findings, *map);
        if (std::any_of(map->header.begin(), map->header.end(), [](char c) { return c == ' ' || c == ','; }))
            findings.add(map->mapNo, -1, -1,
                         "the header holds a blank or a comma, which the header box removes; a save would "
                         "append a new map instead of replacing this one");
        lastDigest = fnv1a(map->header);
        lastMap = map->mapNo;
        firstOfHeader.expect(lastDigest);
    }
    lookUpLast();
    if (source->error() != 0) {
        tellReadFailure(level, {FileStep::Read, level.name(), source->error()}, err);
        return 2;
    }
    return findings.count() > 0 ? 1 : 0;
}

}  // namespace kelmor

namespace kelmor {

namespace {
std::string quoted(const std::string& text)
{
    return "\"" + escapeField(text) + "\"";
}

std::string cellShown(const std::string& code)
{
    return code.empty() ? "(none)" : escapeField(code);
}

// The file opened for reading, or null with the reason told.
std::unique_ptr<ByteSource> openTold(const LevelFile& level, std::ostream& err)
{
    FileFailure failure;
    std::unique_ptr<ByteSource> source = level.open(failure);
    if (!source)
        tellReadFailure(level, failure, err);
    return source;
}
}  // namespace

int diffLevelFiles(const LevelFile& oldLevel, const LevelFile& newLevel, std::ostream& out, std::ostream& err)
{
    const std::unique_ptr<ByteSource> was = openTold(oldLevel, err);
    const std::unique_ptr<ByteSource> now = was ? openTold(newLevel, err) : nullptr;
    if (!was || !now)
        return 2;
    const LevelDiff diff = diffLevels(*was, *now);
    for (const auto& [source, level] : {std::pair{was.get(), &oldLevel}, std::pair{now.get(), &newLevel}})
        if (source->error() != 0) {
            tellReadFailure(*level, {FileStep::Read, level->name(), source->error()}, err);
            return 2;
        }
    for (const MapChange& change : diff.maps) {
        const std::string map = "map " + std::to_string(change.newNo) + " " + quoted(change.header) + ": ";
        switch (change.kind) {
        case MapChange::Kind::Added: out << map << "added\n"; break;
        case MapChange::Kind::Removed:
            out << "old map " << change.oldNo << " " << quoted(change.header) << ": removed\n";
            break;
        case MapChange::Kind::Moved: out << map << "moved from map " << change.oldNo << "\n"; break;
        case MapChange::Kind::Renamed: out << map << "renamed from " << quoted(change.oldHeader) << "\n"; break;
        case MapChange::Kind::Changed: break;
        }
        for (const CellChange& cell : change.cells)
            out << map << "row " << cell.row << " column " << cell.column << ": " << cellShown(cell.from) << " -> "
                << cellShown(cell.to) << "\n";
    }
    for (const LineChange& line : diff.lines)
        out << "line " << line.line << ": " << (line.added ? "+ " : "- ") << quoted(line.text) << "\n";
    return diff.same() ? 0 : 1;
}

int mergeLevelFiles(const std::vector<std::string>& files, const std::string& name, FileOps& ops, std::ostream& err)
{
    // A level file the editor reads is far smaller; this bounds what is held.
    constexpr std::size_t kMostBytes = std::size_t{1} << 30;
    std::unique_ptr<FileBytes> bytes[3];
    for (std::size_t f = 0; f < 3; ++f) {
        int error = 0;
        if (!(bytes[f] = ops.wholeFile(files[f], kMostBytes, error))) {
            err << "kelmor-edit: cannot read " << files[f] << ": " << std::strerror(error) << "\n";
            return 2;
        }
    }
    const std::string_view ours = bytes[1]->bytes();
    const LevelMerge merge = mergeLevels(bytes[0]->bytes(), ours, bytes[2]->bytes());
    if (!merge.merged) {
        err << "kelmor-edit: " << name
            << ": a map does not stand on lines of its own (a header or its last row shares a line with "
               "another item), so the maps cannot be merged; nothing was changed\n";
        return 2;
    }
    FileFacts facts;
    int error = ops.inspect(files[1], facts);
    const bool unchanged =
        merge.pieces.size() == 1 && merge.pieces[0].data() == ours.data() && merge.pieces[0].size() == ours.size();
    if (error == 0 && !unchanged)
        error = writeAtomically(ops, files[1], merge.pieces, true, facts.exists ? &facts : nullptr);
    if (error != 0) {
        err << "kelmor-edit: cannot write " << files[1] << ": " << std::strerror(error) << "\n";
        return 2;
    }
    for (const std::string& conflict : merge.conflicts)
        err << escapeField(name) << ":" << escapeField(conflict) << "\n";
    return merge.conflicts.empty() ? 0 : 1;
}

int textConv(const LevelFile& level, std::ostream& out, std::ostream& err)
{
    const std::unique_ptr<ByteSource> source = openTold(level, err);
    if (!source)
        return 2;
    ItemReader reader(*source);
    MapWalker walker(reader);
    const auto stray = [&](std::int64_t, const std::string& item) { out << escapeField(item) << "\n"; };
    while (const LoadedMap* map = walker.next(stray)) {
        const std::string header = escapeField(map->header);
        out << header << "\n";
        for (int r = 0; r < map->rowsRead; ++r)
            out << header << (r < 10 ? " 0" : " ") << r << " |" << escapeField(map->rows[static_cast<std::size_t>(r)])
                << "|\n";
        out << "\n";
    }
    if (source->error() != 0) {
        tellReadFailure(level, {FileStep::Read, level.name(), source->error()}, err);
        return 2;
    }
    return 0;
}

}  // namespace kelmor
