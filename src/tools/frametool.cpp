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
    const CellRect rect = CellRect::spanning(anchor(), last());
    std::vector<CellPos> border;
    for (const CellPos& cell : rectCells(context_.document.rows(), rect))
        if (cell.column == rect.left || cell.column == rect.right || cell.row == rect.top || cell.row == rect.bottom)
            border.push_back(cell);
    context_.document.markPressed();
    putPalette(context_, border, QStringLiteral("枠"));
}

ToolPreview FrameTool::preview() const
{
    if (!dragging())
        return {};
    return {CellRect::spanning(anchor(), last()), {}};
}

}  // namespace kelmor
