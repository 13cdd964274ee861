// Any bytes as the tile sheet beside a level file: decoded or refused, never
// read past their end, no arithmetic on their sizes overflowing, a sheet
// taken only when it holds one tile's graphic at least, and a plain bitmap
// read with the pixels Qt's own reader gives it.
#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <cstdlib>

#include "document/tilesheet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kelmor::TileSheet sheet;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const kelmor::TileSheet::Status status = sheet.decode(bytes);
    if (status != kelmor::TileSheet::Status::Loaded)
        return 0;
    if (sheet.image().width() < 16 || sheet.image().height() < 16 || sheet.image().format() != QImage::Format_RGB32)
        std::abort();
    // A bitmap read without Qt's reader has the pixels Qt's reader gives it.
    const QImage plain = kelmor::TileSheet::readPlainBitmap(bytes);
    if (!plain.isNull()) {
        const QImage qt = QImage::fromData(bytes, "BMP");
        if (qt.isNull() || qt.convertToFormat(QImage::Format_RGB32) != plain)
            std::abort();
    }
    return 0;
}
