// Any three level files merged: what one side alone changed is that side to
// the byte (merge(B, X, B) = X, merge(B, B, X) = X, merge(B, X, X) = X), and
// any merge of all three is read as a level file is, map by map, without a
// fault on the way.
#include <cstdlib>
#include <string>

#include "fuzzinput.h"
#include "levelfile/itemreader.h"
#include "levelfile/levelmerge.h"
#include "levelfile/mapload.h"

using namespace kelmor;

namespace {
void mustBe(bool holds)
{
    if (!holds)
        std::abort();
}

void readMaps(std::string_view file)
{
    MemorySource source(file);
    ItemReader reader(source, 7);
    walkMaps(
        reader, [](const LoadedMap&) {}, [](std::int64_t, const std::string&) {});
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const std::string_view base = in.piece(), x = in.piece(), y = in.rest();

    for (const std::string_view side : {x, y})
        for (const int law : {0, 1, 2}) {
            const LevelMerge m = law == 0   ? mergeLevels(base, side, base)
                                 : law == 1 ? mergeLevels(base, base, side)
                                            : mergeLevels(base, side, side);
            mustBe(m.merged && m.text() == side && m.conflicts.empty());
        }
    const LevelMerge m = mergeLevels(base, x, y);
    mustBe(m.merged || (m.pieces.empty() && m.conflicts.empty()));
    readMaps(m.text());
    return 0;
}
