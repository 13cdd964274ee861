#include "tools/dragtool.h"

namespace kelmor {

void DragTool::begin(const ToolEvent& event)
{
    dragging_ = true;
    anchor_ = last_ = event.cell;
    dragged();
}

void DragTool::move(const ToolEvent& event)
{
    if (!dragging_ || event.cell == last_)
        return;
    last_ = event.cell;
    dragged();
}

void DragTool::release(const ToolEvent& event)
{
    if (!dragging_ || (event.button != Qt::LeftButton && event.button != Qt::MiddleButton))
        return;
    dragging_ = false;
    finish(event);
}

ToolPreview DragTool::outlinePreview() const
{
    if (!dragging_)
        return {};
    return {CellRect::spanning(anchor_, last_), {}};
}

bool DragTool::cancel()
{
    const bool was = dragging_;
    dragging_ = false;
    return was;
}

}  // namespace kelmor
