#include "fs/bytesource.h"

#include <algorithm>
#include <cstring>

namespace kelmor {

ByteSource::~ByteSource() = default;

std::size_t MemorySource::read(char* buffer, std::size_t size)
{
    const std::size_t n = std::min(size, bytes_.size());
    if (n > 0)
        std::memcpy(buffer, bytes_.data(), n);
    bytes_.remove_prefix(n);
    return n;
}

bool MemorySource::seek(std::uint64_t offset)
{
    if (offset > all_.size())
        return false;
    bytes_ = all_.substr(static_cast<std::size_t>(offset));
    return true;
}

}  // namespace kelmor
