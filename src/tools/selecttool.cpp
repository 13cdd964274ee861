#include "tools/selecttool.h"

#include <QPainter>

#include "document/editsession.h"
#include "document/mapdocument.h"
#include "edit/shapes.h"
#include "tools/cellactions.h"
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
    from_ = context_.session.selection();
    moving_ = from_.contains(event.cell);
    DragTool::begin(event);
}

void SelectTool::dragged()
{
    if (!moving_)
        context_.session.setSelection(CellRect::spanning(anchor(), last()));
}

bool SelectTool::cancel()
{
    if (!moving_ || !dragging())
        return false;  // Escape clears the selection instead
    moving_ = false;
    return DragTool::cancel();
}

std::vector<std::pair<CellPos, char>> SelectTool::moved() const
{
    const int right = last().column - anchor().column;
    const int down = last().row - anchor().row;
    std::vector<std::pair<CellPos, char>> cells;
    for (const CellPos& cell : rectCells(context_.document.rows(), from_)) {
        const CellPos to{cell.column + right, cell.row + down};
        if (CellRect::wholeMap().contains(to))
            cells.push_back({to, *codeAt(context_.document.rows(), cell)});
    }
    return cells;
}

ToolPreview SelectTool::preview() const
{
    if (!moving_ || !dragging() || last() == anchor())
        return {};
    return {{}, moved()};
}

void SelectTool::finish(const ToolEvent& event)
{
    const bool moving = moving_;
    moving_ = false;
    if (!moving || last() == anchor()) {
        // A click: the cell alone, as a press outside the selection makes it.
        if (moving)
            context_.session.setSelection(CellRect::spanning(last(), last()));
        const CellRect selection = context_.session.selection();
        context_.moveCursor({selection.left, selection.top});
        return;
    }
    moveSelection(context_, from_, last().column - anchor().column, last().row - anchor().row,
                  event.modifiers.testFlag(Qt::ControlModifier));
    const CellRect to = context_.session.selection();
    context_.moveCursor({to.left, to.top});
}

}  // namespace kelmor
