#include "tools/brushtool.h"

#include <QPainter>

#include "tools/cellactions.h"
#include "tools/toolicon.h"

namespace kelmor {

QIcon BrushTool::icon()
{
    return drawToolIcon([](QPainter& p, const QColor& ink) {
        for (int i = 0; i < 10; ++i)
            p.fillRect(2 + i, 11 - i / 2 - (i % 3), 3, 3, ink);  // a stroke
    });
}

void BrushTool::begin(const ToolEvent& event)
{
    context_.document.markPressed();
    stroking_ = true;
    refused_ = false;
    stroke_ = newStroke();
    last_ = event.cell;
    put({event.cell});
}

void BrushTool::move(const ToolEvent& event)
{
    if (!stroking_ || event.cell == last_)
        return;
    std::vector<CellPos> cells = lineCells(last_, event.cell);
    cells.erase(cells.begin());  // put already
    last_ = event.cell;
    put(cells);
}

void BrushTool::release(const ToolEvent& event)
{
    if (event.button == Qt::LeftButton || event.button == Qt::MiddleButton)
        stroking_ = false;
}

void BrushTool::put(const std::vector<CellPos>& cells)
{
    if (refused_)
        return;
    refused_ = !putPalette(context_, cells, ToolWords::tr("ブラシ"), stroke_);
}

}  // namespace kelmor
