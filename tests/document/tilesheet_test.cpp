#include <gtest/gtest.h>

#include <QBuffer>
#include <QtEndian>
#include <set>

#include "model/catalogue.h"
#include "support/tempdir.h"
#include "document/tilesheet.h"

namespace kelmor {
namespace {

QByteArray bytesOf(const std::string& path)
{
    return QByteArray::fromStdString(test::readFile(path));
}

QImage block(const QImage& sheet, int tile)
{
    const QPoint o = TileSheet::blockOrigin(tile);
    return sheet.copy(o.x(), o.y(), 16, 16);
}

TEST(GeneratedTileSheet, HasAGraphicForEveryCatalogueTile)
{
    TileSheet sheet;
    ASSERT_EQ(sheet.decode(bytesOf(KELMOR_TILE_SHEET)), TileSheet::Status::Loaded);
    const QImage& image = sheet.image();
    EXPECT_GE(image.width(), 224);
    EXPECT_GE(image.height(), 144);

    const Catalogue c = standardCatalogue();
    const QImage empty = block(image, 0);
    std::set<int> tiles;
    for (int v = 0; v < kCatalogueSize; ++v)
        if (!c.partsName[static_cast<std::size_t>(v)].empty() && c.partsTile[static_cast<std::size_t>(v)] != 0)
            tiles.insert(c.partsTile[static_cast<std::size_t>(v)]);
    for (int tile : tiles) {
        const QPoint o = TileSheet::blockOrigin(tile);
        EXPECT_LE(o.x() + 16, image.width()) << tile;
        EXPECT_LE(o.y() + 16, image.height()) << tile;
        EXPECT_NE(block(image, tile), empty) << tile;
    }
    // Distinct tile numbers get distinct graphics.
    for (int a : tiles)
        for (int b : tiles)
            if (a < b) {
                EXPECT_NE(block(image, a), block(image, b)) << a << " " << b;
            }
}

// A bitmap of `bits` a pixel without compression, rows bottom up or top down.
QByteArray bitmapOf(const QImage& image, int bits, bool topDown)
{
    const int stride = (image.width() * bits + 31) / 32 * 4;
    QByteArray bytes(54 + stride * image.height(), '\0');
    auto* p = reinterpret_cast<uchar*>(bytes.data());
    p[0] = 'B';
    p[1] = 'M';
    qToLittleEndian<quint32>(static_cast<quint32>(bytes.size()), p + 2);
    qToLittleEndian<quint32>(54, p + 10);
    qToLittleEndian<quint32>(40, p + 14);
    qToLittleEndian<qint32>(image.width(), p + 18);
    qToLittleEndian<qint32>(topDown ? -image.height() : image.height(), p + 22);
    qToLittleEndian<quint16>(1, p + 26);
    qToLittleEndian<quint16>(static_cast<quint16>(bits), p + 28);
    for (int y = 0; y < image.height(); ++y) {
        uchar* out = p + 54 + (topDown ? y : image.height() - 1 - y) * stride;
        for (int x = 0; x < image.width(); ++x, out += bits / 8) {
            const QRgb c = image.pixel(x, y);
            out[0] = static_cast<uchar>(qBlue(c));
            out[1] = static_cast<uchar>(qGreen(c));
            out[2] = static_cast<uchar>(qRed(c));
        }
    }
    return bytes;
}

// Our own sheet in every row order and depth a plain bitmap has, an odd
// width padding its rows, reads as it was drawn.
TEST(TileSheet, PlainBitmapsReadAsDrawn)
{
    TileSheet ours;
    ASSERT_EQ(ours.decode(bytesOf(KELMOR_TILE_SHEET)), TileSheet::Status::Loaded);
    const QImage drawn = ours.image().copy(0, 0, 37, 21);
    for (const int bits : {24, 32})
        for (const bool topDown : {false, true}) {
            const QByteArray bytes = bitmapOf(drawn, bits, topDown);
            EXPECT_EQ(TileSheet::readPlainBitmap(bytes), drawn) << bits << " bits, top down " << topDown;
            TileSheet sheet;
            ASSERT_EQ(sheet.decode(bytes), TileSheet::Status::Loaded);
            EXPECT_EQ(sheet.image(), drawn);
        }
}

// A sheet saved in another format under the same name is read by its content.
TEST(TileSheet, ASheetInAnotherFormatIsReadAsWell)
{
    TileSheet bmp;
    ASSERT_EQ(bmp.decode(bytesOf(KELMOR_TILE_SHEET)), TileSheet::Status::Loaded);
    QByteArray png;
    QBuffer buffer(&png);
    ASSERT_TRUE(bmp.image().save(&buffer, "PNG"));
    TileSheet sheet;
    ASSERT_EQ(sheet.decode(png), TileSheet::Status::Loaded);
    EXPECT_EQ(sheet.image(), bmp.image());
}

TEST(TileSheet, WhatIsNoWholeBitmapIsUnreadable)
{
    TileSheet sheet;
    EXPECT_EQ(sheet.decode("BM this is not a bitmap"), TileSheet::Status::Unreadable);
    EXPECT_FALSE(sheet.isLoaded());

    // Our own sheet, whole and then cut off: Qt would decode the cut one.
    const QByteArray whole = bytesOf(KELMOR_TILE_SHEET);
    EXPECT_EQ(sheet.decode(whole), TileSheet::Status::Loaded);
    for (qsizetype cut : {whole.size() - 1, whole.size() / 2, qsizetype{60}}) {
        SCOPED_TRACE(cut);
        EXPECT_EQ(sheet.decode(whole.left(cut)), TileSheet::Status::Unreadable);
    }

    // Sizes no file holds, which the arithmetic on them would overflow.
    QByteArray hostile = whole;
    auto put = [&](int at, quint32 value, int size) {
        for (int i = 0; i < size; ++i)
            hostile[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    put(18, 0x7fffffff, 4);
    put(22, 0x7fffffff, 4);
    put(28, 65535, 2);
    EXPECT_EQ(sheet.decode(hostile), TileSheet::Status::Unreadable);

    // A bitmap smaller than one tile would draw every cell black.
    QBuffer tiny;
    tiny.open(QIODevice::WriteOnly);
    QImage(1, 1, QImage::Format_RGB32).save(&tiny, "BMP");
    EXPECT_EQ(sheet.decode(tiny.data()), TileSheet::Status::Unreadable);
}

}  // namespace
}  // namespace kelmor
