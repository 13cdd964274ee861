#include "recovery/recovery.h"

#include <charconv>
#include <limits>

#include "levelfile/mapload.h"
#include "levelfile/mapsave.h"
#include "model/mapnumber.h"

namespace kelmor {

namespace {

constexpr std::string_view kFirstLine = "kelmor-x recovery 1\n";
constexpr std::size_t kMaxPathBytes = 4096;

void putNumber(std::string& out, std::string_view name, std::uint64_t value)
{
    out.append(name).append(" ").append(std::to_string(value)).append("\n");
}

void putBytes(std::string& out, std::string_view name, std::string_view bytes)
{
    putNumber(out, name, bytes.size());
    out.append(bytes).append("\n");
}

// Reads back what putNumber and putBytes wrote, in order; the first field
// that is not there or out of bounds ends the reading.
class Fields {
public:
    explicit Fields(std::string_view bytes) : all_(bytes), rest_(bytes) {}

    bool literal(std::string_view text)
    {
        if (!ok_ || rest_.substr(0, text.size()) != text)
            return ok_ = false;
        rest_.remove_prefix(text.size());
        return true;
    }

    std::uint64_t number(std::string_view name, std::uint64_t max)
    {
        std::uint64_t value = 0;
        if (!literal(name) || !literal(" "))
            return 0;
        // Only the form the writer writes: a leading zero would let two
        // different files read as the same recovery.
        if (rest_.size() > 1 && rest_[0] == '0' && rest_[1] >= '0' && rest_[1] <= '9')
            ok_ = false;
        const auto [end, error] = std::from_chars(rest_.data(), rest_.data() + rest_.size(), value);
        rest_.remove_prefix(static_cast<std::size_t>(end - rest_.data()));
        if (error != std::errc() || value > max)
            ok_ = false;
        literal("\n");
        return ok_ ? value : 0;
    }

    std::string bytes(std::string_view name, std::size_t max)
    {
        const std::size_t size = number(name, max);
        if (!ok_ || rest_.size() < size) {
            ok_ = false;
            return {};
        }
        std::string value(rest_.substr(0, size));
        rest_.remove_prefix(size);
        literal("\n");
        return value;
    }

    std::string_view done() const { return all_.substr(0, all_.size() - rest_.size()); }
    bool ok() const { return ok_; }
    bool atEnd() const { return rest_.empty(); }

private:
    std::string_view all_;
    std::string_view rest_;
    bool ok_ = true;
};

bool sameMap(const LoadedMap& loaded, const Recovery& recovery)
{
    return loaded.header == recovery.header && loaded.rows == recovery.rows;
}

}  // namespace

std::string encodeRecovery(const Recovery& recovery)
{
    std::string out(kFirstLine);
    putBytes(out, "level", recovery.level);
    putNumber(out, "map", static_cast<std::uint64_t>(recovery.mapNo));
    putNumber(out, "created", recovery.created ? 1 : 0);
    putNumber(out, "origin", recovery.originRows);
    putBytes(out, "header", recovery.header);
    for (const std::string& row : recovery.rows)
        putBytes(out, "row", row);
    putNumber(out, "check", fnv1a(out));
    return out;
}

std::optional<Recovery> decodeRecovery(std::string_view bytes)
{
    if (bytes.size() > kMaxRecoveryBytes)
        return std::nullopt;
    Fields fields(bytes);
    Recovery recovery;
    fields.literal(kFirstLine);
    recovery.level = fields.bytes("level", kMaxPathBytes);
    recovery.mapNo = static_cast<std::int64_t>(fields.number("map", kLastMapNo));
    recovery.created = fields.number("created", 1) == 1;
    recovery.originRows = fields.number("origin", std::numeric_limits<std::uint64_t>::max());
    recovery.header = fields.bytes("header", kMaxHeaderBytes);
    for (std::string& row : recovery.rows)
        row = fields.bytes("row", kMaxRowBytes);
    const std::uint64_t expected = fnv1a(fields.done());
    const bool checked = fields.number("check", std::numeric_limits<std::uint64_t>::max()) == expected;
    if (!fields.ok() || !checked || !fields.atEnd() || (recovery.mapNo < 1 && !recovery.created))
        return std::nullopt;
    return recovery;
}

RecoveryUse judgeRecovery(const std::optional<Recovery>& recovery, const LevelFile& level)
{
    if (!recovery)
        return RecoveryUse::Damaged;
    if (!level.isAt(recovery->level))
        return RecoveryUse::OtherLevel;
    const MapLoad load = level.load(recovery->mapNo);
    const bool there = !load.failure.failed() && load.map.found && load.map.mapNo == recovery->mapNo;
    if (there && !load.map.damaged() && sameMap(load.map, *recovery))
        return RecoveryUse::AlreadySaved;
    // A created map needs no place in the file; a loaded one is put back
    // only over the map it came from.
    if (!recovery->created && (!there || load.map.damaged()))
        return RecoveryUse::MapGone;
    return RecoveryUse::Offer;
}

}  // namespace kelmor
