#pragma once

#include <QIcon>

#include "view/mapview.h"

namespace kelmor {

// The tool bar's pictures, drawn here: a pen, a brush's stroke, a rectangle,
// a filled area, a dashed selection.
QIcon toolIcon(MapView::Tool tool);

}  // namespace kelmor
