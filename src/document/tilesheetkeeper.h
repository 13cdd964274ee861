#pragma once

#include <string>

#include "document/tilesheet.h"
#include "fs/filestamp.h"

namespace kelmor {

class FileOps;

// The tile sheet beside the level file as last read, and what becomes of it
// when another program changes the file: read again, or the old tiles kept
// while the new file cannot be read.
class TileSheetKeeper {
public:
    TileSheetKeeper(FileOps& ops, std::string folder);

    // Reads the sheet, as at start-up; what to tell when it is not Loaded.
    TileSheet::Status load();

    enum class Followed { Unchanged, Reread, Unreadable };
    // After a change in its folder: reads the sheet again when the file
    // changed since it was last read. Unreadable keeps the tiles there were.
    Followed follow();

    const TileSheet& sheet() const { return sheet_; }
    std::string path() const;

private:
    TileSheet::Status read(TileSheet& sheet);

    FileOps& ops_;
    std::string folder_;
    TileSheet sheet_;
    // The file as it was when last read.
    FileStamp stamp_;
};

}  // namespace kelmor
