// The tile sheet kept beside the level file while another program changes it.
#include <QBuffer>
#include <QImage>
#include <filesystem>
#include <gtest/gtest.h>

#include "document/tilesheetkeeper.h"
#include "fs/fileops.h"
#include "support/tempdir.h"

namespace kelmor {
namespace {

void writeSheet(const test::TempDir& dir, QRgb colour)
{
    QImage image(224, 144, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    // Replaced, as an image editor saves: another file at the name.
    test::writeFile(dir.file("kelmor.bmp.new"), bytes.toStdString());
    std::filesystem::rename(dir.file("kelmor.bmp.new"), dir.file("kelmor.bmp"));
}

TEST(TileSheetKeeper, ReadsAgainOnlyAChangedSheetAndKeepsTheTilesWhileItCannot)
{
    test::TempDir dir;
    const std::unique_ptr<FileOps> ops = makePosixFileOps();
    TileSheetKeeper keeper(*ops, dir.path());
    EXPECT_EQ(keeper.path(), dir.file("kelmor.bmp"));
    EXPECT_EQ(keeper.load(), TileSheet::Status::Missing);
    EXPECT_FALSE(keeper.sheet().isLoaded());
    EXPECT_EQ(keeper.follow(), TileSheetKeeper::Followed::Unchanged);

    writeSheet(dir, qRgb(255, 0, 0));
    EXPECT_EQ(keeper.follow(), TileSheetKeeper::Followed::Reread);
    EXPECT_EQ(keeper.sheet().image().pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(keeper.follow(), TileSheetKeeper::Followed::Unchanged);

    test::writeFile(dir.file("kelmor.bmp"), "not a bitmap");
    EXPECT_EQ(keeper.follow(), TileSheetKeeper::Followed::Unreadable);
    EXPECT_EQ(keeper.sheet().image().pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(keeper.follow(), TileSheetKeeper::Followed::Unchanged);  // told once, not at every look

    writeSheet(dir, qRgb(0, 0, 255));
    EXPECT_EQ(keeper.follow(), TileSheetKeeper::Followed::Reread);
    EXPECT_EQ(keeper.sheet().image().pixel(5, 5), qRgb(0, 0, 255));
    EXPECT_EQ(keeper.load(), TileSheet::Status::Loaded);
}

}  // namespace
}  // namespace kelmor
