#pragma once

#include <cstdint>
#include <string_view>

#include "levelfile/itemreader.h"
#include "model/mapgrid.h"

namespace kelmor {

// Receives the new level file's bytes in order.
class ByteSink {
public:
    virtual ~ByteSink();
    virtual void append(std::string_view bytes) = 0;
    // False once a write has failed; the writer then stops early.
    virtual bool ok() const = 0;
};

enum class SavePlace { Replaced, Appended };

// FNV-1a: any changed, missing or added byte changes the value.
inline constexpr std::uint64_t kFnvBasis = 14695981039346656037ull;
inline constexpr std::uint64_t kFnvPrime = 1099511628211ull;
inline std::uint64_t fnv1a(std::string_view bytes, std::uint64_t value = kFnvBasis)
{
    for (const char c : bytes)
        value = (value ^ static_cast<unsigned char>(c)) * kFnvPrime;
    return value;
}

// A fingerprint of a map's rows as loading reads them (the rows there are, in
// order), to tell whether the map in the file is still the one loaded.
class RowsDigest {
public:
    void add(std::string_view row)
    {
        feed(row);
        endRow();
    }
    // A row in pieces, as it streams past.
    void feed(std::string_view piece);
    void endRow();
    std::uint64_t value() const { return value_; }

    // The digest of the first `count` rows.
    static std::uint64_t of(const MapRows& rows, int count);

private:
    std::uint64_t value_ = kFnvBasis;
    std::uint64_t rowLength_ = 0;
};

struct WrittenMap {
    SavePlace place = SavePlace::Appended;
    // The number the map has in the new file, counted as loading counts.
    std::int64_t mapNo = 0;
    // The digest of the rows it replaced (of no rows when appended).
    std::uint64_t oldRows = RowsDigest().value();
};

// Writes the level file's next content: every item of the old file on a line
// of its own (CR LF; in double quotes where it needs them to read back as the
// same item), the map's rows in place of the old ones under the first item
// equal to `header` (also when that item is the file's last), followed by one
// empty line, or, when no item equals the header, an empty line, the header
// and the rows at the end (after empty rows that complete a last map cut off,
// so the appended map is a map of its own). Streams from
// `old` (which must be able to go back) to `out`; of the old file no more
// than the header comparison needs, or 64 KB of a quoted item, is held.
WrittenMap writeLevelWithMap(ItemReader& old, ByteSink& out, std::string_view header, const MapRows& rows);

}  // namespace kelmor
