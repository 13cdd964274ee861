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

bool MemorySource::seek(std::uint64_t offset)
{
    if (offset > all_.size())
        return false;
    bytes_ = all_.substr(static_cast<std::size_t>(offset));
    return true;
}

FileSource::FileSource(int fd) : fd_(fd)
{
    seekable_ = fd_ >= 0 && ::lseek(fd_, 0, SEEK_CUR) != -1;
}

bool FileSource::seek(std::uint64_t offset)
{
    if (!seekable_ || error_ != 0)
        return false;
    return ::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) != -1;
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
