#include "document/tilesheet.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>
#include <cstdlib>
#include <optional>

namespace kelmor {

namespace {

// The largest side a tile sheet may have; a header asking for more is damage.
constexpr qint64 kMostSide = 32767;

// The fields of a BMP file's header that the editor looks at, with the
// Windows header's layout (40 bytes or more), or none for other bytes.
struct BitmapHeader {
    qint64 declared, pixelsAt, infoSize, width, signedHeight, height, planes, bits, compression, imageSize;
};

std::optional<BitmapHeader> bitmapHeader(const QByteArray& bytes)
{
    if (bytes.size() < 54 || !bytes.startsWith("BM"))
        return std::nullopt;
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    const qint64 signedHeight = qFromLittleEndian<qint32>(p + 22);
    return BitmapHeader{qFromLittleEndian<quint32>(p + 2),
                        qFromLittleEndian<quint32>(p + 10),
                        qFromLittleEndian<quint32>(p + 14),
                        qFromLittleEndian<qint32>(p + 18),
                        signedHeight,
                        std::llabs(signedHeight),
                        qFromLittleEndian<quint16>(p + 26),
                        qFromLittleEndian<quint16>(p + 28),
                        qFromLittleEndian<quint32>(p + 30),
                        qFromLittleEndian<quint32>(p + 34)};
}

// Whether a BMP file's header describes pixels the file holds. Qt decodes a
// cut-off file without a word, leaving the missing rows in whatever colour;
// and every size is checked before any arithmetic on it, which a hostile
// header would overflow.
bool holdsAllItsPixels(const QByteArray& bytes)
{
    const std::optional<BitmapHeader> h = bitmapHeader(bytes);
    if (!h)
        return true;  // not a BMP header the check knows: the decoder decides
    if (h->infoSize < 40)
        return true;  // an OS/2 header, whose fields stand elsewhere: the decoder decides
    const qint64 size = bytes.size();
    if (h->declared > size || h->pixelsAt > size || h->width <= 0 || h->width > kMostSide || h->height == 0 ||
        h->height > kMostSide)
        return false;
    const qint64 bits = h->bits;
    if (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    // Uncompressed rows (plain or with bit fields) have a size of their own;
    // within the bounds above, none of this comes near 64 bits.
    const qint64 needed = h->compression == 0 || h->compression == 3
                              ? h->pixelsAt + (h->width * bits + 31) / 32 * 4 * h->height
                              : h->pixelsAt + h->imageSize;
    return needed <= size;
}

}  // namespace

// Qt's reader first builds its list of image format plug-ins, which costs
// start-up more than the pixels of a sheet.
QImage TileSheet::readPlainBitmap(const QByteArray& bytes)
{
    const std::optional<BitmapHeader> h = bitmapHeader(bytes);
    // The plain header only, its pixels after it: any other layout is Qt's
    // reader's to judge.
    if (!h || h->infoSize != 40 || h->pixelsAt < 54 || h->planes != 1 || h->compression != 0 ||
        (h->bits != 24 && h->bits != 32) || !holdsAllItsPixels(bytes))
        return {};
    const qint64 stride = (h->width * h->bits + 31) / 32 * 4;
    const qint64 step = h->bits / 8;
    QImage image(static_cast<int>(h->width), static_cast<int>(h->height), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    for (qint64 y = 0; y < h->height; ++y) {
        // Rows stand bottom up, unless the height is negative.
        const qint64 row = h->signedHeight > 0 ? h->height - 1 - y : y;
        const uchar* in = p + h->pixelsAt + row * stride;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        for (qint64 x = 0; x < h->width; ++x, in += step)
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
