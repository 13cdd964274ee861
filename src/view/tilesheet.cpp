#include "view/tilesheet.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <cstdlib>

namespace kelmor {

namespace {

// Whether a BMP file holds all the pixels its header promises. Qt decodes a
// cut-off file without a word, leaving the missing rows in whatever colour.
bool holdsAllItsPixels(const QByteArray& bytes)
{
    if (bytes.size() < 54 || !bytes.startsWith("BM"))
        return true;  // not a BMP header the check knows: the decoder decides
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    const qint64 size = bytes.size();
    const qint64 declared = qFromLittleEndian<quint32>(p + 2);
    const qint64 pixelsAt = qFromLittleEndian<quint32>(p + 10);
    const qint64 width = qFromLittleEndian<qint32>(p + 18);
    const qint64 height = std::llabs(qFromLittleEndian<qint32>(p + 22));
    const qint64 bits = qFromLittleEndian<quint16>(p + 28);
    const quint32 compression = qFromLittleEndian<quint32>(p + 30);
    const qint64 imageSize = qFromLittleEndian<quint32>(p + 34);
    if (declared > size)
        return false;
    // Uncompressed rows (plain or with bit fields) have a size of their own.
    const qint64 needed =
        compression == 0 || compression == 3 ? pixelsAt + (width * bits + 31) / 32 * 4 * height : pixelsAt + imageSize;
    return needed <= size;
}

}  // namespace

TileSheet::Status TileSheet::decode(const QByteArray& bytes)
{
    image_ = QImage();
    if (!holdsAllItsPixels(bytes))
        return Status::Unreadable;
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "bmp");
    reader.setDecideFormatFromContent(true);
    QImage loaded = reader.read();
    if (loaded.isNull())
        return Status::Unreadable;
    setImage(loaded);
    return Status::Loaded;
}

void TileSheet::setImage(const QImage& image)
{
    image_ = image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace kelmor
