#include "tools/frametool.h"

#include <QPainter>

#include "edit/shapes.h"
#include "tools/cellactions.h"
#include "tools/toolicon.h"

namespace kelmor {

QIcon FrameTool::icon()
{
    return drawToolIcon([](QPainter& p, const QColor& ink) {
        p.setPen(QPen(ink, 2));
        p.drawRect(3, 4, 10, 8);
    });
}

void FrameTool::finish(const ToolEvent& /*event*/)
{
    context_.document.markPressed();
    putPalette(context_, borderCells(context_.document.rows(), CellRect::spanning(anchor(), last())),
               ToolWords::tr("枠"));
}

ToolPreview FrameTool::preview() const
{
    return outlinePreview();
}

}  // namespace kelmor
