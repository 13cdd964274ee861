// マップ一覧: the overview window, made when first asked for, and kept
// current with every save and every change from outside.
#include <QAbstractItemView>
#include <QListView>
#include <QStatusBar>

#include "app/form1.h"
#include "app/overvieworder.h"
#include "app/overviewwindow.h"
#include "document/mapoverview.h"
#include "view/overviewdelegate.h"

namespace kelmor {

namespace {
// How long the status bar names a map put in.
constexpr int kOrderMessageMs = 5000;
}  // namespace

void Form1::showOverview()
{
    if (overview_ == nullptr) {
        overviewMaps_ = new MapOverview(document_.levelFile(), this);
        overviewDelegate_ = new OverviewDelegate(parts_, tileSheet_, MapOverview::RowsRole, MapOverview::StateRole);
        overview_ = new OverviewWindow(*overviewMaps_, overviewDelegate_, this);
        connect(overview_, &OverviewWindow::chosen, this, &Form1::openFromOverview);
        new OverviewOrder(*overview_, document_, asker_,
                          {[this] { return saveIfEdited(); }, [this](MapNumber mapNo) { subMapload(mapNo); },
                           [this](const QString& text) { statusBar()->showMessage(text, kOrderMessageMs); }},
                          overview_);
        connect(&document_, &MapDocument::mapNoChanged, overview_, &OverviewWindow::highlight);
    }
    overview_->showAt(document_.mapNo());
}

void Form1::openFromOverview(MapNumber mapNo)
{
    if (mapNo > kLastMapNo) {
        reportOverflow();
        return;
    }
    if (!saveIfEdited())
        return;
    subMapload(mapNo);
}

void Form1::followLevelInOverview()
{
    // A hidden overview is brought up to date when it is shown again.
    if (overview_ != nullptr && overview_->isVisible() && overviewMaps_->refresh())
        overview_->highlight(document_.mapNo());
}

void Form1::followTileSheetInOverview()
{
    if (overview_ == nullptr)
        return;
    overviewDelegate_->setSheet(parts_, tileSheet_);
    overview_->list()->viewport()->update();
}

}  // namespace kelmor
