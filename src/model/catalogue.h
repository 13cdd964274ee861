#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kelmor {

inline constexpr int kCatalogueSize = 121;
inline constexpr int kFirstTileValue = 100;

// The things a cell can hold, indexed by cell value: objects at 0..23, tiles at
// 100..109, every other index empty (empty name, tile number 0).
struct Catalogue {
    std::array<std::string, kCatalogueSize> partsName;  // UTF-8
    std::array<std::int16_t, kCatalogueSize> partsTile{};

    // Tile number for a cell value; values without an entry show tile 0.
    int tileOf(int cellValue) const;
};

// The game's fixed catalogue.
Catalogue standardCatalogue();

}  // namespace kelmor
