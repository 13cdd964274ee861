#include <gtest/gtest.h>

#include <QImage>
#include <random>

#include "view/pixelrepeat.h"

namespace kelmor {
namespace {

QImage noise(int width, int height, QImage::Format format, unsigned seed)
{
    QImage image(width, height, QImage::Format_ARGB32);
    std::mt19937 random(seed);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, static_cast<QRgb>(random()) | (format == QImage::Format_RGB32 ? 0xff000000u : 0u));
    return image.convertToFormat(format);
}

// The pictures the palette panel and the exports show are what Qt's fast
// scaling made of them, for every 32-bit format, odd sizes and factors
// included; other formats are Qt's own scaling.
TEST(RepeatPixels, GivesWhatQtsFastScalingGives)
{
    for (const QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB888}) {
        for (const QSize size : {QSize(16, 16), QSize(7, 3), QSize(1, 1), QSize(57, 35)}) {
            const QImage image = noise(size.width(), size.height(), format, static_cast<unsigned>(format));
            for (const int factor : {1, 2, 3, 5}) {
                SCOPED_TRACE(testing::Message() << "format " << format << ", " << size.width() << " x " << size.height()
                                                << ", factor " << factor);
                const QImage repeated = repeatPixels(image, factor);
                EXPECT_EQ(repeated.format(), format);
                EXPECT_EQ(repeated, image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation));
            }
        }
    }
    EXPECT_TRUE(repeatPixels(QImage(), 2).isNull());
}

}  // namespace
}  // namespace kelmor
