#include "view/mapimage.h"

#include <algorithm>
#include <array>
#include <cstring>

#include <QPainter>

#include "model/celldecode.h"
#include "view/cellcode.h"
#include "view/populatedimage.h"

namespace kelmor {

namespace {
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kRed = 0xffff0000;
}  // namespace

// A whole map's image is drawn all over as soon as it is made: its pages are
// mapped ready.
MapImage::MapImage() : MapImage(populatedImage(QSize(kViewWidth, kViewHeight), QImage::Format_RGB32)) {}

MapImage::MapImage(QSize size) : MapImage(QImage(size, QImage::Format_RGB32)) {}

MapImage::MapImage(QImage blank) : image_(std::move(blank))
{
    // Black until the first map is drawn: the view never shows stale memory.
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
    // Rows go straight between the two RGB32 images: a full redraw does this
    // 595 times, so the images' bits are fetched once, not per row.
    const QPoint origin = TileSheet::blockOrigin(tileNumber);
    const QImage& src = sheet.image();
    const int width = src.isNull() ? 0 : std::clamp(src.width() - origin.x(), 0, kCellSize);
    const int height = src.isNull() ? 0 : std::clamp(src.height() - origin.y(), 0, kCellSize);
    const qsizetype outStride = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    auto* out = reinterpret_cast<QRgb*>(image_.bits()) + y * outStride + x;
    if (width == kCellSize && height == kCellSize) {
        const qsizetype inStride = src.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
        const auto* in = reinterpret_cast<const QRgb*>(src.constBits()) + origin.y() * inStride + origin.x();
        for (int dy = 0; dy < kCellSize; ++dy, out += outStride, in += inStride)
            std::memcpy(out, in, kCellSize * sizeof(QRgb));
        return;
    }
    for (int dy = 0; dy < kCellSize; ++dy, out += outStride) {
        int copied = 0;
        if (dy < height) {
            const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(origin.y() + dy)) + origin.x();
            std::memcpy(out, in, static_cast<std::size_t>(width) * sizeof(QRgb));
            copied = width;
        }
        std::fill(out + copied, out + kCellSize, kBlack);
    }
}

void MapImage::writeCode(QPainter& painter, int row, int column, const MapRows& grid)
{
    const QPoint at(column * kCellSize, row * kCellSize);
    painter.fillRect(QRect(at, QSize(kCellSize, kCellSize)), QColor::fromRgb(kBlack));
    const std::string& line = grid[static_cast<std::size_t>(row)];
    if (static_cast<std::size_t>(column) < line.size())
        drawCellCode(painter, at, line[static_cast<std::size_t>(column)]);
}

void MapImage::drawCell(int row, int column, const MapRows& grid, const Catalogue& catalogue, const TileSheet& sheet)
{
    if (!sheet.isLoaded()) {
        QPainter painter(&image_);
        writeCode(painter, row, column, grid);
        return;
    }
    const std::string& line = grid[static_cast<std::size_t>(row)];
    int tile = 0;
    if (static_cast<std::size_t>(column) < line.size())
        tile = catalogue.tileOf(cellValue(line[static_cast<std::size_t>(column)]));
    copyBlock(tile, column * kCellSize, row * kCellSize, sheet);
}

void MapImage::drawMap(const MapRows& grid, const Catalogue& catalogue, const TileSheet& sheet, bool marker)
{
    if (!sheet.isLoaded()) {
        QPainter painter(&image_);
        for (int r = 0; r < kMapRows; ++r)
            for (int c = 0; c < kMapColumns; ++c)
                writeCode(painter, r, c, grid);
        painter.end();
        if (marker)
            drawMarker();
        return;
    }
    // Every byte's tile, worked out once instead of 595 times.
    std::array<int, 256> tileOfCode{};
    for (int code = 0; code < 256; ++code)
        tileOfCode[static_cast<std::size_t>(code)] = catalogue.tileOf(cellValue(static_cast<char>(code)));
    for (int r = 0; r < kMapRows; ++r) {
        const std::string& line = grid[static_cast<std::size_t>(r)];
        for (int c = 0; c < kMapColumns; ++c) {
            const int tile = static_cast<std::size_t>(c) < line.size()
                                 ? tileOfCode[static_cast<unsigned char>(line[static_cast<std::size_t>(c)])]
                                 : 0;
            copyBlock(tile, c * kCellSize, r * kCellSize, sheet);
        }
    }
    if (marker)
        drawMarker();
}

QImage MapImage::cellPicture(char code, const Catalogue& catalogue, const TileSheet& sheet)
{
    // One cell's image, not a map's: the palette draws dozens of these.
    MapImage one(QSize(kCellSize, kCellSize));
    MapRows rows;
    rows[0] = std::string(1, code);
    one.drawCell(0, 0, rows, catalogue, sheet);
    return one.image_;
}

void MapImage::drawMarker()
{
    // Just above and left of the centre of the 224 x 144 area at the top left.
    const int left = 224 / 2 - kCellSize;
    const int top = 144 / 2 - kCellSize;
    const int right = left + kCellSize - 1;
    const int bottom = top + kCellSize - 1;
    fillRect(QRect(QPoint(left, top), QPoint(right, top)), kRed);
    fillRect(QRect(QPoint(left, bottom), QPoint(right, bottom)), kRed);
    fillRect(QRect(QPoint(left, top), QPoint(left, bottom)), kRed);
    fillRect(QRect(QPoint(right, top), QPoint(right, bottom)), kRed);
}

}  // namespace kelmor
