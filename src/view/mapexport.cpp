#include "view/mapexport.h"

#include <QPainter>

#include "view/cellcode.h"
#include "view/cellcolours.h"
#include "view/mapimage.h"
#include "view/pixelrepeat.h"

namespace kelmor {

namespace {
constexpr int kLabelHeight = 20;
constexpr int kGap = 8;
}  // namespace

QImage mapPicture(const MapRows& rows, const Catalogue& catalogue, const TileSheet& sheet, const MapLook& look)
{
    MapImage image;
    image.drawMap(rows, catalogue, sheet, look.marker);
    QImage picture = image.image();
    if (look.grid || look.codes) {
        QPainter painter(&picture);
        drawOverlay(painter, rows, picture.rect(), look.grid, look.codes);
    }
    return repeatPixels(picture, look.scale);
}

QSize sheetSize(std::int64_t maps, int columns)
{
    const std::int64_t across = std::min<std::int64_t>(columns, std::max<std::int64_t>(maps, 1));
    const std::int64_t down = (maps + columns - 1) / columns;
    const std::int64_t width = across * (kViewWidth + kGap) - kGap;
    const std::int64_t height = down * (kLabelHeight + kViewHeight + kGap) - kGap;
    // Kept within what a QSize holds; the caller refuses far less than this.
    const std::int64_t most = std::numeric_limits<int>::max();
    return {static_cast<int>(std::min(width, most)), static_cast<int>(std::min(height, most))};
}

QImage sheetPicture(const std::vector<std::pair<std::int64_t, MapRows>>& maps, int columns, const Catalogue& catalogue,
                    const TileSheet& sheet)
{
    QImage picture(sheetSize(static_cast<std::int64_t>(maps.size()), columns), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    QFont font(QStringLiteral("sans"));
    font.setPixelSize(14);
    painter.setFont(font);
    painter.setPen(Qt::black);
    int index = 0;
    for (const auto& [number, rows] : maps) {
        const QPoint at((index % columns) * (kViewWidth + kGap),
                        (index / columns) * (kLabelHeight + kViewHeight + kGap));
        painter.drawText(QRect(at, QSize(kViewWidth, kLabelHeight)), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("map No %1").arg(number));
        painter.drawImage(at + QPoint(0, kLabelHeight), mapPicture(rows, catalogue, sheet, {}));
        ++index;
    }
    return picture;
}

QImage thumbnailPicture(const MapRows& rows, const Catalogue& catalogue, const TileSheet& sheet, int width)
{
    width = std::clamp(width, 1, kViewWidth);
    const int height = std::max(1, width * kViewHeight / kViewWidth);
    if (!sheet.isLoaded())
        return colourPicture(rows, cellColours(catalogue, sheet))
            .scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return mapPicture(rows, catalogue, sheet, {})
        .scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace kelmor
