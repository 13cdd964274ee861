#pragma once

#include <QPoint>
#include <QRect>

#include "model/mapgrid.h"

class QPainter;

namespace kelmor {

// Writes a cell's code over the 16 x 16 cell at `topLeft`: white on a black
// edge, so that it reads on every tile and on black. A byte outside printable
// ASCII shows as "?"; a blank shows nothing.
void drawCellCode(QPainter& painter, QPoint topLeft, char code);

// What the view can show over the map, never in its image: the grid between
// the cells and every cell's code, for the cells in `area` (view pixels).
// The same for the view on screen and for a picture of it.
void drawOverlay(QPainter& painter, const MapRows& rows, const QRect& area, bool grid, bool codes);

}  // namespace kelmor
