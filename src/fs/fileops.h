#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "fs/bytesource.h"

namespace kelmor {

// What a save needs to know of the file it is about to replace.
struct FileFacts {
    bool exists = false;
    bool regular = false;  // a plain file, not a folder, pipe or device
    int notWritable = 0;   // why this user may not write it (errno), or 0: it may
    unsigned mode = 0;     // permission bits
    unsigned owner = 0;
    unsigned group = 0;
    // Which file it is, and which version of it.
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    // The inode's change time: a permission change or a rename moves it too.
    std::int64_t changedNs = 0;
};

// A file being written. Every call returns 0 or the errno of its failure.
class WriteFile {
public:
    virtual ~WriteFile();
    virtual int write(const char* data, std::size_t size) = 0;
    // Gives the file the permission bits of `like`, and its owner and group
    // where this user may set them.
    virtual int adopt(const FileFacts& like) = 0;
    virtual int flushToDisk() = 0;
    virtual int close() = 0;
    // Takes the file's lock without waiting. It is held while the file is
    // open, also under another name, and let go by the system when the
    // editor dies: how a recovery file is known to belong to a running editor.
    virtual int lock() = 0;
};

// A whole file's bytes in memory, mapped where the system can rather than
// copied: a large file copied costs its size again in page faults.
class FileBytes {
public:
    virtual ~FileBytes();
    virtual std::string_view bytes() const = 0;
};

// Held while a save reads and replaces the level file; let go when destroyed,
// and by the system when the editor dies.
class FolderLock {
public:
    virtual ~FolderLock();
};

// The file operations that reading and saving the level file need, behind one
// seam so that tests can fail any step and a port replaces one file.
class FileOps {
public:
    virtual ~FileOps();
    // Null with `error` set on failure: ENOENT when the file is not there,
    // EISDIR for a folder, ENODEV for anything else that is not a plain file.
    virtual std::unique_ptr<ByteSource> openRead(const std::string& path, int& error) = 0;
    // Creates `path` anew for writing, with permission bits `mode` as the
    // system's file-creation mask allows; fails when anything stands there,
    // a symbolic link included, so it writes only into a file it has made.
    virtual std::unique_ptr<WriteFile> create(const std::string& path, unsigned mode, int& error) = 0;
    // The facts of `path`, links followed; 0, or the errno of the failure
    // (a missing file is no failure: `exists` is false).
    virtual int inspect(const std::string& path, FileFacts& facts) = 0;
    // Replaces `to` by `from` in one step.
    virtual int renameOver(const std::string& from, const std::string& to) = 0;
    virtual int remove(const std::string& path) = 0;
    // Makes the folder's entries (a rename) durable.
    virtual int syncFolder(const std::string& folder) = 0;
    // Opens `path` for reading and takes its lock (see WriteFile::lock),
    // held as long as the source lives; null with `error` set: EWOULDBLOCK
    // while a running editor holds it, ENOENT when nothing is there, ENODEV
    // for anything but a plain file. A symbolic link is not followed.
    virtual std::unique_ptr<ByteSource> openLocked(const std::string& path, int& error) = 0;
    // Gives `from` the name `to` where nothing stands (EEXIST otherwise).
    virtual int renameNew(const std::string& from, const std::string& to) = 0;
    // The folder's save lock, waited for a moment at most: null with `error`
    // set (EWOULDBLOCK while another editor keeps it).
    virtual std::unique_ptr<FolderLock> lockFolder(const std::string& folder, int& error) = 0;
    // `path` with every symbolic link on the way followed, its folders' and
    // its own, also when the file a link names does not exist yet: the file
    // that is actually read and written. A link that cannot be followed (a
    // loop) is left as it stands.
    virtual std::string resolve(const std::string& path) = 0;
    // The whole of a plain file of at most `limit` bytes; null with `error`
    // set as openRead sets it, or EFBIG. By default read into memory.
    virtual std::unique_ptr<FileBytes> wholeFile(const std::string& path, std::size_t limit, int& error);
};

// The whole of a small file: its bytes, or nothing with `error` set as
// openRead sets it, the errno of a failed read, or EFBIG past `limit` bytes.
std::optional<std::string> readWholeFile(FileOps& ops, const std::string& path, std::size_t limit, int& error);

// The real file system.
// `lockWaitMs`: how long a save waits for another editor's save to end.
std::unique_ptr<FileOps> makePosixFileOps(int lockWaitMs = 2000);

}  // namespace kelmor
