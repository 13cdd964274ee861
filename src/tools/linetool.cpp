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

void LineTool::begin(const ToolEvent& event)
{
    dragging_ = true;
    anchor_ = last_ = event.cell;
}

void LineTool::move(const ToolEvent& event)
{
    if (dragging_)
        last_ = event.cell;
}

void LineTool::release(const ToolEvent& event)
{
    if (!dragging_ || (event.button != Qt::LeftButton && event.button != Qt::MiddleButton))
        return;
    dragging_ = false;
    context_.document.markPressed();
    putPalette(context_, lineCells(anchor_, last_), QStringLiteral("ライン"));
}

bool LineTool::cancel()
{
    const bool was = dragging_;
    dragging_ = false;
    return was;
}

ToolPreview LineTool::preview() const
{
    if (!dragging_)
        return {};
    const std::optional<char32_t> code = context_.session.paletteCode();
    const char shown = code && isPlaceableCode(*code) ? static_cast<char>(*code) : '\0';
    ToolPreview preview;
    for (const CellPos& cell : lineCells(anchor_, last_))
        preview.cells.push_back({cell, shown});
    return preview;
}

}  // namespace kelmor
