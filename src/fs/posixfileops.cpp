// The one file that speaks to the operating system: every open, read, seek,
// write, fsync, flock, rename and unlink of the program is here, so a port to
// another desktop system replaces this file alone. A save is made durable by
// fsync of the new file, rename over the old one, and fsync of the folder.
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "fs/fileops.h"

namespace kelmor {

namespace {

// Reads a file through a file descriptor that it owns.
// A file mapped whole, its pages taken in one go rather than one fault each.
// (A file another program cut short while it is mapped would fault; the
// merge driver maps git's own copies.)
class MappedBytes final : public FileBytes {
public:
    MappedBytes(void* at, std::size_t size) : at_(at), size_(size) {}
    ~MappedBytes() override
    {
        if (size_ > 0)
            ::munmap(at_, size_);
    }
    std::string_view bytes() const override { return {static_cast<const char*>(at_), size_}; }

private:
    void* at_;
    std::size_t size_;
};

class PosixSource final : public ByteSource {
public:
    PosixSource(int fd, bool seekable) : fd_(fd), seekable_(seekable) {}
    ~PosixSource() override { ::close(fd_); }
    PosixSource(const PosixSource&) = delete;
    PosixSource& operator=(const PosixSource&) = delete;

    std::size_t read(char* buffer, std::size_t size) override
    {
        if (error_ != 0)
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

    bool seekable() const override { return seekable_; }

    bool seek(std::uint64_t offset) override
    {
        if (!seekable_ || error_ != 0)
            return false;
        return ::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) != -1;
    }

private:
    int fd_;
    bool seekable_;
};

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

    int adopt(const FileFacts& like) override
    {
        // Owner and group first: changing them may clear the mode's special bits.
        // Where the owner may not be given away, a group of one's own may.
        if (::fchown(fd_, like.owner, like.group) != 0 && ::fchown(fd_, static_cast<uid_t>(-1), like.group) != 0) {
            // Neither: the new file stays this user's, as any file they write.
        }
        return ::fchmod(fd_, like.mode) == 0 ? 0 : errno;
    }

    int flushToDisk() override { return ::fsync(fd_) == 0 ? 0 : errno; }

    int lock() override { return ::flock(fd_, LOCK_EX | LOCK_NB) == 0 ? 0 : errno; }

    int close() override
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// An exclusive flock on the folder itself: no file is made for it, and the
// system lets go of it when the process ends, however it ends.
class PosixFolderLock final : public FolderLock {
public:
    explicit PosixFolderLock(int fd) : fd_(fd) {}
    ~PosixFolderLock() override { ::close(fd_); }
    PosixFolderLock(const PosixFolderLock&) = delete;
    PosixFolderLock& operator=(const PosixFolderLock&) = delete;

private:
    int fd_;
};

class PosixFileOps final : public FileOps {
public:
    explicit PosixFileOps(int lockWaitMs) : lockWaitMs_(lockWaitMs) {}

    std::unique_ptr<FolderLock> lockFolder(const std::string& folder, int& error) override
    {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            error = errno;
            return nullptr;
        }
        for (int waited = 0;; waited += kLockPollMs) {
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
                return std::make_unique<PosixFolderLock>(fd);
            error = errno;
            if ((error != EWOULDBLOCK && error != EINTR) || waited >= lockWaitMs_)
                break;
            ::usleep(kLockPollMs * 1000);
        }
        ::close(fd);
        return nullptr;
    }

    // A plain file opened for reading, or -1 with `error` set.
    static int openPlain(const std::string& path, std::size_t& size, int& error)
    {
        // Without waiting: opening a pipe for reading would block until
        // something writes into it.
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            error = errno;
            return -1;
        }
        // Only a plain file is a level file: a folder, a pipe or a device
        // (one that never ends) is refused.
        struct stat st {};
        error = ::fstat(fd, &st) != 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : !S_ISREG(st.st_mode) ? ENODEV : 0;
        if (error != 0) {
            ::close(fd);
            return -1;
        }
        size = static_cast<std::size_t>(st.st_size);
        return fd;
    }

    std::unique_ptr<ByteSource> openRead(const std::string& path, int& error) override
    {
        std::size_t size = 0;
        const int fd = openPlain(path, size, error);
        return fd < 0 ? nullptr : std::make_unique<PosixSource>(fd, true);
    }

