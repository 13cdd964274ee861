#include "levelfile/mapsave.h"

#include <string>

namespace kelmor {

namespace {
constexpr std::string_view kLineEnd = "\r\n";

void writeLine(ByteSink& out, std::string_view text)
{
    out.append(text);
    out.append(kLineEnd);
}

void writeRows(ByteSink& out, const MapRows& rows)
{
    for (const std::string& row : rows)
        writeLine(out, row);
}

// Copies one item to `out` as a line and tells whether it equals `header`,
// keeping no more of it than the comparison needs.
bool copyItemComparing(ItemReader& in, ByteSink& out, std::string_view header, std::string& head)
{
    head.clear();
    const ItemInfo info = in.read([&](std::string_view part) {
        if (head.size() <= header.size())
            head.append(part.substr(0, header.size() + 1 - head.size()));
        out.append(part);
    });
    out.append(kLineEnd);
    return info.size == header.size() && head == header;
}

// Copies the old file up to and including the first item equal to `header`;
// true when there is one.
bool copyThroughHeader(ItemReader& old, ByteSink& out, std::string_view header)
{
    auto copy = [&out](std::string_view part) { out.append(part); };
    std::string head;
    while (out.ok() && !old.atEnd()) {
        // Only an item with a "*" can equal the header; runs without one that
        // are already one item a line go across as they stand.
        if (old.copyPlainLines(copy, true))
            continue;
        if (copyItemComparing(old, out, header, head))
            return true;
    }
    return false;
}

// Drops the old rows: every item up to the next header. That header is
// copied; until a "*" shows up an item might still be dropped, so only that
// part of it is held.
void skipOldRows(ItemReader& old, ByteSink& out)
{
    std::string pending;
    while (out.ok() && !old.atEnd()) {
        pending.clear();
        bool streaming = false;
        old.read([&](std::string_view part) {
            if (streaming) {
                out.append(part);
                return;
            }
            pending.append(part);
            if (part.find('*') != std::string_view::npos) {
                streaming = true;
                out.append(pending);
            }
        });
        if (streaming) {
            out.append(kLineEnd);
            return;
        }
    }
}

void copyRest(ItemReader& old, ByteSink& out)
{
    auto copy = [&out](std::string_view part) { out.append(part); };
    while (out.ok() && !old.atEnd()) {
        if (old.copyPlainLines(copy, false))
            continue;
        old.read(copy);
        out.append(kLineEnd);
    }
}
}  // namespace

ByteSink::~ByteSink() = default;

SavePlace writeLevelWithMap(ItemReader& old, ByteSink& out, std::string_view header,
                            const MapRows& rows)
{
    const bool found = copyThroughHeader(old, out, header);
    // An equal item that is the file's very last one still leads to an append,
    // as it always has: there are no old rows to replace.
    if (!found || old.atEnd()) {
        writeLine(out, "");
        writeLine(out, header);
        writeRows(out, rows);
        return SavePlace::Appended;
    }
    writeRows(out, rows);
    writeLine(out, "");
    skipOldRows(old, out);
    copyRest(old, out);
    return SavePlace::Replaced;
}

}  // namespace kelmor
