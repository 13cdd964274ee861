// The procedures and the handlers: each a step over the navigation
// (MapNavigation), the save (MapSaving) or the document; a press on the map
// goes to the chosen tool.
#include <QLineEdit>

#include "app/asker.h"
#include "app/form1.h"
#include "app/mapdisplay.h"
#include "edit/cellgeometry.h"
#include "tools/toolbox.h"

namespace kelmor {

void Form1::subMapload(MapNumber wanted)
{
    navigation_.load(wanted);
}

void Form1::subDraw()
{
    display_->redraw();
}

Form1::SaveOutcome Form1::savemap()
{
    return saving_.save();
}

std::optional<std::int64_t> Form1::fncMapmax()
{
    return navigation_.countMaps();
}

void Form1::Command1_Click()
{
    savemap();
}

void Form1::Command7_Click()
{
    navigation_.first();
}

void Form1::Command4_Click()
{
    navigation_.previous();
}

void Form1::Command2_Click()
{
    navigation_.next();
}

void Form1::Command6_Click()
{
    navigation_.last();
}

void Form1::Command5_Click()
{
    navigation_.create();
}

void Form1::goToMap()
{
    navigation_.goTo();
}

bool Form1::Form_Unload()
{
    return saving_.saveIfEdited();
}

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
