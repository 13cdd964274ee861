#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "fs/filefailure.h"
#include "fs/fileops.h"

namespace kelmor {

// A recovery file that no running editor holds: one whose editor died.
struct RecoveryOrphan {
    int slot = 0;
    std::string name;                  // its name in the folder
    std::string bytes;                 // as read, cut one byte past kMaxRecoveryBytes
    std::unique_ptr<ByteSource> hold;  // its lock: no other editor takes it meanwhile
};

// The recovery files of one level file: hidden files beside it, named after
// it (".kelmor.cnf.recover", and ".kelmor.cnf.recover-2" and on for further
// editors of the same file). Each running editor holds the lock of its own
// file, so no other editor takes it; the system lets go when the editor dies.
// Safe to call from two threads.
class RecoveryFiles {
public:
    RecoveryFiles(FileOps& ops, std::string folder, std::string levelName);

    // The recovery files that editors which died left for this level file,
    // each held from now until it is adopted, removed or set aside, or until
    // the orphan is dropped. Stale scratch files go on the way.
    std::vector<RecoveryOrphan> orphans();
    // Takes `orphan` as this editor's own recovery file.
    void adopt(RecoveryOrphan orphan);
    FileFailure discard(RecoveryOrphan& orphan);
    // Renames it to a name no file has yet, given in `keptAs`.
    FileFailure setAside(RecoveryOrphan& orphan, std::string& keptAs);

    // Replaces this editor's recovery file by `bytes` as a save replaces the
    // level file: scratch file, forced to disk, renamed over. Without a file
    // of its own yet, it takes the first name that no file has.
    FileFailure write(std::string_view bytes);
    // Removes this editor's recovery file, if it has one.
    FileFailure remove();

private:
    std::string nameOf(int slot) const;
    std::string pathOf(const std::string& name) const { return folder_ + "/" + name; }
    FileFailure writeSlot(int slot, std::string_view bytes, bool claiming);
    FileFailure claim(std::string_view bytes);

    FileOps& ops_;
    std::string folder_;
    std::string levelName_;
    std::mutex mutex_;
    int own_ = -1;  // the slot of this editor's file, or none
    // Whichever of the two holds the lock of this editor's file.
    std::unique_ptr<WriteFile> written_;
    std::unique_ptr<ByteSource> adopted_;
};

}  // namespace kelmor
