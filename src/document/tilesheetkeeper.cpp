#include "document/tilesheetkeeper.h"

#include <utility>

#include "document/tilesheetfile.h"

namespace kelmor {

TileSheetKeeper::TileSheetKeeper(FileOps& ops, std::string folder) : ops_(ops), folder_(std::move(folder)) {}

std::string TileSheetKeeper::path() const
{
    return tileSheetPath(folder_);
}

TileSheet::Status TileSheetKeeper::read(TileSheet& sheet)
{
    // Stamped before reading: a change while it is read is seen later.
    stampFile(ops_, path(), stamp_);
    return readTileSheetFile(ops_, folder_, sheet);
}

TileSheet::Status TileSheetKeeper::load()
{
    return read(sheet_);
}

TileSheetKeeper::Followed TileSheetKeeper::follow()
{
    FileStamp now;
    const int error = stampFile(ops_, path(), now);
    if (judgeOutsideChange(stamp_, now, error) != OutsideChange::Changed)
        return Followed::Unchanged;
    TileSheet sheet;
    if (read(sheet) != TileSheet::Status::Loaded)
        return Followed::Unreadable;
    sheet_ = sheet;
    return Followed::Reread;
}

}  // namespace kelmor
