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
    const QString shown = document_.editHeader(ui_.Text1->text());
    if (ui_.Text1->text() != shown)
        ui_.Text1->setText(shown);
}

void Form1::Command3_Click()
{
    if (asker_.askYesNo(tr("このマップを消去してもよろしいですか?")))
        clearmap();
}

void Form1::clearmap()
{
    document_.erase();
}

}  // namespace kelmor
