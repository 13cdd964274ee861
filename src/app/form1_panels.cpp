// What stands around the form: the palette (PaletteControl) beside it, the
// status bar (StatusLine) under it, and the 表示 menu's choices of what shows.
#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include "app/form1.h"
#include "app/palettecontrol.h"
#include "app/statusline.h"
#include "edit/placepick.h"
#include "tools/toolregistry.h"
#include "view/mapview.h"
#include "view/palettepanel.h"

namespace kelmor {

void Form1::createPanels()
{
    palette_ = new PaletteControl(*ui_.Combo1, session_, *this);
    setTabOrder(ui_.Command7, palette_->panel());

    QStatusBar* bar = statusBar();
    statusLine_ = new StatusLine(*bar, document_, session_, *ui_.Picture2);
    statusLine_->showTool(toolRegistry().front().statusText());
}

PalettePanel* Form1::palettePanel() const
{
    return palette_->panel();
}

QLabel* Form1::cellStatus() const
{
    return statusLine_->cellField();
}

QLabel* Form1::mapStatus() const
{
    return statusLine_->mapField();
}

QLabel* Form1::markStatus() const
{
    return statusLine_->markField();
}

QLabel* Form1::toolStatus() const
{
    return statusLine_->toolField();
}

}  // namespace kelmor
