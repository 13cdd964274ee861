#pragma once

#include <QPoint>

class QPainter;

namespace kelmor {

// Writes a cell's code over the 16 x 16 cell at `topLeft`: white on a black
// edge, so that it reads on every tile and on black. A byte outside printable
// ASCII shows as "?"; a blank shows nothing.
void drawCellCode(QPainter& painter, QPoint topLeft, char code);

}  // namespace kelmor
