#include "view/pixelrepeat.h"

#include <algorithm>
#include <cstring>

namespace kelmor {

QImage repeatPixels(const QImage& image, int factor)
{
    if (factor == 1 || image.isNull())
        return image;
    const QImage::Format format = image.format();
    // Qt scales unpremultiplied pixels through premultiplied ones, which
    // rounds them: those, too, are left to Qt.
    if (factor < 1 || (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied))
        return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage out(image.width() * factor, image.height() * factor, format);
    if (out.isNull())
        return out;
    const auto width = static_cast<std::size_t>(out.width());
    const auto step = static_cast<std::size_t>(factor);
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        auto* first = reinterpret_cast<QRgb*>(out.scanLine(y * factor));
        for (int x = 0; x < image.width(); ++x)
            std::fill_n(first + static_cast<std::size_t>(x) * step, step, in[x]);
        // The other lines of the square are the first again.
        for (int copy = 1; copy < factor; ++copy)
            std::memcpy(out.scanLine(y * factor + copy), first, width * sizeof(QRgb));
    }
    return out;
}

}  // namespace kelmor
