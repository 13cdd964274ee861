#include "view/cellcolours.h"

#include <QColor>
#include <QImage>

#include "view/mapimage.h"

namespace kelmor {

namespace {
QRgb averageOf(const QImage& cell)
{
    long long r = 0, g = 0, b = 0;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x) {
            const QRgb p = cell.pixel(x, y);
            r += qRed(p);
            g += qGreen(p);
            b += qBlue(p);
        }
    const long long n = std::max(1LL, static_cast<long long>(cell.width()) * cell.height());
    return qRgb(static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n));
}
}  // namespace

std::array<QRgb, 256> cellColours(const Catalogue& catalogue, const TileSheet& sheet)
{
    std::array<QRgb, 256> colours{};
    for (int code = 0; code < 256; ++code) {
        const char c = static_cast<char>(code);
        QRgb colour = qRgb(0, 0, 0);
        if (sheet.isLoaded())
            colour = averageOf(MapImage::cellPicture(c, catalogue, sheet));
        else if (c != ' ' && c != '0')
            colour = QColor::fromHsv((code * 47) % 360, 160, 230).rgb();
        colours[static_cast<std::size_t>(code)] = colour;
    }
    return colours;
}

QImage colourPicture(const MapRows& rows, const std::array<QRgb, 256>& colours)
{
    QImage image(kMapColumns, kMapRows, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    for (int r = 0; r < kMapRows; ++r) {
        const std::string& line = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < kMapColumns && static_cast<std::size_t>(c) < line.size(); ++c)
            image.setPixel(c, r, colours[static_cast<unsigned char>(line[static_cast<std::size_t>(c)])]);
    }
    return image;
}

}  // namespace kelmor
