// Following the level file (OutsideChanges) and the tile sheet when another
// program changes them.
#include <QComboBox>
#include <QStatusBar>

#include "app/form1.h"
#include "app/messages.h"
#include "app/outsidechanges.h"
#include "app/palettecontrol.h"
#include "app/overviewcontrol.h"
#include "app/statusline.h"
#include "app/tilesheetfile.h"
#include "model/palette.h"
#include "view/mapview.h"
#include "view/palettepanel.h"

namespace kelmor {

namespace {
constexpr int kStatusMs = 10000;
}

void Form1::watchFiles()
{
    outsideChanges_ = new OutsideChanges(document_, asker_, *this, *statusBar(), statusLine_->fields(),
                                         {document_.levelFile().path(), tileSheetPath(folder_)},
                                         {[this](const MapLoad& result) { showLoaded(result); },
                                          [this] {
                                              followTileSheet();
                                              overview_->followLevel();
                                          }});
}

ChangeBar* Form1::changeBar() const
{
    return outsideChanges_->bar();
}

void Form1::followTileSheet()
{
    FileStamp now;
    const int error = stampFile(fileOps_, tileSheetPath(folder_), now);
    if (judgeOutsideChange(tileStamp_, now, error) != OutsideChange::Changed)
        return;
    TileSheet sheet;
    if (readTileSheet(sheet) != TileSheet::Status::Loaded) {
        statusBar()->showMessage(tileSheetChangeFailureText(), kStatusMs);
        return;
    }
    tileSheet_ = sheet;
    palette_->draw(parts_, tileSheet_);
    subDraw();
    overview_->followTileSheet();
    statusBar()->showMessage(tr("kelmor.bmp が変更されたため、読み込み直しました。"), kStatusMs);
}

}  // namespace kelmor
