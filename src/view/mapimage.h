#pragma once

#include <QImage>

class QPainter;

#include "model/catalogue.h"
#include "model/mapgrid.h"
#include "document/tilesheet.h"

namespace kelmor {

inline constexpr int kViewWidth = kMapColumns * kCellSize;  // 560
inline constexpr int kViewHeight = kMapRows * kCellSize;    // 272

// The map view's off-screen image and the two ways of drawing into it.
class MapImage {
public:
    MapImage();

    const QImage& image() const { return image_; }

    // The cell drawing rule: the tile sheet's block for the cell's code, copied
    // plainly to the cell. A missing column, a code without a catalogue entry
    // and any part of the block outside the sheet show as tile 0 or black;
    // nothing is ever read outside the sheet or the catalogue. Without a tile
    // sheet each cell shows its code on black, so the map can still be read.
    void drawCell(int row, int column, const MapRows& grid, const Catalogue& catalogue, const TileSheet& sheet);

    // All 595 cells, then the red marker outline from (96, 56) to (111, 71)
    // (left out, for a picture of the map, without `marker`).
    void drawMap(const MapRows& grid, const Catalogue& catalogue, const TileSheet& sheet, bool marker = true);

    // The 16 x 16 picture of a cell holding `code`, by the same rule.
    static QImage cellPicture(char code, const Catalogue& catalogue, const TileSheet& sheet);

private:
    // An image of `size` for fewer cells than a map's.
    explicit MapImage(QSize size);
    // `blank` made black.
    explicit MapImage(QImage blank);
    void writeCode(QPainter& painter, int row, int column, const MapRows& grid);
    void fillRect(const QRect& rect, QRgb colour);
    void copyBlock(int tileNumber, int x, int y, const TileSheet& sheet);
    void drawMarker();

    QImage image_;
};

}  // namespace kelmor
