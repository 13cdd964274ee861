#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kelmor::bench {

// Writes a level file of `maps` maps in the format the editor writes (each
// map saved in place: header, 17 rows, one empty line; CR LF), unless a file
// of that name already exists. Returns the path.
std::string ensureLevelFile(const std::string& folder, std::int64_t maps);

// Reads the file with a plain read loop and returns its size: the floor that
// reading the level file is measured against.
std::size_t readPlainly(const std::string& path);

// Appends maps until the file reaches at least `bytes` bytes.
std::string ensureLevelFileOfSize(const std::string& folder, std::uint64_t bytes);

}  // namespace kelmor::bench
