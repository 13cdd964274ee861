#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "app/overvieworder.h"
#include "model/mapnumber.h"

class QWidget;

namespace kelmor {

class Asker;
struct Catalogue;
class MapDocument;
class MapOverview;
class OverviewDelegate;
class TileSheet;

// マップ一覧 for the window: made when first asked for, at the map on
// screen, kept current with every save and every change from outside; a
// map chosen there is gone to as the navigation buttons go.
class OverviewControl : public QObject {
    Q_OBJECT

public:
    struct Hooks {
        // The check, the load and the status bar, as putting maps in order uses them.
        OverviewOrder::Window window;
        // A number past the last map number was chosen.
        std::function<void()> overflow;
    };
    // `parts` and `sheet` are the window's, drawn from as they are now.
    OverviewControl(MapDocument& document, Asker& asker, const Catalogue& parts, const TileSheet& sheet,
                    QWidget& window, Hooks hooks);

    void show();
    // Null until first shown.
    OverviewWindow* window() const { return overview_; }
    // The level file may have changed: a shown list is read again.
    void followLevel();
    // The tile sheet was read again.
    void followTileSheet();

private:
    void open(MapNumber mapNo);

    MapDocument& document_;
    Asker& asker_;
    const Catalogue& parts_;
    const TileSheet& sheet_;
    QWidget& window_;
    Hooks hooks_;
    OverviewWindow* overview_ = nullptr;
    MapOverview* maps_ = nullptr;
    OverviewDelegate* delegate_ = nullptr;
};

}  // namespace kelmor
