#pragma once

#include <string>
#include <vector>

#include "model/catalogue.h"

namespace kelmor {

// The palette's entries in list order ("A:ハキュラ" ... "9:レンガ（青）"), and
// partsMax, the number of objects, which is also the position of the first tile.
struct Palette {
    std::vector<std::string> items;  // UTF-8
    int partsMax = 0;
};

// Builds the list the way the window always has: objects until the first empty
// name, then tiles until the first empty name.
Palette buildPalette(const Catalogue& catalogue);

}  // namespace kelmor
