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

void RectangleTool::begin(const ToolEvent& event)
{
    dragging_ = true;
    anchor_ = last_ = event.cell;
}

void RectangleTool::move(const ToolEvent& event)
{
    if (dragging_)
        last_ = event.cell;
}

void RectangleTool::release(const ToolEvent& event)
{
    if (!dragging_ || (event.button != Qt::LeftButton && event.button != Qt::MiddleButton))
        return;
    dragging_ = false;
    context_.document.markPressed();
    putPalette(context_, rectCells(context_.document.rows(), CellRect::spanning(anchor_, last_)),
               QStringLiteral("矩形"));
}

bool RectangleTool::cancel()
{
    const bool was = dragging_;
    dragging_ = false;
    return was;
}

ToolPreview RectangleTool::preview() const
{
    if (!dragging_)
        return {};
    return {CellRect::spanning(anchor_, last_), {}};
}

}  // namespace kelmor
