#pragma once

#include <memory>
#include <string>

#include "levelfile/bytesource.h"

namespace kelmor {

// A file being written. Every call returns 0 or the errno of its failure.
class WriteFile {
public:
    virtual ~WriteFile();
    virtual int write(const char* data, std::size_t size) = 0;
    virtual int flushToDisk() = 0;
    virtual int close() = 0;
};

// The file operations that reading and saving the level file need, behind one
// seam so that tests can fail any step and a port replaces one file.
class FileOps {
public:
    virtual ~FileOps();
    // Null with `error` set (ENOENT when the file is not there) on failure.
    virtual std::unique_ptr<ByteSource> openRead(const std::string& path, int& error) = 0;
    // Creates or empties `path` for writing.
    virtual std::unique_ptr<WriteFile> create(const std::string& path, int& error) = 0;
    // Replaces `to` by `from` in one step.
    virtual int renameOver(const std::string& from, const std::string& to) = 0;
    virtual int remove(const std::string& path) = 0;
    // Makes the folder's entries (a rename) durable.
    virtual int syncFolder(const std::string& folder) = 0;
};

// The real file system.
std::unique_ptr<FileOps> makePosixFileOps();

}  // namespace kelmor
