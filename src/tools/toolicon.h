#pragma once

#include <QColor>
#include <QIcon>
#include <functional>

class QPainter;

namespace kelmor {

// A tool's 16 x 16 picture, drawn by `draw` in one ink on a clear ground.
QIcon drawToolIcon(const std::function<void(QPainter&, const QColor& ink)>& draw);

}  // namespace kelmor
