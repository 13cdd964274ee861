#include "document/tilesheetfile.h"

#include <QByteArray>
#include <cerrno>

namespace kelmor {

namespace {
constexpr std::size_t kMaxTileSheetBytes = 64 * 1024 * 1024;
}

std::string tileSheetPath(const std::string& folder)
{
    return folder + "/" + kTileSheetName;
}

TileSheet::Status readTileSheetFile(FileOps& ops, const std::string& folder, TileSheet& sheet)
{
    int error = 0;
    const std::optional<std::string> bytes = readWholeFile(ops, tileSheetPath(folder), kMaxTileSheetBytes, error);
    if (bytes)
        return sheet.decode(QByteArray::fromStdString(*bytes));
    if (error == ENOENT || error == EISDIR || error == ENODEV)
        return TileSheet::Status::Missing;  // nothing there, or no file to read
    return TileSheet::Status::Unreadable;
}

}  // namespace kelmor
