// Every command as one action, whether a button, a key or the menu bar
// triggers it.
#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

#include "app/asker.h"
#include "app/commandactions.h"
#include "app/form1.h"
#include "app/mapkeyactions.h"
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

// A 表示 menu item, on or off at start, that tells `receiver` when it changes.
template <class Receiver, class Owner>
QAction* choice(QWidget* window, const char* name, const QString& text, bool on, Receiver* receiver,
                void (Owner::*follow)(bool))
{
    auto* action = new QAction(text, window);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(true);
    action->setChecked(on);
    QObject::connect(action, &QAction::toggled, receiver, follow);
    return action;
}

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
                            {{[this] { return saveIfEdited(); }, [this](MapNumber mapNo) { subMapload(mapNo); },
                              [this](const QString& text) { statusBar()->showMessage(text, kStatusMessageMs); }},
                             [this] { reportOverflow(); }});
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
    using C = CommandActions;
    const CommandActions& c = *commands_;
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(tr("ファイル(&F)"));
    file->addAction(c[C::Save]);
    file->addSeparator();
    file->addAction(c[C::Close]);
    QMenu* edit = bar->addMenu(tr("編集(&E)"));
    edit->addAction(c[C::Undo]);
    edit->addAction(c[C::Redo]);
    edit->addSeparator();
    edit->addActions(selectionActions_->clipboardActions());
    edit->addSeparator();
    edit->addActions(selectionActions_->selectingActions());
    edit->addSeparator();
    edit->addActions(keyActions_->actions());
    QMenu* view = bar->addMenu(tr("表示(&V)"));
    QAction* toolBarShown = toolActions_->toolBar()->toggleViewAction();
    toolBarShown->setObjectName(QStringLiteral("toolBarAction"));
    toolBarShown->setText(tr("ツールバー(&T)"));
    view->addAction(toolBarShown);
    view->addAction(palette_->showingAction());
    view->addAction(choice(this, "statusAction", tr("ステータスバー(&S)"), true, statusBar(), &QWidget::setVisible));
    view->addSeparator();
    view->addAction(choice(this, "gridAction", tr("グリッドを表示(&G)"), false, ui_.Picture2, &MapView::setGridShown));
    view->addAction(
        choice(this, "codesAction", tr("セルのコードを表示(&C)"), false, ui_.Picture2, &MapView::setCodesShown));
    QMenu* map = bar->addMenu(tr("マップ(&M)"));
    map->addAction(c[C::First]);
    map->addAction(c[C::Previous]);
    map->addAction(c[C::Next]);
    map->addAction(c[C::Last]);
    map->addAction(c[C::GoTo]);
    map->addAction(c[C::Overview]);
    map->addSeparator();
    map->addAction(c[C::Create]);
    map->addAction(c[C::Duplicate]);
    map->addAction(c[C::Erase]);
    QMenu* tools = bar->addMenu(tr("ツール(&T)"));
    tools->addActions(toolActions_->actions());
    QMenu* help = bar->addMenu(tr("ヘルプ(&H)"));
    help->addAction(c[C::Keys]);
    help->addAction(c[C::About]);
}

}  // namespace kelmor
