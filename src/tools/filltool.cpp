#include "tools/filltool.h"

#include <QPainter>

#include "edit/shapes.h"
#include "tools/cellactions.h"
#include "tools/toolicon.h"

namespace kelmor {

QIcon FillTool::icon()
{
    return drawToolIcon([](QPainter& p, const QColor&) {
        p.fillRect(2, 3, 12, 10, QColor(90, 140, 220));
        p.drawRect(2, 3, 11, 9);
    });
}

void FillTool::begin(const ToolEvent& event)
{
    context_.document.markPressed();
    putPalette(context_, floodCells(context_.document.rows(), event.cell), ToolWords::tr("塗りつぶし"));
}

}  // namespace kelmor
