#include "app/overviewcontrol.h"

#include <QAbstractItemView>
#include <QListView>

#include "app/overviewwindow.h"
#include "document/mapdocument.h"
#include "document/mapoverview.h"
#include "view/overviewdelegate.h"

namespace kelmor {

OverviewControl::OverviewControl(MapDocument& document, Asker& asker, const Catalogue& parts, const TileSheet& sheet,
                                 QWidget& window, Hooks hooks)
    : QObject(&window),
      document_(document),
      asker_(asker),
      parts_(parts),
      sheet_(sheet),
      window_(window),
      hooks_(std::move(hooks))
{}

void OverviewControl::show()
{
    if (overview_ == nullptr) {
        maps_ = new MapOverview(document_.levelFile(), this);
        delegate_ = new OverviewDelegate(parts_, sheet_, MapOverview::RowsRole, MapOverview::StateRole);
        overview_ = new OverviewWindow(*maps_, delegate_, &window_);
        connect(overview_, &OverviewWindow::chosen, this, &OverviewControl::open);
        new OverviewOrder(*overview_, document_, asker_, hooks_.window, overview_);
        connect(&document_, &MapDocument::mapNoChanged, overview_, &OverviewWindow::highlight);
    }
    overview_->showAt(document_.mapNo());
}

void OverviewControl::open(MapNumber mapNo)
{
    if (mapNo > kLastMapNo) {
        hooks_.overflow();
        return;
    }
    if (!hooks_.window.saveIfEdited())
        return;
    hooks_.window.load(mapNo);
}

void OverviewControl::followLevel()
{
    // A hidden overview is brought up to date when it is shown again.
    if (overview_ != nullptr && overview_->isVisible() && maps_->refresh())
        overview_->highlight(document_.mapNo());
}

void OverviewControl::followTileSheet()
{
    if (overview_ == nullptr)
        return;
    delegate_->setSheet(parts_, sheet_);
    overview_->list()->viewport()->update();
}

}  // namespace kelmor
