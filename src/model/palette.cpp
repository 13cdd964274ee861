#include "model/palette.h"

namespace kelmor {

Palette buildPalette(const Catalogue& catalogue)
{
    Palette p;
    int i = 0;
    for (; i < kFirstTileValue; ++i) {
        const std::string& name = catalogue.partsName[static_cast<std::size_t>(i)];
        if (name.empty())
            break;
        p.items.push_back(std::string(1, static_cast<char>('A' + i)) + ":" + name);
    }
    p.partsMax = i;
    for (int t = kFirstTileValue; t < kCatalogueSize; ++t) {
        const std::string& name = catalogue.partsName[static_cast<std::size_t>(t)];
        if (name.empty())
            break;
        p.items.push_back(std::string(1, static_cast<char>('0' + (t - kFirstTileValue))) + ":" + name);
    }
    return p;
}

}  // namespace kelmor
