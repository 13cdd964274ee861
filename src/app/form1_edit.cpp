// Editing the map on display: mouse presses, the header box, erasing.
#include <QComboBox>
#include <QLineEdit>

#include "app/asker.h"
#include "app/form1.h"
#include "edit/cellpick.h"
#include "edit/erase.h"
#include "edit/headerfilter.h"
#include "edit/placepick.h"
#include "view/mapview.h"

namespace kelmor {

void Form1::Picture2_MouseDown(int button, int /*shift*/, float x, float y)
{
    const CellPos cell = cellAt(x, y);
    mapEdited = 1;

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
    if (!isPlaceableCode(code)) {
        asker_.notify(QStringLiteral("「%1」はマップに置けません。\n"
                                     "パレットから選ぶか、半角英数字を入力してください。")
                          .arg(QString::fromUcs4(&code, 1)));
        return;
    }
    if (!placeCell(mapLine, cell, static_cast<char>(code)))
        return;
    Picture2->redrawCell(cell.row, cell.column, mapLine, parts, tileSheet);
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
        const QString filtered = QString::fromStdU16String(filterHeader(text.toStdU16String()));
        if (filtered == text)
            break;
        Text1->setText(filtered);
    }
    filteringHeader_ = false;
}

void Form1::Command3_Click()
{
    if (asker_.askYesNo(QStringLiteral("このマップを消去してもよろしいですか?")))
        clearmap();
}

void Form1::clearmap()
{
    mapEdited = 1;
    eraseToTemplate(mapLine);
    subDraw();
}

}  // namespace kelmor
