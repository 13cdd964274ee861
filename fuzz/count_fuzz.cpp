// Both map counts of arbitrary bytes: independent of the buffer size, rows
// passed over in bulk exactly as item by item, the row-skipping count never
// above the every-item count, neither above the number of stars.
#include <cstdlib>

#include "fuzzinput.h"
#include "levelfile/mapcount.h"

using namespace kelmor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    const std::size_t buffer = 1 + in.byte() % 16;
    const std::string_view file = in.rest();

    auto count = [&](std::size_t bufferSize, bool skipping) {
        MemorySource source(file);
        ItemReader reader(source, bufferSize);
        return skipping ? countMapsSkippingRows(reader) : countHeaderItems(reader);
    };
    const std::int64_t skipping = count(buffer, true);
    const std::int64_t every = count(buffer, false);
    if (skipping != count(1 << 16, true) || every != count(1 << 16, false))
        std::abort();
    if (skipping > every)
        std::abort();
    // The rows passed over in bulk are the 17 items that reading would pass.
    {
        MemorySource source(file);
        ItemReader reader(source, buffer);
        std::int64_t slow = 0;
        while (!reader.atEnd()) {
            if (!reader.skip().hasStar)
                continue;
            ++slow;
            for (int i = 0; i < 17 && !reader.atEnd(); ++i)
                reader.skip();
        }
        if (slow != skipping)
            std::abort();
    }
    std::int64_t stars = 0;
    for (char c : file)
        stars += c == '*';
    if (every > stars)
        std::abort();
    return 0;
}
