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
#include "view/mapview.h"
#include "view/palettepanel.h"

namespace kelmor {

namespace {
// A 表示 menu item that shows and hides `shown`, on at start.
QAction* showingAction(QWidget* window, const char* name, const QString& text, QWidget* shown)
{
    auto* action = new QAction(text, window);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(true);
    action->setChecked(true);
    QObject::connect(action, &QAction::toggled, shown, &QWidget::setVisible);
    return action;
}
}  // namespace

void Form1::createPanels()
{
    palette_ = new PaletteControl(*Combo1, session_, *this);
    setTabOrder(Command7, palette_->panel());

    QStatusBar* bar = statusBar();
    statusLine_ = new StatusLine(*bar, document_, session_, *Picture2);
    statusLine_->showTool(QStringLiteral("ツール: ペン"));

    statusAction_ = showingAction(this, "statusAction", QStringLiteral("ステータスバー(&S)"), bar);
    codesAction_ = new QAction(QStringLiteral("セルのコードを表示(&C)"), this);
    codesAction_->setObjectName(QStringLiteral("codesAction"));
    codesAction_->setCheckable(true);
    connect(codesAction_, &QAction::toggled, Picture2, &MapView::setCodesShown);
    gridAction_ = new QAction(QStringLiteral("グリッドを表示(&G)"), this);
    gridAction_->setObjectName(QStringLiteral("gridAction"));
    gridAction_->setCheckable(true);
    connect(gridAction_, &QAction::toggled, Picture2, &MapView::setGridShown);
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
