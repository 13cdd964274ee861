// Editing the map on display: mouse presses and the keyboard cursor, the
// header box and erasing.
#include <QComboBox>
#include <QLineEdit>

#include "app/asker.h"
#include "app/form1.h"
#include "app/messages.h"
#include "edit/placepick.h"
#include "view/mapview.h"

namespace kelmor {

void Form1::Picture2_MouseDown(int button, int /*shift*/, float x, float y)
{
    const CellPos cell = cellAt(x, y);
    document_.markPressed();
    Picture2->moveCursorTo(cell.row, cell.column);

    if (button == 2) {
        if (const auto position = pickPosition(document_.rows(), cell, partsMax_, Combo1->count())) {
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
    if (const CodeRefusal why = codeRefusal(code, cell); why != CodeRefusal::None) {
        asker_.notify(codeRefusedText(code, why));
        return;
    }
    document_.putCell(cell, static_cast<char>(code));
}

void Form1::Text1_Change()
{
    // Setting the filtered text calls back here, where it is already clean.
    const QString shown = document_.editHeader(Text1->text());
    if (Text1->text() != shown)
        Text1->setText(shown);
}

void Form1::Command3_Click()
{
    if (asker_.askYesNo(QStringLiteral("このマップを消去してもよろしいですか?")))
        clearmap();
}

void Form1::clearmap()
{
    document_.erase();
}

QString Form1::cellText(const CellPos& cell) const
{
    QString holds = QStringLiteral("（なし）");
    if (const auto position = pickPosition(document_.rows(), cell, partsMax_, Combo1->count()))
        holds = Combo1->itemText(*position);
    else if (const std::optional<char> code = codeAt(document_.rows(), cell))
        holds = QString::fromLatin1(&*code, 1);
    return QStringLiteral("列 %1、行 %2: %3").arg(cell.column).arg(cell.row).arg(holds);
}

void Form1::describeCursor()
{
    Picture2->setAccessibleDescription(cellText(CellPos{Picture2->cursorColumn(), Picture2->cursorRow()}));
}

}  // namespace kelmor
