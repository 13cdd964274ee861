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

void SelectTool::dragged()
{
    context_.session.setSelection(CellRect::spanning(anchor(), last()));
}

void SelectTool::finish()
{
    const CellRect selection = context_.session.selection();
    context_.moveCursor({selection.left, selection.top});
}

}  // namespace kelmor
