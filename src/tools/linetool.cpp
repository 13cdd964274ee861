#include "tools/linetool.h"

#include <QPainter>

#include "document/editsession.h"
#include "tools/cellactions.h"
#include "tools/toolicon.h"

namespace kelmor {

QIcon LineTool::icon()
{
    return drawToolIcon([](QPainter& p, const QColor& ink) {
        p.setPen(QPen(ink, 2));
        p.drawLine(3, 13, 13, 3);
    });
}

void LineTool::finish(const ToolEvent& /*event*/)
{
    context_.document.markPressed();
    putPalette(context_, lineCells(anchor(), last()), ToolWords::tr("ライン"));
}

ToolPreview LineTool::preview() const
{
    if (!dragging())
        return {};
    const std::optional<char32_t> code = context_.session.paletteCode();
    const char shown = code && isPlaceableCode(*code) ? static_cast<char>(*code) : '\0';
    ToolPreview preview;
    for (const CellPos& cell : lineCells(anchor(), last()))
        preview.cells.push_back({cell, shown});
    return preview;
}

}  // namespace kelmor
