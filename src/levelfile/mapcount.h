#pragma once

#include <cstdint>

#include "levelfile/itemreader.h"

namespace kelmor {

// Number of maps as the last-map button counts them: each header's 17 rows
// are passed over unseen, so a row can never count as a header.
std::int64_t countMapsSkippingRows(ItemReader& reader);

// Number of maps as the create button counts them: every item that holds a
// "*" counts, rows included.
std::int64_t countHeaderItems(ItemReader& reader);

}  // namespace kelmor
