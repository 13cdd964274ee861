#pragma once

#include <cstdint>

namespace kelmor {

// A map's number, counted from 1 by headers from the top of the level file.
// Wide enough for any count of a file; the editor opens maps up to
// kLastMapNo, the largest number the game's 16-bit counter holds.
using MapNumber = std::int64_t;
inline constexpr MapNumber kLastMapNo = 32767;

}  // namespace kelmor
