#include "app/levelreport.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <unordered_map>

#include "edit/placepick.h"
#include "fs/atomicwrite.h"
#include "levelfile/leveldiff.h"
#include "levelfile/levelmerge.h"
#include "levelfile/mapload.h"
#include "levelfile/mapsave.h"
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

const char* stateOf(const LoadedMap& map)
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
    // files the lines cost more than reading the maps, whose rows are passed
    // over unseen (what they tell of the map's state is kept).
    std::string lines;
    const auto flush = [&] {
        out.write(lines.data(), static_cast<std::streamsize>(lines.size()));
        lines.clear();
    };
    const bool read = walk(
        level, err,
        [&](const LoadedMap& map) {
            char number[24];
            const auto end = std::to_chars(number, number + sizeof number, map.mapNo).ptr;
            lines.append(number, end);
            lines += '\t';
            lines += escapeField(map.header);
            lines += '\t';
            lines += stateOf(map);
            lines += '\n';
            if (lines.size() > 64 * 1024)
                flush();
        },
        [](std::int64_t, const std::string&) {}, false);
    flush();
    return read ? 0 : 2;
}

namespace {

// The rows, passed over unseen, stand one to a line as the editor writes
// them (35 cells, then CR LF or LF), and every cell is fine: no row of the
// map has anything to tell. The usual case, so it is checked on the bytes
// as they lie in the reader's buffer, sixteen and more at a time.
bool plainAndFine(const CellBytes& bytes, std::string_view rows)
{
    static const bool rangesAgree = [&] {
        for (int b = 0; b < 256; ++b)
            if (bytes.fine[static_cast<std::size_t>(b)] !=
                ((b >= '0' && b <= '9') || (b >= 'A' && b <= 'X') || b == ' '))
                return false;
        return true;
    }();
    // Every row a line of the same length: 35 cells and CR LF, or LF.
    const std::size_t line = rows.size() / kMapRows;
    if (!rangesAgree || (line != kMapColumns + 1 && line != kMapColumns + 2) || rows.size() != line * kMapRows)
        return false;
    const bool crlf = line == kMapColumns + 2;
    for (std::size_t r = 0; r < kMapRows; ++r) {
        const std::string_view at = rows.substr(r * line);
        if (at[0] == ' ' || at[kMapColumns] != (crlf ? '\r' : '\n') || (crlf && at[kMapColumns + 1] != '\n'))
            return false;
    }
    // One pass over all the bytes in two small sums, so that the compiler
    // does it sixteen bytes at a time: the bytes that are no digit and no
    // letter from A to X are blanks and the line ends found above, no more.
    std::uint16_t others = 0, blanks = 0;
    for (const char c : rows) {
        const auto b = static_cast<std::uint8_t>(c);
        others = static_cast<std::uint16_t>(
            others + (static_cast<std::uint8_t>(b - '0') >= 10 && static_cast<std::uint8_t>(b - 'A') >= 24));
        blanks = static_cast<std::uint16_t>(blanks + (b == ' '));
    }
    return others - blanks == static_cast<int>(rows.size() - kMapRows * kMapColumns);
}

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
    // The first map of each header, by its bytes' digest: a save finds that one.
    std::unordered_map<std::uint64_t, std::int64_t> firstOfHeader;
    ItemReader reader(*source);
    MapWalker walker(reader);
    const auto stray = [&](std::int64_t before, const std::string& item) {
        findings.add(before, -1, -1,
                     "the item " + escapeField(item.substr(0, 40)) + (item.size() > 40 ? "..." : "") +
                         (before > 0 ? " after the map's rows" : " before the first map") +
                         " belongs to no map (a header without \"*\"?)");
    };
    // Rows are passed over unseen, and read only when their bytes are not
    // plainly fine.
    while (const LoadedMap* next = walker.next(stray, false)) {
        const LoadedMap* map = next;
        const bool rowsRead = !plainAndFine(bytes, next->rowBytes);
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
        if (map->header.find_first_of(" ,") != std::string::npos)
            findings.add(map->mapNo, -1, -1,
                         "the header holds a blank or a comma, which the header box removes; a save would "
                         "append a new map instead of replacing this one");
        const auto [first, added] = firstOfHeader.emplace(fnv1a(map->header), map->mapNo);
        if (!added)
            findings.add(map->mapNo, -1, -1,
                         "the header is the header of map " + std::to_string(first->second) +
                             "; a save would replace that map");
    }
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