    std::unique_ptr<FileBytes> wholeFile(const std::string& path, std::size_t limit, int& error) override
    {
        std::size_t size = 0;
        const int fd = openPlain(path, size, error);
        if (fd < 0)
            return nullptr;
        if (size > limit)
            error = EFBIG;
        void* at = nullptr;
        if (error == 0 && size > 0) {
            at = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
            if (at == MAP_FAILED)
                error = errno;
        }
        ::close(fd);
        if (error != 0)
            return nullptr;
        return std::make_unique<MappedBytes>(at, size);
    }

    std::unique_ptr<ByteSource> openLocked(const std::string& path, int& error) override
    {
        // The file may be replaced between the open and the lock; only the
        // one that still has the name counts, so a replaced one is opened anew.
        for (int attempt = 0; attempt < 10; ++attempt) {
            const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
            if (fd < 0) {
                error = errno;
                return nullptr;
            }
            struct stat held {
            }, named{};
            error = ::fstat(fd, &held) != 0 ? errno : !S_ISREG(held.st_mode) ? ENODEV : 0;
            if (error == 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0)
                error = errno;
            if (error == 0 && ::stat(path.c_str(), &named) == 0 && named.st_dev == held.st_dev &&
                named.st_ino == held.st_ino)
                return std::make_unique<PosixSource>(fd, true);
            ::close(fd);
            if (error != 0)
                return nullptr;
        }
        error = EWOULDBLOCK;  // replaced again and again: someone is writing it
        return nullptr;
    }

    int renameNew(const std::string& from, const std::string& to) override
    {
        if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
            return 0;
        if (errno != EINVAL && errno != ENOSYS)
            return errno;
        // A file system without that rename: a link, too, is made only where nothing stands.
        if (::link(from.c_str(), to.c_str()) != 0)
            return errno;
        return ::unlink(from.c_str()) == 0 ? 0 : errno;
    }

    int inspect(const std::string& path, FileFacts& facts) override
    {
        facts = {};
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0)
            return errno == ENOENT ? 0 : errno;
        facts.exists = true;
        facts.regular = S_ISREG(st.st_mode);
        facts.mode = st.st_mode & 07777;
        facts.owner = st.st_uid;
        facts.group = st.st_gid;
        facts.device = st.st_dev;
        facts.inode = st.st_ino;
        facts.size = st.st_size;
        facts.modifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
        facts.changedNs = static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec;
        // Root may write anything: a file with no write bit at all is read-only
        // on purpose, for root too.
        facts.notWritable = ::access(path.c_str(), W_OK) != 0 ? errno : (st.st_mode & 0222) == 0 ? EACCES : 0;
        return 0;
    }

    std::unique_ptr<WriteFile> create(const std::string& path, unsigned mode, int& error) override
    {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
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

    int remove(const std::string& path) override { return ::unlink(path.c_str()) == 0 ? 0 : errno; }

    int syncFolder(const std::string& folder) override
    {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return errno;
        const int result = ::fsync(fd) == 0 ? 0 : errno;
        ::close(fd);
        return result;
    }

    std::string resolve(const std::string& path) override
    {
        namespace fs = std::filesystem;
        std::error_code error;
        fs::path file(path);
        // The file's own links first: the last of them may name a file that
        // is not there yet, which the folder's resolution below cannot follow.
        for (int hop = 0; hop < 40 && fs::is_symlink(file, error); ++hop) {
            const fs::path target = fs::read_symlink(file, error);
            if (error)
                break;
            file = target.is_absolute() ? target : file.parent_path() / target;
        }
        const fs::path folder =
            fs::weakly_canonical(file.parent_path().empty() ? fs::path(".") : file.parent_path(), error);
        return ((error ? file.parent_path() : folder) / file.filename()).lexically_normal().string();
    }

private:
    static constexpr int kLockPollMs = 20;
    int lockWaitMs_;
};

}  // namespace

std::unique_ptr<FileOps> makePosixFileOps(int lockWaitMs)
{
    return std::make_unique<PosixFileOps>(lockWaitMs);
}

}  // namespace kelmor
