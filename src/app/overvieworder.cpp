#include "app/overvieworder.h"

#include <QListView>

#include "app/asker.h"
#include "app/messages.h"
#include "app/overviewwindow.h"
#include "document/mapdocument.h"
#include "document/mapoverview.h"

namespace kelmor {

OverviewOrder::OverviewOrder(OverviewWindow& overview, MapDocument& document, Asker& asker, Window window,
                             QObject* parent)
    : QObject(parent),
      overview_(overview),
      document_(document),
      asker_(asker),
      window_(std::move(window)),
      history_(document)
{
    connect(&overview_, &OverviewWindow::changeAsked, this, &OverviewOrder::change);
    connect(&overview_, &OverviewWindow::undoAsked, this, [this] { undoOrRedo(true); });
    connect(&overview_, &OverviewWindow::redoAsked, this, [this] { undoOrRedo(false); });
}

void OverviewOrder::change(const MapOrderChange& change)
{
    if (!window_.saveIfEdited())
        return;
    MapOverview& maps = overview_.maps();
    // A save just made changed the file; the numbers of the maps it held did not.
    maps.refresh();
    maps.listAll();
    if (change.kind == MapOrderChange::Kind::Delete) {
        const QModelIndex at = maps.index(maps.rowOf(change.from), 0);
        if (!asker_.askYesNo(deleteMapQuestion(change.from, at.data(MapOverview::HeaderRole).toString())))
            return;
    }
    OrderReport report = document_.changeOrder(change, maps.stamp());
    if (const QString refused = orderRefusedText(report, document_.levelName()); !refused.isEmpty()) {
        asker_.notify(refused);
        if (report.stamp == report.before) {
            follow(overview_.current());
            return;
        }
    }
    const std::string header = report.header;
    history_.done(change, std::move(report));
    if (change.kind == MapOrderChange::Kind::Insert)
        window_.showStatus(mapInsertedText(change.from, QString::fromStdString(header)));
    follow(change.kind == MapOrderChange::Kind::Move ? change.to : change.from);
}

void OverviewOrder::undoOrRedo(bool undo)
{
    if (!(undo ? history_.canUndo() : history_.canRedo()) || !window_.saveIfEdited())
        return;
    const OrderReport report = undo ? history_.undo() : history_.redo();
    if (report.changed)
        asker_.notify(orderUndoRefusedText(undo, document_.levelName()));
    else if (const QString failed = orderRefusedText(report, document_.levelName()); !failed.isEmpty())
        asker_.notify(failed);
    follow(report.ok() ? history_.lastPlace() : overview_.current());
}

void OverviewOrder::follow(MapNumber mapNo)
{
    MapOverview& maps = overview_.maps();
    maps.refresh(true);
    maps.listAll();
    overview_.setUndoable(history_.canUndo(), history_.canRedo());
    if (document_.deletedOnScreen())
        window_.load(document_.mapNo());  // the map now at its number, or the last
    overview_.highlight(std::max<MapNumber>(1, std::min<MapNumber>(mapNo, maps.rowCount())));
}

}  // namespace kelmor
