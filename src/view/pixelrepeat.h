#pragma once

#include <QImage>

namespace kelmor {

// `image` `factor` times as wide and high, each pixel repeated into a square:
// the tiles are pixel art, never smoothed. What Qt's fast scaling gives, made
// directly for RGB32 and premultiplied ARGB32 images (the map's and the
// cells'), without Qt's general transformation; other images go to Qt's.
QImage repeatPixels(const QImage& image, int factor);

}  // namespace kelmor
