#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>
#include <utility>
#include <vector>

#include "model/catalogue.h"
#include "model/mapgrid.h"
#include "document/tilesheet.h"

namespace kelmor {

// Pictures of maps for the command line, drawn by the view's own code, so a
// picture is what the editor shows.

struct MapLook {
    int scale = 1;      // pixels repeated, never smoothed
    bool grid = false;  // as the view's overlay draws them
    bool codes = false;
    bool marker = false;  // the red marker of the full redraw
};

QImage mapPicture(const MapRows& rows, const Catalogue& catalogue, const TileSheet& sheet, const MapLook& look);

// The size of a sheet of `maps` maps, `columns` to a row, each under a strip
// with its number; computed before anything is drawn, so a sheet too large is
// refused without drawing it.
QSize sheetSize(std::int64_t maps, int columns);
QImage sheetPicture(const std::vector<std::pair<std::int64_t, MapRows>>& maps, int columns, const Catalogue& catalogue,
                    const TileSheet& sheet);

// At most `width` pixels wide: the map's graphics scaled down, or without a
// tile sheet each cell in a colour of its code.
QImage thumbnailPicture(const MapRows& rows, const Catalogue& catalogue, const TileSheet& sheet, int width);

}  // namespace kelmor
