// Loading a map from the level file, counting maps, and the full redraw.
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "app/asker.h"
#include "app/form1.h"
#include "app/messages.h"
#include "app/outsidechanges.h"
#include "app/statusline.h"
#include "view/mapview.h"

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
    ui_.Picture2->showMap(document_.rows(), parts_, tiles_.sheet());
    statusLine_->refresh();
}

void Form1::fitLabel1(const QString& text)
{
    // Up to map 99 the label keeps its box and the form's font, as it always
    // had (its last pixel column cut, as it always was). A longer number gets
    // a smaller font, only as small as it needs, and the label widens only as
    // far as the number's last pixel, never to the first button.
    constexpr int kDesignWidth = 65;
    const int room = ui_.Command7->x() - ui_.Label1->x();
    QFont fitting = ui_.form->font();
    while (fitting.pixelSize() > 6 && QFontMetrics(fitting).boundingRect(text).right() >= room)
        fitting.setPixelSize(fitting.pixelSize() - 1);
    const int inkRight = QFontMetrics(fitting).boundingRect(text).right();
    ui_.Label1->setFont(fitting);
    const bool asAlways = fitting.pixelSize() == ui_.form->font().pixelSize() && inkRight <= kDesignWidth;
    ui_.Label1->resize(asAlways ? kDesignWidth : std::max(kDesignWidth, inkRight + 1), ui_.Label1->height());
}

void Form1::showMapNo(MapNumber number)
{
    // Having no accessible name of its own, the label tells a screen reader
    // of its new text itself.
    const QString text = QStringLiteral("map No %1").arg(number);
    fitLabel1(text);
    ui_.Label1->setText(text);
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
