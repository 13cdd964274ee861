#include "tools/cellactions.h"

#include "document/editsession.h"
#include "edit/shapes.h"

#include <array>
#include <optional>

namespace kelmor {

namespace {
std::vector<std::pair<CellPos, char>> filled(const std::vector<CellPos>& cells, char code)
{
    std::vector<std::pair<CellPos, char>> put;
    put.reserve(cells.size());
    for (const CellPos& cell : cells)
        put.push_back({cell, code});
    return put;
}
}  // namespace

bool putPalette(ToolContext& context, const std::vector<CellPos>& cells, const QString& step, int stroke,
                MapDocument::StepWhen when)
{
    const std::optional<char32_t> code = context.session.paletteCode();
    if (!code)
        return false;
    for (const CellPos& cell : cells)
        if (const CodeRefusal why = codeRefusal(*code, cell); why != CodeRefusal::None) {
            context.refuse({*code, why, 0, 0});
            return false;
        }
    context.document.putCells(filled(cells, static_cast<char>(*code)), step, stroke, when);
    return true;
}

void penPress(ToolContext& context, CellPos cell)
{
    context.document.markPressed();
    context.moveCursor(cell);
    putPalette(context, {cell}, ToolWords::tr("セルの配置"), 0, MapDocument::StepWhen::Always);
}

void pickPress(ToolContext& context, CellPos cell)
{
    context.document.markPressed();
    context.moveCursor(cell);
    context.session.pick(cell);
}

void paintSelection(ToolContext& context)
{
    context.document.markPressed();
    putPalette(context, rectCells(context.document.rows(), context.session.selection()),
               ToolWords::tr("選択範囲を塗る"));
}

void clearSelection(ToolContext& context, const QString& step)
{
    const CellRect selection = context.session.selection();
    if (selection.empty())
        return;
    context.document.markPressed();
    context.document.putCells(filled(rectCells(context.document.rows(), selection), '0'), step);
}

void frameSelection(ToolContext& context)
{
    const CellRect selection = context.session.selection();
    if (selection.empty())
        return;
    context.document.markPressed();
    putPalette(context, borderCells(context.document.rows(), selection), ToolWords::tr("選択範囲の枠"));
}

void moveSelection(ToolContext& context, const CellRect& from, int right, int down, bool copy)
{
    const MapRows& rows = context.document.rows();
    // What each cell ends as: "0" where the cells left, unless one lands there.
    std::array<std::optional<char>, kMapColumns * kMapRows> end;
    const auto at = [](CellPos cell) { return static_cast<std::size_t>(cell.row * kMapColumns + cell.column); };
    const std::vector<CellPos> cells = rectCells(rows, from);
    if (!copy)
        for (const CellPos& cell : cells)
            end[at(cell)] = '0';
    for (const CellPos& cell : cells)
        if (const CellPos to{cell.column + right, cell.row + down}; CellRect::wholeMap().contains(to))
            end[at(to)] = *codeAt(rows, cell);
    std::vector<std::pair<CellPos, char>> changes;
    for (int row = 0; row < kMapRows; ++row)
        for (int column = 0; column < kMapColumns; ++column)
            if (const std::optional<char> code = end[at({column, row})])
                changes.push_back({{column, row}, *code});
    context.document.markPressed();
    context.document.putCells(changes, copy ? ToolWords::tr("選択範囲の複製") : ToolWords::tr("選択範囲の移動"));
    context.session.setSelection(
        CellRect{from.left + right, from.top + down, from.right + right, from.bottom + down}.clipped());
}

int newStroke()
{
    static int last = 0;
    return ++last;
}

void pasteText(ToolContext& context, const PasteText& text, CellPos at)
{
    if (text.refused) {
        const auto& [code, line, column, why] = *text.refused;
        context.refuse({code, why, line, column});
        return;
    }
    CellRect covered;
    const auto cells = pasteCells(context.document.rows(), text.lines, at, covered);
    if (covered.empty())
        return;
    context.document.markPressed();
    context.document.putCells(cells, ToolWords::tr("貼り付け"));
    context.session.setSelection(covered);
}

}  // namespace kelmor
