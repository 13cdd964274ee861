// Following the level file (OutsideChanges) and the tile sheet when another
// program changes them.
#include <QStatusBar>

#include "app/form1.h"
#include "app/messages.h"
#include "app/outsidechanges.h"
#include "app/overviewcontrol.h"
#include "app/palettecontrol.h"
#include "app/statusline.h"

namespace kelmor {

namespace {
constexpr int kStatusMs = 10000;
}

void Form1::watchFiles()
{
    outsideChanges_ = new OutsideChanges(document_, asker_, *this, *statusBar(), statusLine_->fields(),
                                         {document_.levelFile().path(), tiles_.path()},
                                         {[this](const MapLoad& result) { navigation_.show(result); },
                                          [this] {
                                              followTileSheet();
                                              overview_->followLevel();
                                          }});
}

void Form1::followTileSheet()
{
    switch (tiles_.follow()) {
    case TileSheetKeeper::Followed::Unchanged: return;
    case TileSheetKeeper::Followed::Unreadable:
        statusBar()->showMessage(tileSheetChangeFailureText(), kStatusMs);
        return;
    case TileSheetKeeper::Followed::Reread: break;
    }
    palette_->draw(parts_, tiles_.sheet());
    subDraw();
    overview_->followTileSheet();
    statusBar()->showMessage(tr("kelmor.bmp が変更されたため、読み込み直しました。"), kStatusMs);
}

}  // namespace kelmor
