#include "document/tilesheet.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <cstdlib>

namespace kelmor {

namespace {

// The largest side a tile sheet may have; a header asking for more is damage.
constexpr qint64 kMostSide = 32767;

// Whether a BMP file's header describes pixels the file holds. Qt decodes a
// cut-off file without a word, leaving the missing rows in whatever colour;
// and every size is checked before any arithmetic on it, which a hostile
// header would overflow.
bool holdsAllItsPixels(const QByteArray& bytes)
{
    if (bytes.size() < 54 || !bytes.startsWith("BM"))
        return true;  // not a BMP header the check knows: the decoder decides
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    if (qFromLittleEndian<quint32>(p + 14) < 40)
        return true;  // an OS/2 header, whose fields stand elsewhere: the decoder decides
    const qint64 size = bytes.size();
    const qint64 declared = qFromLittleEndian<quint32>(p + 2);
    const qint64 pixelsAt = qFromLittleEndian<quint32>(p + 10);
    const qint64 width = qFromLittleEndian<qint32>(p + 18);
    const qint64 height = std::llabs(qFromLittleEndian<qint32>(p + 22));
    const qint64 bits = qFromLittleEndian<quint16>(p + 28);
    const quint32 compression = qFromLittleEndian<quint32>(p + 30);
    const qint64 imageSize = qFromLittleEndian<quint32>(p + 34);
    if (declared > size || pixelsAt > size || width <= 0 || width > kMostSide || height == 0 || height > kMostSide)
        return false;
    if (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    // Uncompressed rows (plain or with bit fields) have a size of their own;
    // within the bounds above, none of this comes near 64 bits.
    const qint64 needed =
        compression == 0 || compression == 3 ? pixelsAt + (width * bits + 31) / 32 * 4 * height : pixelsAt + imageSize;
    return needed <= size;
}

}  // namespace

// Qt's reader first builds its list of image format plug-ins, which costs
// start-up more than the pixels of a sheet.
QImage TileSheet::readPlainBitmap(const QByteArray& bytes)
{
    if (bytes.size() < 54 || !bytes.startsWith("BM") || !holdsAllItsPixels(bytes))
        return {};
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    const qint64 pixelsAt = qFromLittleEndian<quint32>(p + 10);
    const qint64 width = qFromLittleEndian<qint32>(p + 18);
    const qint64 signedHeight = qFromLittleEndian<qint32>(p + 22);
    const qint64 height = std::llabs(signedHeight);
    const int bits = qFromLittleEndian<quint16>(p + 28);
    // The plain header only, its pixels after it: any other layout is Qt's
    // reader's to judge.
    if (qFromLittleEndian<quint32>(p + 14) != 40 || pixelsAt < 54 || qFromLittleEndian<quint16>(p + 26) != 1 ||
        qFromLittleEndian<quint32>(p + 30) != 0 || (bits != 24 && bits != 32))
        return {};
    const qint64 stride = (width * bits + 31) / 32 * 4;
    const int step = bits / 8;
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (qint64 y = 0; y < height; ++y) {
        // Rows stand bottom up, unless the height is negative.
        const qint64 row = signedHeight > 0 ? height - 1 - y : y;
        const uchar* in = p + pixelsAt + row * stride;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        for (qint64 x = 0; x < width; ++x, in += step)
            out[x] = qRgb(in[2], in[1], in[0]);
    }
    return image;
}

TileSheet::Status TileSheet::decode(const QByteArray& bytes)
{
    image_ = QImage();
    if (!holdsAllItsPixels(bytes))
        return Status::Unreadable;
    QImage loaded = readPlainBitmap(bytes);
    if (loaded.isNull()) {
        QBuffer buffer;
        buffer.setData(bytes);
        QImageReader reader(&buffer, "bmp");
        reader.setDecideFormatFromContent(true);
        loaded = reader.read();
    }
    // Smaller than one tile's graphic, it would draw every cell black.
    if (loaded.isNull() || loaded.width() < 16 || loaded.height() < 16)
        return Status::Unreadable;
    setImage(loaded);
    return Status::Loaded;
}

void TileSheet::setImage(const QImage& image)
{
    image_ = image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace kelmor
