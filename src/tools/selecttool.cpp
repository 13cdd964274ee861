#include "tools/selecttool.h"

#include <QPainter>

#include "document/editsession.h"
#include "tools/toolicon.h"

namespace kelmor {

QIcon SelectTool::icon()
{
    return drawToolIcon([](QPainter& p, const QColor& ink) {
        p.setPen(QPen(ink, 1, Qt::DashLine));
        p.drawRect(2, 3, 11, 9);
    });
}

void SelectTool::begin(const ToolEvent& event)
{
    dragging_ = true;
    anchor_ = event.cell;
    context_.session.setSelection(CellRect::spanning(anchor_, anchor_));
}

void SelectTool::move(const ToolEvent& event)
{
    if (dragging_)
        context_.session.setSelection(CellRect::spanning(anchor_, event.cell));
}

void SelectTool::release(const ToolEvent& event)
{
    if (!dragging_ || (event.button != Qt::LeftButton && event.button != Qt::MiddleButton))
        return;
    dragging_ = false;
    const CellRect selection = context_.session.selection();
    context_.moveCursor({selection.left, selection.top});
}

}  // namespace kelmor
