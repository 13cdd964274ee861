#include "tools/rectangletool.h"

#include <QPainter>

#include "edit/shapes.h"
#include "tools/cellactions.h"
#include "tools/toolicon.h"

namespace kelmor {

QIcon RectangleTool::icon()
{
    return drawToolIcon([](QPainter& p, const QColor&) { p.drawRect(2, 3, 11, 9); });
}

void RectangleTool::finish(const ToolEvent& /*event*/)
{
    context_.document.markPressed();
    putPalette(context_, rectCells(context_.document.rows(), CellRect::spanning(anchor(), last())),
               ToolWords::tr("矩形"));
}

ToolPreview RectangleTool::preview() const
{
    return outlinePreview();
}

}  // namespace kelmor
