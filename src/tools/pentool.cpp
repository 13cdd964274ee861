#include "tools/pentool.h"

#include <QPainter>
#include <QPixmap>

#include "tools/cellactions.h"
#include "tools/toolicon.h"

namespace kelmor {

QIcon PenTool::icon()
{
    return drawToolIcon([](QPainter& p, const QColor& ink) { p.fillRect(6, 6, 4, 4, ink); });  // one cell
}

void PenTool::begin(const ToolEvent& event)
{
    penPress(context_, event.cell);
}

}  // namespace kelmor
