// The one place that knows how this system makes a save durable: fsync of the
// new file, rename over the old one, fsync of the folder.
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "levelfile/fileops.h"

namespace kelmor {

namespace {

class PosixWriteFile final : public WriteFile {
public:
    explicit PosixWriteFile(int fd) : fd_(fd) {}
    ~PosixWriteFile() override
    {
        if (fd_ >= 0)
            ::close(fd_);
    }

    int write(const char* data, std::size_t size) override
    {
        while (size > 0) {
            const ssize_t n = ::write(fd_, data, size);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return errno;
            }
            data += n;
            size -= static_cast<std::size_t>(n);
        }
        return 0;
    }

    int flushToDisk() override { return ::fsync(fd_) == 0 ? 0 : errno; }

    int close() override
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int fd_;
};

class PosixFileOps final : public FileOps {
public:
    std::unique_ptr<ByteSource> openRead(const std::string& path, int& error) override
    {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            error = errno;
            return nullptr;
        }
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
            ::close(fd);
            error = EISDIR;
            return nullptr;
        }
        error = 0;
        return std::make_unique<FileSource>(fd);
    }

    std::unique_ptr<WriteFile> create(const std::string& path, int& error) override
    {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0) {
            error = errno;
            return nullptr;
        }
        error = 0;
        return std::make_unique<PosixWriteFile>(fd);
    }

    int renameOver(const std::string& from, const std::string& to) override
    {
        return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
    }

    int remove(const std::string& path) override
    {
        return ::unlink(path.c_str()) == 0 ? 0 : errno;
    }

    int syncFolder(const std::string& folder) override
    {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return errno;
        const int result = ::fsync(fd) == 0 ? 0 : errno;
        ::close(fd);
        return result;
    }
};

}  // namespace

std::unique_ptr<FileOps> makePosixFileOps()
{
    return std::make_unique<PosixFileOps>();
}

}  // namespace kelmor
