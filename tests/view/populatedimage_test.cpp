#include <gtest/gtest.h>

#include "view/populatedimage.h"

namespace kelmor {
namespace {

TEST(PopulatedImage, LaidOutAsQtsOwnAndWritableThroughout)
{
    const std::pair<QSize, QImage::Format> cases[] = {{QSize(560, 272), QImage::Format_RGB32},
                                                      {QSize(3, 5), QImage::Format_ARGB32_Premultiplied},
                                                      {QSize(7, 3), QImage::Format_RGB888},
                                                      {QSize(13, 7), QImage::Format_Grayscale8}};
    for (const auto& [size, format] : cases) {
        QImage image = populatedImage(size, format);
        const QImage qts(size, format);
        ASSERT_EQ(image.size(), size);
        ASSERT_EQ(image.format(), format);
        EXPECT_EQ(image.bytesPerLine(), qts.bytesPerLine()) << format;
        image.fill(Qt::white);
        image.setPixelColor(size.width() - 1, size.height() - 1, Qt::black);
        EXPECT_EQ(image.pixelColor(size.width() - 1, size.height() - 1), QColor(Qt::black)) << format;
        EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white)) << format;
    }
    EXPECT_TRUE(populatedImage(QSize(0, 4), QImage::Format_RGB32).isNull());
    EXPECT_TRUE(populatedImage(QSize(4, 4), QImage::Format_Invalid).isNull());
}

TEST(PopulatedImage, CopiesShareUntilWrittenAndOutliveTheFirst)
{
    QImage image = populatedImage(QSize(64, 64), QImage::Format_RGB32);
    image.fill(0xff102030);
    QImage copy = image;
    copy.setPixel(1, 1, 0xffffffff);  // detaches: the first keeps its pixel
    EXPECT_EQ(image.pixel(1, 1), 0xff102030);
    QImage shared = image;
    image = QImage();  // the mapping stays while a copy holds it
    EXPECT_EQ(shared.pixel(63, 63), 0xff102030);
    EXPECT_EQ(copy.pixel(1, 1), 0xffffffff);
}

}  // namespace
}  // namespace kelmor
