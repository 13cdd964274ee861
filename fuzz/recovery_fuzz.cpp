// The recovery file is read from a folder anyone may write into: arbitrary
// bytes never crash the reader, and a recovery built from arbitrary pieces
// reads back the same, while every shorter piece of it is refused.
#include <cstdlib>

#include "fuzzinput.h"
#include "recovery/recovery.h"

using namespace kelmor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    if (const std::optional<Recovery> read = decodeRecovery(in.rest()); read && encodeRecovery(*read) != in.rest())
        std::abort();

    Recovery recovery;
    recovery.created = in.byte() % 2 == 1;
    recovery.mapNo = in.byte() + 1;
    recovery.originRows = in.byte() * 0x0101010101010101ull;
    recovery.level = std::string(in.piece().substr(0, 4096));
    recovery.header = std::string(in.piece().substr(0, kMaxHeaderBytes));
    for (std::string& row : recovery.rows)
        row = std::string(in.piece().substr(0, kMaxRowBytes));
    const std::string bytes = encodeRecovery(recovery);
    if (decodeRecovery(bytes) != recovery)
        std::abort();
    const std::size_t cut = (static_cast<std::size_t>(in.byte()) << 8 | in.byte()) % bytes.size();
    if (decodeRecovery(std::string_view(bytes).substr(0, cut)))
        std::abort();
    return 0;
}
