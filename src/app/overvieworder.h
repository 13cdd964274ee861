#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "document/maporderhistory.h"
#include "model/mapnumber.h"

namespace kelmor {

class Asker;
class MapDocument;
class OverviewWindow;

// Puts the maps in order from マップ一覧: a move, an insert or a delete asked
// there goes, after the unsaved-changes check, to the level file through the
// document, so the map on screen keeps its identity; the list follows, and
// the changes can be undone and done again while the file allows.
class OverviewOrder : public QObject {
    Q_OBJECT

public:
    struct Window {
        // The unsaved-changes check; false when not to go on.
        std::function<bool()> saveIfEdited;
        // Shows a map, as the navigation buttons do.
        std::function<void(MapNumber)> load;
        std::function<void(const QString&)> showStatus;
    };
    OverviewOrder(OverviewWindow& overview, MapDocument& document, Asker& asker, Window window,
                  QObject* parent = nullptr);

private:
    void change(const MapOrderChange& change);
    void undoOrRedo(bool undo);
    // The list read again with the map at `mapNo` highlighted, the map on
    // screen replaced when it was deleted.
    void follow(MapNumber mapNo);

    OverviewWindow& overview_;
    MapDocument& document_;
    Asker& asker_;
    Window window_;
    MapOrderHistory history_;
};

}  // namespace kelmor
