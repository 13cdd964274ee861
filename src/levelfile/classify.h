#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kelmor {

// The item reader looks at its buffer in blocks of 64 bytes, one mask word a block.
inline constexpr std::size_t kClassifyBlock = 64;

// Marks where items end and where stars stand in `blocks` blocks of 64 bytes
// from `p`: bit i of ends[w] is set when byte 64w + i is a comma, a CR or an
// LF, but not the LF of a CR LF pair (also across blocks and calls, through
// `previousCr`, which holds 1 when the byte before `p` was a CR); bit i of
// stars[w] when it is a "*". Returns whether any double quote was seen.
using Classifier = bool (*)(const char* p, std::size_t blocks, std::uint64_t* ends, std::uint64_t* stars,
                            std::uint64_t& previousCr);

bool classifyPortable(const char* p, std::size_t blocks, std::uint64_t* ends, std::uint64_t* stars,
                      std::uint64_t& previousCr);

// Whether `code` is a cell plain rows may hold: a digit, a letter from A to
// X, or a blank (away from column 0).
inline bool isPlainCell(unsigned char code)
{
    return (code >= '0' && code <= '9') || (code >= 'A' && code <= 'X') || code == ' ';
}

// How many of the `size` bytes from `p` are not cells of plain rows.
using OtherCounter = std::size_t (*)(const char* p, std::size_t size);

std::size_t countOthersPortable(const char* p, std::size_t size);

// The fastest classifier and counter this processor runs.
Classifier bestClassifier();
OtherCounter bestOtherCounter();

struct NamedClassifier {
    std::string_view name;
    Classifier classify;
    OtherCounter countOthers;
};

// Every classifier (and counter) this processor runs, the portable one
// first; they must agree bit for bit.
std::vector<NamedClassifier> availableClassifiers();

}  // namespace kelmor
