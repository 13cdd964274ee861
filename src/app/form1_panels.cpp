// What stands around the form: the palette as pictures beside it, the status
// bar under it, and the 表示 menu's choices of what shows.
#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include "app/form1.h"
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
    palettePanel_ = new PalettePanel;
    paletteDock_ = new QDockWidget(QStringLiteral("パレット"), this);
    paletteDock_->setObjectName(QStringLiteral("paletteDock"));
    // It stays beside the form; the 表示 menu hides and shows it.
    paletteDock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
    paletteDock_->setAllowedAreas(Qt::RightDockWidgetArea);
    paletteDock_->setWidget(palettePanel_);
    addDockWidget(Qt::RightDockWidgetArea, paletteDock_);
    setTabOrder(Command7, palettePanel_);
    connect(palettePanel_, &PalettePanel::chosen, this, &Form1::choosePalette);
    connect(Combo1, &QComboBox::currentIndexChanged, palettePanel_, &PalettePanel::select);

    QStatusBar* bar = statusBar();
    statusLine_ = new StatusLine(*bar, document_, session_, *Picture2);
    statusLine_->showTool(QStringLiteral("ツール: ペン"));

    paletteAction_ = showingAction(this, "paletteAction", QStringLiteral("パレット(&P)"), paletteDock_);
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

void Form1::choosePalette(int position)
{
    // As a pick does: typed text gives way even when the index stays.
    session_.choosePalette(position);
}

}  // namespace kelmor
