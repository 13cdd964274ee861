// Loading a map from the level file and counting maps.
#include "app/asker.h"
#include "app/form1.h"
#include "app/messages.h"
#include "app/outsidechanges.h"
#include "app/mapdisplay.h"

namespace kelmor {

void Form1::subMapload(MapNumber wanted)
{
    showLoaded(document_.readMap(wanted));
}

void Form1::showLoaded(const MapLoad& result)
{
    setCommandsEnabled(false);
    document_.loaded(result);
    // What is on screen is now what the file holds.
    if (outsideChanges_ != nullptr)
        outsideChanges_->hideBar();
    reportLoadFailure(result.failure);
    setCommandsEnabled(true);

    const LoadedMap& loaded = result.map;
    if (document_.cutOff())
        asker_.notify(cutOffText(loaded, levelName()));
    if (document_.unsavable())
        asker_.notify(damageText(loaded, levelName()));
}

void Form1::reportLoadFailure(const FileFailure& failure)
{
    if (failure.failed())
        asker_.notify(loadFailureText(failure));
}

void Form1::subDraw()
{
    display_->redraw();
}

std::optional<std::int64_t> Form1::fncMapmax()
{
    const MapCount counted = document_.countMaps();
    if (counted.failure.failed()) {
        reportCountFailure(counted.failure, tr("最後のマップを開けません"));
        return std::nullopt;
    }
    return counted.count;
}

void Form1::reportCountFailure(const FileFailure& failure, const QString& stopped)
{
    asker_.notify(countFailureText(failure, stopped));
}

}  // namespace kelmor
