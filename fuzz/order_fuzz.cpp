// Any level file and any move, insert or delete: either a refusal with
// nothing to write, or a file whose maps are the old maps in the new order
// (the blank map put in, or the deleted one gone), with every other byte
// kept.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzzinput.h"
#include "levelfile/itemreader.h"
#include "levelfile/mapload.h"
#include "levelfile/maporder.h"
#include "model/blanktemplate.h"

using namespace kelmor;

namespace {
void mustBe(bool holds)
{
    if (!holds)
        std::abort();
}

struct Map {
    std::string header;
    MapRows rows;
    int rowsRead = 0;
    bool operator==(const Map&) const = default;
};

std::vector<Map> mapsOf(std::string_view file)
{
    std::vector<Map> maps;
    MemorySource source(file);
    ItemReader reader(source, 7);
    walkMaps(
        reader,
        [&](const LoadedMap& map) {
            maps.push_back({map.header, map.rows, map.rowsRead});
        },
        [](std::int64_t, const std::string&) {});
    return maps;
}

// The common start and end of two texts cover the shorter, so it is the
// longer with one run of bytes taken out.
bool oneRunApart(std::string_view longer, std::string_view shorter)
{
    std::size_t head = 0;
    while (head < shorter.size() && longer[head] == shorter[head])
        ++head;
    std::size_t tail = 0;
    while (tail < shorter.size() - head && longer[longer.size() - 1 - tail] == shorter[shorter.size() - 1 - tail])
        ++tail;
    return head + tail == shorter.size();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const int kind = in.byte() % 3;
    const std::int64_t from = in.byte() % 8, to = in.byte() % 8;
    const std::string_view file = in.rest();
    const MapOrderChange change = kind == 0   ? MapOrderChange::move(from, to)
                                  : kind == 1 ? MapOrderChange::insert(from)
                                              : MapOrderChange::remove(from);
    const MapOrder order = changeMapOrder(file, change);
    if (order.refusal != OrderRefusal::None) {
        mustBe(order.pieces.empty() && !order.reason.empty());
        return 0;
    }
    const std::string text = order.text();
    if (order.unchanged) {
        mustBe(text == file);
        return 0;
    }
    std::vector<Map> expected = mapsOf(file);
    const auto at = expected.begin() + (from - 1);
    if (kind == 0) {
        if (to < from)
            std::rotate(expected.begin() + (to - 1), at, at + 1);
        else
            std::rotate(at, at + 1, expected.begin() + to);
        // A line end added after the old last line, at most.
        mustBe(text.size() >= file.size() && text.size() <= file.size() + 2);
    } else if (kind == 1) {
        Map blank{order.header, {}, kMapRows};
        for (int r = 0; r < kMapRows; ++r)
            blank.rows[static_cast<std::size_t>(r)] = blankTemplateRow(r);
        expected.insert(at, blank);
        mustBe(text.size() > file.size());
    } else {
        expected.erase(at);
        mustBe(text.size() < file.size() && oneRunApart(file, text));
    }
    mustBe(mapsOf(text) == expected);
    return 0;
}
