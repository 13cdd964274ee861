// The procedures of loading, saving and counting maps and the buttons'
// handlers: each a step over the navigation (MapNavigation) and the save
// (MapSaving), which ask and tell.
#include "app/form1.h"
#include "app/mapdisplay.h"

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
    if (const std::optional<MapNumber> next = navigation_.askNewMapNumber(tr("マップを作成できません")))
        document_.create(*next);
}

void Form1::goToMap()
{
    navigation_.goTo();
}

bool Form1::Form_Unload()
{
    return saving_.saveIfEdited();
}

}  // namespace kelmor
