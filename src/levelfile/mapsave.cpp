#include "levelfile/mapsave.h"

#include <algorithm>
#include <string>

namespace kelmor {

namespace {
constexpr std::string_view kLineEnd = "\r\n";

void writeLine(ByteSink& out, std::string_view text)
{
    out.append(text);
    out.append(kLineEnd);
}

// An item that would not read back as itself when written as it stands: it
// holds a comma or a line end, or begins with a blank or a double quote.
bool needsQuotes(std::string_view item)
{
    return !item.empty() &&
           (item.front() == ' ' || item.front() == '"' || item.find_first_of(",\r\n") != std::string_view::npos);
}

// The map's own rows go by the rule every other item goes by: a row read
// from quotes (a comma in it, a leading blank) keeps them, or it would split
// or lose its blank and shift the map.
void writeRows(ByteSink& out, const MapRows& rows)
{
    for (const std::string& row : rows) {
        if (needsQuotes(row)) {
            out.append("\"");
            out.append(row);
            out.append("\"");
            out.append(kLineEnd);
        } else {
            writeLine(out, row);
        }
    }
}

// Writes an item that was quoted in the old file, in quotes again where it
// needs them. A long one goes out in quotes without waiting for its end:
// quotes never hurt an item that holds none itself, and a quoted item never
// does.
class QuotedItemSink {
public:
    explicit QuotedItemSink(ByteSink& out) : out_(out) {}
    void operator()(std::string_view part)
    {
        if (!streaming_ && held_.size() + part.size() <= kHold) {
            held_.append(part);
            return;
        }
        if (!streaming_) {
            out_.append("\"");
            out_.append(held_);
            held_.clear();
            streaming_ = true;
        }
        out_.append(part);
    }
    void finish()
    {
        const bool quotes = streaming_ || needsQuotes(held_);
        if (quotes && !streaming_)
            out_.append("\"");
        out_.append(held_);
        if (quotes)
            out_.append("\"");
        out_.append(kLineEnd);
    }

private:
    static constexpr std::size_t kHold = 64 * 1024;
    ByteSink& out_;
    std::string held_;
    bool streaming_ = false;
};

// Copies one item to `out` as a line, so that it reads back as the same item,
// and passes each of its pieces to `look` as well.
template <class Look>
ItemInfo copyItem(ItemReader& in, ByteSink& out, Look&& look)
{
    if (in.nextIsQuoted()) {
        QuotedItemSink quoted(out);
        const ItemInfo info = in.read([&](std::string_view part) {
            look(part);
            quoted(part);
        });
        quoted.finish();
        return info;
    }
    const ItemInfo info = in.read([&](std::string_view part) {
        look(part);
        out.append(part);
    });
    out.append(kLineEnd);
    return info;
}

// Numbers maps as loading does: an item with a "*" heads a map, unless it is
// one of the 17 rows of the map before it.
struct MapCounter {
    std::int64_t maps = 0;
    std::size_t rowsLeft = 0;

    void passRows(std::size_t items) { rowsLeft -= std::min(rowsLeft, items); }
    // The number of the map that an item seen now heads or belongs to.
    std::int64_t numberHere() const { return rowsLeft > 0 ? maps : maps + 1; }
    void pass(bool hasStar)
    {
        if (rowsLeft > 0) {
            --rowsLeft;
        } else if (hasStar) {
            ++maps;
            rowsLeft = kMapRows;
        }
    }
};

// Copies one item to `out` as a line and tells whether it equals `header`,
// keeping no more of it than the comparison needs.
ItemInfo copyItemComparing(ItemReader& in, ByteSink& out, std::string_view header, std::string& head, bool& equal)
{
    head.clear();
    const ItemInfo info = copyItem(in, out, [&](std::string_view part) {
        if (head.size() <= header.size())
            head.append(part.substr(0, header.size() + 1 - head.size()));
    });
    equal = info.size == header.size() && head == header;
    return info;
}

// Copies the old file up to and including the first item equal to `header`;
// true when there is one, `maps` then telling its number.
bool copyThroughHeader(ItemReader& old, ByteSink& out, std::string_view header, MapCounter& maps)
{
    auto copy = [&](std::string_view part) {
        out.append(part);
        maps.passRows(static_cast<std::size_t>(std::count(part.begin(), part.end(), '\n')));
    };
    std::string head;
    while (out.ok() && !old.atEnd()) {
        // Only an item with a "*" can equal the header; runs without one that
        // are already one item a line go across as they stand.
        if (old.copyPlainLines(copy, true))
            continue;
        bool equal = false;
        const ItemInfo info = copyItemComparing(old, out, header, head, equal);
        if (equal)
            return true;
        maps.pass(info.hasStar);
    }
    return false;
}

// Drops the old rows: every item up to the next header, which is copied. The
// first 17 dropped go into `digest`, as loading would have read them as the
// map's rows. Nothing is held: once an item turns out to hold a "*", the
// reader goes back to its start to copy it.
void skipOldRows(ItemReader& old, ByteSink& out, RowsDigest& digest)
{
    for (int rows = 0; out.ok() && !old.atEnd(); ++rows) {
        const std::uint64_t at = old.offset();
        const bool isRow = rows < kMapRows;
        const ItemInfo info = old.read([&](std::string_view part) {
            if (isRow)
                digest.feed(part);
        });
        if (!info.hasStar) {
            if (isRow)
                digest.endRow();
            continue;
        }
        if (old.seek(at)) {
            copyItem(old, out, [](std::string_view) {});
            return;
        }
        // Saving reads from files and memory, which go back; only a failed
        // read stops that, and the save then fails as a whole.
        return;
    }
}

void copyRest(ItemReader& old, ByteSink& out)
{
    auto copy = [&out](std::string_view part) { out.append(part); };
    while (out.ok() && !old.atEnd()) {
        if (old.copyPlainLines(copy, false))
            continue;
        copyItem(old, out, [](std::string_view) {});
    }
}
}  // namespace

ByteSink::~ByteSink() = default;

void RowsDigest::feed(std::string_view piece)
{
    // FNV-1a over the row, then its length, so that rows never run together.
    value_ = fnv1a(piece, value_);
    rowLength_ += piece.size();
}

std::uint64_t RowsDigest::of(const MapRows& rows, int count)
{
    RowsDigest digest;
    for (int r = 0; r < count; ++r)
        digest.add(rows[static_cast<std::size_t>(r)]);
    return digest.value();
}

void RowsDigest::endRow()
{
    value_ = (value_ ^ (rowLength_ + 1)) * kFnvPrime;
    rowLength_ = 0;
}

WrittenMap writeLevelWithMap(ItemReader& old, ByteSink& out, std::string_view header, const MapRows& rows)
{
    WrittenMap written;
    MapCounter maps;
    // An equal item that is the file's very last one heads the map as well:
    // its rows follow it, the header is not written a second time.
    if (!copyThroughHeader(old, out, header, maps)) {
        // A last map cut off would take the appended map for its rows: its
        // missing rows are written first, empty, as loading shows them.
        for (std::size_t missing = maps.rowsLeft; missing > 0; --missing)
            writeLine(out, "");
        writeLine(out, "");
        writeLine(out, header);
        writeRows(out, rows);
        written.mapNo = maps.maps + 1;
        return written;
    }
    written.place = SavePlace::Replaced;
    written.mapNo = maps.numberHere();
    writeRows(out, rows);
    writeLine(out, "");
    RowsDigest digest;
    skipOldRows(old, out, digest);
    written.oldRows = digest.value();
    copyRest(old, out);
    return written;
}

}  // namespace kelmor
