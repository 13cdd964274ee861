#pragma once

#include <cerrno>
#include <string>

namespace kelmor {

// The step of a level-file operation that failed.
enum class FileStep {
    None,
    Open,        // opening the level file to read it
    NotRegular,  // the level file is a folder, a pipe or a device, not a plain file
    ReadOnly,    // the level file may not be written: a save would replace it all the same
    Read,        // reading the level file (a save reports a failed open as this too)
    Header,      // the header cannot be saved (see HeaderProblem)
    Lock,        // another editor kept saving into the same folder
    Create,      // removing an old scratch file and creating a new one
    Write,       // writing the scratch file
    Flush,       // forcing the scratch file to disk
    Close,       // closing the scratch file
    Rename,      // renaming the scratch file over the level file
    Folder,      // forcing the folder's entries to disk after the rename
    Remove,      // removing the scratch file after another step failed
    IsScratch,   // the level file is the scratch file: a save would remove it first
    ReadBack,    // the scratch file did not give the saved map back as it was written
    Changing,    // another program kept replacing the level file while it was saved
};

// What went wrong, where, and the system's reason: the one shape in which
// every level-file operation reports a failure.
struct FileFailure {
    FileStep step = FileStep::None;
    std::string file;  // as the user knows it: the file's name, or the folder's path
    int error = 0;     // errno; 0 for Header

    bool failed() const { return step != FileStep::None; }
    // The level file is not there, which is no error for counting or saving.
    bool missing() const { return step == FileStep::Open && error == ENOENT; }
};

}  // namespace kelmor
