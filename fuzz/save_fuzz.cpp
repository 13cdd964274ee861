// Saving a map into arbitrary bytes: the new file is exactly what the old
// file's items give, and reads back as exactly those items (quoted where they
// need it); the saved map is then found by its number with exactly the saved
// rows, and the maps before it keep their headers and rows.
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzzinput.h"
#include "levelfile/mapload.h"
#include "levelfile/mapsave.h"
#include "levelfile/savelevel.h"

using namespace kelmor;

namespace {
class StringSink final : public ByteSink {
public:
    void append(std::string_view bytes) override { text.append(bytes); }
    bool ok() const override { return true; }
    std::string text;
};

std::vector<std::string> itemsOf(std::string_view file)
{
    MemorySource source(file);
    ItemReader reader(source, 7);
    std::vector<std::string> items;
    std::string item;
    while (!reader.atEnd()) {
        reader.readInto(item);
        items.push_back(item);
    }
    return items;
}

// A row the level file can hold: no comma, quote, star or line end; no
// leading blank.
std::string cleanRow(std::string_view raw)
{
    std::string row;
    for (char c : raw)
        if (c != ',' && c != '"' && c != '*' && c != '\r' && c != '\n')
            row += c;
    while (!row.empty() && row.front() == ' ')
        row.erase(0, 1);
    return row;
}

// A row as loading may give it: from quotes it may hold commas and line
// ends and begin with a blank; never a quote or a star.
std::string anyRow(std::string_view raw)
{
    std::string row;
    for (char c : raw)
        if (c != '"' && c != '*')
            row += c;
    return row;
}

std::string save(std::string_view file, const std::string& header, const MapRows& rows)
{
    MemorySource source(file);
    ItemReader reader(source, 5);
    StringSink sink;
    writeLevelWithMap(reader, sink, header, rows);
    return sink.text;
}
}  // namespace

bool plain(const std::string& item)
{
    return item.find_first_of(",\r\n") == std::string::npos &&
           (item.empty() || (item.front() != ' ' && item.front() != '"'));
}

// How the editor writes an item so that it reads back as itself (an item
// quoted in the old file and too long to hold is quoted whatever it holds;
// inputs here stay far below that length).
std::string written(const std::string& item)
{
    return plain(item) ? item : "\"" + item + "\"";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    std::string header = "*" + cleanRow(in.piece());
    MapRows rows;
    for (std::string& row : rows)
        row = anyRow(in.piece());
    const std::string_view old = in.rest();
    if (headerProblem(header) != HeaderProblem::None)
        return 0;

    const std::string saved = save(old, header, rows);

    // The whole new file follows from the old file's items.
    const std::vector<std::string> before = itemsOf(old);
    std::size_t k = 0;
    while (k < before.size() && before[k] != header)
        ++k;
    std::string expected;
    std::vector<std::string> expectedItems;
    auto line = [&](const std::string& item) {
        expected += written(item) + "\r\n";
        expectedItems.push_back(item);
    };
    // Where maps start, as loading finds them, and how many rows the last
    // one lacks.
    std::vector<std::size_t> heads;
    std::size_t lastLacks = 0;
    for (std::size_t idx = 0; idx < before.size();) {
        if (before[idx].find('*') == std::string::npos) {
            ++idx;
            continue;
        }
        heads.push_back(idx);
        lastLacks = idx + 18 > before.size() ? idx + 18 - before.size() : 0;
        idx += 18;
    }
    const bool replace = k < before.size();
    for (std::size_t i = 0; i < std::min(k + 1, before.size()); ++i)
        line(before[i]);
    if (!replace) {
        // A last map cut off is completed with empty rows first.
        for (std::size_t i = 0; i < lastLacks; ++i)
            line("");
        line("");
        line(header);
        for (const std::string& row : rows)
            line(row);
    } else {
        for (const std::string& row : rows)
            line(row);
        line("");
        std::size_t j = k + 1;
        while (j < before.size() && before[j].find('*') == std::string::npos)
            ++j;
        for (; j < before.size(); ++j)
            line(before[j]);
    }
    if (saved != expected || itemsOf(saved) != expectedItems)
        std::abort();

    // The saved map is found by its number with exactly its rows, and the maps
    // before it are unchanged (an appended map also after a cut-off last
    // map); unless the header took the place of a row, as the format has it.
    std::int64_t savedNo = 0;
    if (replace) {
        for (std::size_t i = 0; i < heads.size(); ++i)
            if (heads[i] == k)
                savedNo = static_cast<std::int64_t>(i) + 1;
    } else {
        savedNo = static_cast<std::int64_t>(heads.size()) + 1;
    }
    if (savedNo == 0 || savedNo > 60)
        return 0;
    // Longer than loading holds: the map reads back cut, as it should.
    if (header.size() > kMaxHeaderBytes)
        return 0;
    for (const std::string& row : rows)
        if (row.size() > kMaxRowBytes)
            return 0;
    for (std::int64_t n = 1; n <= savedNo; ++n) {
        MemorySource b(saved);
        ItemReader rb(b);
        const LoadedMap now = loadMap(rb, n);
        if (now.mapNo != n)
            std::abort();
        if (n == savedNo) {
            if (now.header != header || now.rows != rows)
                std::abort();
            break;
        }
        MemorySource a(old);
        ItemReader ra(a);
        const LoadedMap was = loadMap(ra, n);
        if (now.header != was.header || now.rows != was.rows)
            std::abort();
    }
    return 0;
}
