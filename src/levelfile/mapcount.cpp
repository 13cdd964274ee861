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
        for (int i = 0; i < kMapRows && !reader.atEnd(); ++i)
            reader.skip();
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
