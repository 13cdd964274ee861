// Any bytes as the tile sheet beside a level file: decoded or refused, never
// read past their end, no arithmetic on their sizes overflowing, and a sheet
// taken only when it holds one tile's graphic at least.
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "document/tilesheet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kelmor::TileSheet sheet;
    const kelmor::TileSheet::Status status =
        sheet.decode(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (status == kelmor::TileSheet::Status::Loaded &&
        (sheet.image().width() < 16 || sheet.image().height() < 16 || sheet.image().format() != QImage::Format_RGB32))
        std::abort();
    return 0;
}
