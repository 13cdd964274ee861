// Editing the map on display: mouse presses and the keyboard cursor, the
// header box, erasing, and the map's history.
#include <QComboBox>
#include <QLineEdit>

#include "app/asker.h"
#include "app/form1.h"
#include "app/mapcommands.h"
#include "edit/erase.h"
#include "edit/headerfilter.h"
#include "edit/placepick.h"
#include "view/mapview.h"

namespace kelmor {

void Form1::Picture2_MouseDown(int button, int /*shift*/, float x, float y)
{
    const CellPos cell = cellAt(x, y);
    mapEdited = 1;
    Picture2->moveCursorTo(cell.row, cell.column);

    if (button == 2) {
        if (const auto position = pickPosition(mapLine, cell, partsMax, Combo1->count())) {
            Combo1->setCurrentIndex(*position);
            // Typed text stays in the field when the index does not change.
            Combo1->setEditText(Combo1->itemText(*position));
        }
        return;
    }

    const QString text = Combo1->currentText();
    if (text.isEmpty())
        return;
    const char32_t code = text.toUcs4().front();
    if (!isPlaceableAt(code, cell)) {
        asker_.notify(QStringLiteral("「%1」はマップに置けません。\n"
                                     "パレットから選ぶか、半角英数字を入力してください。")
                          .arg(QString::fromUcs4(&code, 1)));
        return;
    }
    if (const std::optional<char> before = codeAt(mapLine, cell))
        history_.push(new PlaceCellCommand(*this, cell, *before, static_cast<char>(code)));
}

void Form1::Text1_Change()
{
    // The box calls back for the filter's own change; the outer call keeps
    // going until nothing is left to remove, so the nested one has no work.
    if (filteringHeader_)
        return;
    filteringHeader_ = true;
    for (;;) {
        const QString text = Text1->text();
        QString filtered = QString::fromStdU16String(filterHeader(text.toStdU16String()));
        // Within what loading takes back, in the bytes it is saved in.
        while (headerCodec_.encode(filtered).size() > kMaxHeaderBytes)
            filtered.chop(filtered.size() > 1 && filtered.back().isLowSurrogate() ? 2 : 1);
        if (filtered == text)
            break;
        Text1->setText(filtered);
    }
    filteringHeader_ = false;
    recoveryDue_ = true;
    scheduleRecovery();
}

void Form1::Command3_Click()
{
    if (asker_.askYesNo(QStringLiteral("このマップを消去してもよろしいですか?")))
        history_.push(new EraseMapCommand(*this, mapLine));
}

void Form1::clearmap()
{
    mapEdited = 1;
    eraseToTemplate(mapLine);
    subDraw();
}

void Form1::writeCell(CellPos cell, char code)
{
    placeCell(mapLine, cell, code);
    Picture2->redrawCell(cell.row, cell.column, mapLine, parts, tileSheet);
    describeCursor();
}

void Form1::writeRows(const MapGrid& rows)
{
    for (int r = 0; r < kMapRows; ++r)
        mapLine[static_cast<std::size_t>(r)] = rows[static_cast<std::size_t>(r)];
    subDraw();
}

void Form1::undoEdit()
{
    if (!history_.canUndo())
        return;
    history_.undo();
    mapEdited = history_.isClean() ? 0 : 1;
}

void Form1::redoEdit()
{
    if (!history_.canRedo())
        return;
    history_.redo();
    mapEdited = history_.isClean() ? 0 : 1;
}

void Form1::describeCursor()
{
    const CellPos cell{Picture2->cursorColumn(), Picture2->cursorRow()};
    QString holds = QStringLiteral("（なし）");
    if (const auto position = pickPosition(mapLine, cell, partsMax, Combo1->count()))
        holds = Combo1->itemText(*position);
    else if (const std::optional<char> code = codeAt(mapLine, cell))
        holds = QString::fromLatin1(&*code, 1);
    Picture2->setAccessibleDescription(
        QStringLiteral("列 %1、行 %2: %3").arg(cell.column).arg(cell.row).arg(holds));
}

}  // namespace kelmor
