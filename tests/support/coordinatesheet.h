#pragma once

#include <QImage>
#include <QPoint>

namespace kelmor::test {

// A tile sheet whose every pixel is different: pixel (x, y) is RGB(x, y, 77),
// so a copied block tells exactly where it came from.
QImage coordinateSheet(int width = 224, int height = 144);
QRgb sheetPixel(int x, int y);

// True when the view's cell shows the coordinate sheet's 16 x 16 block at
// `origin`; every `step`th pixel of each line is compared.
bool cellShowsBlock(const QImage& view, int row, int column, QPoint origin, int step = 1);

}  // namespace kelmor::test
