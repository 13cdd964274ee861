#include "levelfile/mapcount.h"

#include "model/mapgrid.h"

namespace kelmor {

std::int64_t countMapsSkippingRows(ItemReader& reader)
{
    std::int64_t counter = 0;
    while (!reader.atEnd()) {
        if (!reader.skip().hasStar)
            continue;
        ++counter;
        reader.skipItems(kMapRows);
    }
    return counter;
}

std::int64_t countHeaderItems(ItemReader& reader)
{
    std::int64_t counter = 0;
    while (!reader.atEnd())
        if (reader.skip().hasStar)
            ++counter;
    return counter;
}

}  // namespace kelmor
