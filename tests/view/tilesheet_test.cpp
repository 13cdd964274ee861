#include <gtest/gtest.h>

#include <set>

#include "model/catalogue.h"
#include "support/tempdir.h"
#include "view/tilesheet.h"

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
}

}  // namespace
}  // namespace kelmor
