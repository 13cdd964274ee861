#pragma once

#include <QImage>
#include <QRgb>
#include <array>

#include "model/catalogue.h"
#include "model/mapgrid.h"
#include "document/tilesheet.h"

namespace kelmor {

// One colour for each byte a cell can hold, for pictures too small for the
// graphics: the average of the block the map view shows for it. Without a
// tile sheet each code gets a colour of its own, the blanks and "0"s that fill
// most maps black.
std::array<QRgb, 256> cellColours(const Catalogue& catalogue, const TileSheet& sheet);

// The map as 35 x 17 pixels, one a cell in its colour; cells a row does not
// have are black.
QImage colourPicture(const MapRows& rows, const std::array<QRgb, 256>& colours);

}  // namespace kelmor
