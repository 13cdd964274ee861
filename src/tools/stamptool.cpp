#include "tools/stamptool.h"

#include <QPainter>

#include "document/mapdocument.h"
#include "tools/cellactions.h"
#include "tools/toolicon.h"

namespace kelmor {

namespace {
bool empty(const PasteText& text)
{
    for (const std::string& line : text.lines)
        if (!line.empty())
            return false;
    return true;
}
}  // namespace

QIcon StampTool::icon()
{
    return drawToolIcon([](QPainter& p, const QColor& ink) {
        p.fillRect(4, 2, 8, 5, ink);  // the handle
        p.fillRect(2, 8, 12, 3, ink);
        p.drawLine(2, 13, 13, 13);  // the print
    });
}

void StampTool::begin(const ToolEvent& event)
{
    text_ = readPasteText(context_.clipboardText().toStdU32String());
    if (text_.refused) {
        const auto& [code, line, column, why] = *text_.refused;
        context_.refuse({code, why, line, column});
        return;
    }
    if (empty(text_)) {
        context_.showStatus(ToolWords::tr("クリップボードにスタンプできるものがありません。"));
        return;
    }
    context_.document.markPressed();
    stamping_ = true;
    stroke_ = newStroke();
    stampAt(event.cell);
}

void StampTool::move(const ToolEvent& event)
{
    if (!stamping_) {
        // The preview follows the pointer with what the clipboard holds now.
        at_ = event.cell;
        text_ = readPasteText(context_.clipboardText().toStdU32String());
        return;
    }
    const CellPos from = at_;
    if (event.cell == from)
        return;
    const std::vector<CellPos> cells = lineCells(from, event.cell);
    for (auto cell = cells.begin() + 1; cell != cells.end(); ++cell)
        stampAt(*cell);
}

void StampTool::release(const ToolEvent& event)
{
    if (event.button == Qt::LeftButton || event.button == Qt::MiddleButton)
        stamping_ = false;
}

void StampTool::stampAt(CellPos cell)
{
    at_ = cell;
    CellRect covered;
    context_.document.putCells(pasteCells(context_.document.rows(), text_.lines, cell, covered),
                               ToolWords::tr("スタンプ"), stroke_);
}

ToolPreview StampTool::preview() const
{
    if (stamping_ || at_.column < 0 || text_.refused || empty(text_))
        return {};
    CellRect covered;
    return {{}, pasteCells(context_.document.rows(), text_.lines, at_, covered)};
}

}  // namespace kelmor
