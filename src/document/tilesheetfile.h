#pragma once

#include <string>

#include "fs/fileops.h"
#include "document/tilesheet.h"

namespace kelmor {

// The tile sheet beside the level file, for the window and for the exports.
inline constexpr char kTileSheetName[] = "kelmor.bmp";

std::string tileSheetPath(const std::string& folder);

// Reads and decodes the tile sheet in `folder` into `sheet`; Missing when
// nothing (or no plain file) is there.
TileSheet::Status readTileSheetFile(FileOps& ops, const std::string& folder, TileSheet& sheet);

}  // namespace kelmor
