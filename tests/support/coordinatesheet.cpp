#include "support/coordinatesheet.h"

namespace kelmor::test {

namespace {
constexpr int kCell = 16;
}

QImage coordinateSheet(int width, int height)
{
    QImage sheet(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            sheet.setPixel(x, y, sheetPixel(x, y));
    return sheet;
}

QRgb sheetPixel(int x, int y)
{
    return qRgb(x, y, 77);
}

bool cellShowsBlock(const QImage& view, int row, int column, QPoint origin, int step)
{
    for (int dy = 0; dy < kCell; dy += step)
        for (int dx = 0; dx < kCell; dx += step)
            if (view.pixel(column * kCell + dx, row * kCell + dy) != sheetPixel(origin.x() + dx, origin.y() + dy))
                return false;
    return true;
}

}  // namespace kelmor::test
