#include "levelfile/bytesource.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

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

FileSource::~FileSource()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::size_t FileSource::read(char* buffer, std::size_t size)
{
    if (fd_ < 0 || error_ != 0)
        return 0;
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, size);
        if (n >= 0)
            return static_cast<std::size_t>(n);
        if (errno == EINTR)
            continue;
        error_ = errno;
        return 0;
    }
}

}  // namespace kelmor
