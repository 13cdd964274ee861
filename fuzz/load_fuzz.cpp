// Loading any map number of arbitrary bytes: the same result whatever the
// reader's buffer size, nothing read past the end, and a result that fits;
// the last map in one pass is the count followed by loading that map; a walk
// with the rows passed over tells what a walk reading them does, and each
// map read again from its place is the map walked.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "fuzzinput.h"
#include "levelfile/mapcount.h"
#include "levelfile/mapload.h"

using namespace kelmor;

namespace {
// Fails the run if the reader asks for more after the source said "end".
class StrictSource final : public ByteSource {
public:
    explicit StrictSource(std::string_view bytes) : bytes_(bytes) {}
    std::size_t read(char* buffer, std::size_t size) override
    {
        if (ended_)
            std::abort();  // read past the end
        const std::size_t n = std::min(size, bytes_.size());
        std::copy_n(bytes_.data(), n, buffer);
        bytes_.remove_prefix(n);
        ended_ = n == 0;
        return n;
    }

private:
    std::string_view bytes_;
    bool ended_ = false;
};

LoadedMap load(std::string_view file, std::int64_t wanted, std::size_t buffer)
{
    StrictSource source(file);
    ItemReader reader(source, buffer);
    return loadMap(reader, wanted);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const std::int64_t wanted = in.byte() % 40;
    const std::size_t buffer = 1 + in.byte() % 16;
    const std::string_view file = in.rest();

    const LoadedMap a = load(file, wanted, buffer);
    const LoadedMap b = load(file, wanted, 1 << 16);
    // A source that can seek lets the loader go back instead of keeping maps:
    // the result must not change.
    MemorySource memory(file);
    ItemReader seeking(memory, buffer);
    const LoadedMap c = loadMap(seeking, wanted);
    auto same = [](const LoadedMap& x, const LoadedMap& y) {
        return x.mapNo == y.mapNo && x.found == y.found && x.header == y.header && x.rows == y.rows &&
               x.rowsRead == y.rowsRead && x.headerTooLong == y.headerTooLong && x.rowTooLong == y.rowTooLong &&
               x.headerInRow == y.headerInRow;
    };
    if (!same(a, c) || !same(a, b))
        std::abort();
    // A header cut at the limit may have lost its "*" with the rest.
    if (a.found && ((!a.headerTooLong && a.header.find('*') == std::string::npos) || a.rowsRead < 0 ||
                    a.rowsRead > 17 || a.header.size() > kMaxHeaderBytes))
        std::abort();
    for (const std::string& row : a.rows)
        if (row.size() > kMaxRowBytes)
            std::abort();
    if (!a.found && a.mapNo != 0)
        std::abort();
    std::size_t kept = a.header.size();
    for (const std::string& row : a.rows)
        kept += row.size();
    if (kept > file.size())
        std::abort();

    // Loading a number past the end lands on the last map, which counting agrees with.
    StrictSource source(file);
    ItemReader reader(source, buffer);
    const std::int64_t maps = countMapsSkippingRows(reader);
    const LoadedMap last = load(file, maps + 1, buffer);
    if (last.mapNo != maps)
        std::abort();
    // The last map in one pass is exactly the count, then loading that map,
    // damaged files included, from either kind of source.
    const LoadedMap counted = load(file, maps, buffer);
    StrictSource once(file);
    ItemReader onePass(once, buffer);
    MemorySource memoryOnce(file);
    ItemReader onePassSeeking(memoryOnce, buffer);
    if (!same(loadLastMap(onePass), counted) || !same(loadLastMap(onePassSeeking), counted))
        std::abort();
    if (wanted >= 1 && a.mapNo != std::min(wanted, maps))
        std::abort();

    std::vector<LoadedMap> read, passed;
    for (auto* into : {&read, &passed}) {
        MemorySource walked(file);
        ItemReader walker(walked, buffer);
        walkMaps(
            walker, [into](const LoadedMap& m) { into->push_back(m); }, [](std::int64_t, const std::string&) {},
            into == &read);
    }
    if (read.size() != passed.size() || static_cast<std::int64_t>(read.size()) != maps)
        std::abort();
    for (std::size_t i = 0; i < read.size(); ++i) {
        const LoadedMap& r = read[i];
        const LoadedMap& p = passed[i];
        if (r.mapNo != p.mapNo || r.offset != p.offset || r.header != p.header || r.rowsRead != p.rowsRead ||
            r.rowTooLong != p.rowTooLong || r.headerInRow != p.headerInRow || r.headerTooLong != p.headerTooLong)
            std::abort();
        MemorySource again(file);
        ItemReader at(again, buffer);
        if (!same(loadMapAt(at, r.offset, r.mapNo), r))
            std::abort();
    }
    return 0;
}
