#pragma once

#include <ostream>

#include "levelfile/levelfile.h"

namespace kelmor {

// --move-map, --insert-map and --delete-map: the change made (--insert-map
// prints the header it chose), exit 0; or the reason on `err` and exit 2,
// with the file as it was (unless it says the change was made).
int changeMapOrderCommand(const LevelFile& level, const MapOrderChange& change, std::ostream& out, std::ostream& err);

}  // namespace kelmor
