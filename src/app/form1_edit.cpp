// Editing the map on display: mouse presses (passed to the chosen tool), the
// keyboard cursor's description, the header box and erasing.
#include <QLineEdit>

#include "app/asker.h"
#include "app/form1.h"
#include "app/messages.h"
#include "edit/placepick.h"
#include "model/celldecode.h"
#include "tools/toolbox.h"
#include "view/mapview.h"

namespace kelmor {

void Form1::Picture2_MouseDown(int button, int shift, float x, float y)
{
    // Every tool places and picks by the same cell under the pointer.
    toolBox_->press(ToolEvent::press(button, shift, cellAt(x, y)));
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
    if (const std::optional<int> position = session_.entryAt(cell))
        holds = session_.paletteEntries()[*position];
    else if (const std::optional<char> code = codeAt(document_.rows(), cell))
        holds = namesCatalogueEntry(*code)
                    ? QString::fromLatin1(&*code, 1)
                    : QStringLiteral("コード「%1」はカタログの何も表しません").arg(QString::fromLatin1(&*code, 1));
    return QStringLiteral("列 %1、行 %2: %3").arg(cell.column).arg(cell.row).arg(holds);
}

void Form1::describeCursor()
{
    Picture2->setAccessibleDescription(cellText(CellPos{Picture2->cursorColumn(), Picture2->cursorRow()}));
}

}  // namespace kelmor
