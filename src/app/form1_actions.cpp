// Every command as one action, whether a button, a key or the menu bar
// triggers it.
#include <QAction>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

#include "app/asker.h"
#include "app/commandactions.h"
#include "app/form1.h"
#include "app/mapkeyactions.h"
#include "app/menubar.h"
#include "app/messages.h"
#include "app/overviewcontrol.h"
#include "app/palettecontrol.h"
#include "app/selectionactions.h"
#include "app/toolactions.h"
#include "view/mapview.h"

namespace kelmor {

namespace {

// How long the status bar names a map put in from マップ一覧.
constexpr int kStatusMessageMs = 5000;

// The button does what its action does and is enabled as its action is.
void bind(QPushButton* button, QAction* action)
{
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::enabledChanged, button, &QPushButton::setEnabled);
}

}  // namespace

void Form1::createActions()
{
    commands_ = new CommandActions(*this, document_.history());
    using C = CommandActions;
    const CommandActions& c = *commands_;
    connect(c[C::Save], &QAction::triggered, this, &Form1::Command1_Click);
    connect(c[C::Next], &QAction::triggered, this, &Form1::Command2_Click);
    connect(c[C::Erase], &QAction::triggered, this, &Form1::Command3_Click);
    connect(c[C::Previous], &QAction::triggered, this, &Form1::Command4_Click);
    connect(c[C::Create], &QAction::triggered, this, &Form1::Command5_Click);
    connect(c[C::Last], &QAction::triggered, this, &Form1::Command6_Click);
    connect(c[C::First], &QAction::triggered, this, &Form1::Command7_Click);
    connect(c[C::GoTo], &QAction::triggered, this, &Form1::goToMap);
    connect(c[C::Duplicate], &QAction::triggered, this, &Form1::duplicateMap);
    overview_ =
        new OverviewControl(document_, asker_, parts_, tiles_.sheet(), *this,
                            {{[this] { return saving_.saveIfEdited(); }, [this](MapNumber mapNo) { subMapload(mapNo); },
                              [this](const QString& text) { statusBar()->showMessage(text, kStatusMessageMs); }},
                             [this] { navigation_.tellOverflow(); }});
    connect(c[C::Overview], &QAction::triggered, overview_, &OverviewControl::show);
    connect(c[C::Close], &QAction::triggered, this, &QWidget::close);
    connect(c[C::Keys], &QAction::triggered, this, [this] { asker_.notify(keysText()); });
    connect(c[C::About], &QAction::triggered, this,
            [this] { asker_.notify(tr("kelmor-x map editor\nバージョン %1").arg(QStringLiteral(KELMOR_VERSION))); });

    bind(ui_.Command1, c[C::Save]);
    bind(ui_.Command2, c[C::Next]);
    bind(ui_.Command3, c[C::Erase]);
    bind(ui_.Command4, c[C::Previous]);
    bind(ui_.Command5, c[C::Create]);
    bind(ui_.Command6, c[C::Last]);
    bind(ui_.Command7, c[C::First]);
}

OverviewWindow* Form1::overview() const
{
    return overview_->window();
}

void Form1::createMenus()
{
    fillMenuBar(*this, {*commands_, selectionActions_->clipboardActions(), selectionActions_->selectingActions(),
                        keyActions_->actions(), toolActions_->toolBar()->toggleViewAction(), palette_->showingAction(),
                        toolActions_->actions(), *ui_.Picture2});
}

}  // namespace kelmor
