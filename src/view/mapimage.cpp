#include "view/mapimage.h"

#include <algorithm>
#include <cstring>

#include "model/celldecode.h"

namespace kelmor {

namespace {
constexpr int kBlock = 16;
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kRed = 0xffff0000;
}  // namespace

MapImage::MapImage() : image_(kViewWidth, kViewHeight, QImage::Format_RGB32)
{
    image_.fill(kBlack);
}

void MapImage::fillRect(const QRect& rect, QRgb colour)
{
    const QRect r = rect.intersected(image_.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(line + r.left(), line + r.right() + 1, colour);
    }
}

void MapImage::copyBlock(int tileNumber, int x, int y, const TileSheet& sheet)
{
    // Rows are copied straight between the two RGB32 images: this runs 595
    // times for every full redraw.
    const QPoint origin = TileSheet::blockOrigin(tileNumber);
    const QImage& src = sheet.image();
    const int width = src.isNull() ? 0 : std::clamp(src.width() - origin.x(), 0, kBlock);
    const int height = src.isNull() ? 0 : std::clamp(src.height() - origin.y(), 0, kBlock);
    for (int dy = 0; dy < kBlock; ++dy) {
        auto* out = reinterpret_cast<QRgb*>(image_.scanLine(y + dy)) + x;
        int copied = 0;
        if (dy < height) {
            const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(origin.y() + dy)) + origin.x();
            std::memcpy(out, in, static_cast<std::size_t>(width) * sizeof(QRgb));
            copied = width;
        }
        std::fill(out + copied, out + kBlock, kBlack);
    }
}

void MapImage::drawCell(int row, int column, const MapGrid& grid, const Catalogue& catalogue,
                        const TileSheet& sheet)
{
    const std::string& line = grid[static_cast<std::size_t>(row)];
    int tile = 0;
    if (static_cast<std::size_t>(column) < line.size())
        tile = catalogue.tileOf(cellValue(line[static_cast<std::size_t>(column)]));
    copyBlock(tile, column * kBlock, row * kBlock, sheet);
}

void MapImage::drawMap(const MapGrid& grid, const Catalogue& catalogue, const TileSheet& sheet)
{
    for (int r = 0; r < kMapRows; ++r)
        for (int c = 0; c < kMapColumns; ++c)
            drawCell(r, c, grid, catalogue, sheet);
    drawMarker();
}

void MapImage::drawMarker()
{
    // Just above and left of the centre of the 224 x 144 area at the top left.
    const int left = 224 / 2 - 16;
    const int top = 144 / 2 - 16;
    const int right = left + 15;
    const int bottom = top + 15;
    fillRect(QRect(QPoint(left, top), QPoint(right, top)), kRed);
    fillRect(QRect(QPoint(left, bottom), QPoint(right, bottom)), kRed);
    fillRect(QRect(QPoint(left, top), QPoint(left, bottom)), kRed);
    fillRect(QRect(QPoint(right, top), QPoint(right, bottom)), kRed);
}

}  // namespace kelmor
