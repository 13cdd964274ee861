// Every command as one action, whether a button, a key or the menu bar
// triggers it.
#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

#include "app/asker.h"
#include "app/form1.h"
#include "app/mapkeyactions.h"
#include "app/messages.h"
#include "app/overviewcontrol.h"
#include "app/palettecontrol.h"
#include "app/selectionactions.h"
#include "app/toolactions.h"
#include "app/widgetaction.h"

namespace kelmor {

namespace {

// How long the status bar names a map put in from マップ一覧.
constexpr int kStatusMessageMs = 5000;

// Its keys are the key table's for `name`.
QAction* makeAction(QWidget* window, const char* name, const QString& text)
{
    auto* action = new QAction(text, window);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(shortcutsOf(name));
    // Window-wide: seen before the focused control unless it claims the key.
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
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
    saveAction_ = makeAction(this, "saveAction", QStringLiteral("保存(&S)"));
    firstAction_ = makeAction(this, "firstAction", QStringLiteral("最初のマップ(&F)"));
    previousAction_ = makeAction(this, "previousAction", QStringLiteral("前のマップ(&P)"));
    nextAction_ = makeAction(this, "nextAction", QStringLiteral("次のマップ(&N)"));
    lastAction_ = makeAction(this, "lastAction", QStringLiteral("最後のマップ(&L)"));
    goToAction_ = makeAction(this, "goToAction", QStringLiteral("マップへ移動(&G)..."));
    overviewAction_ = makeAction(this, "overviewAction", QStringLiteral("マップ一覧(&O)..."));
    createAction_ = makeAction(this, "createAction", QStringLiteral("マップ作成(&C)"));
    eraseAction_ = makeAction(this, "eraseAction", QStringLiteral("マップ消去(&E)"));
    closeAction_ = makeAction(this, "closeAction", QStringLiteral("閉じる(&Q)"));
    keysAction_ = makeAction(this, "keysAction", QStringLiteral("キー一覧(&K)"));
    aboutAction_ = makeAction(this, "aboutAction", QStringLiteral("バージョン情報(&A)"));

    // The history's own actions follow what there is to undo and redo; their
    // keys are set here, so they are the same on every platform.
    undoAction_ = document_.history().createUndoAction(this, QStringLiteral("元に戻す"));
    undoAction_->setObjectName(QStringLiteral("undoAction"));
    undoAction_->setShortcuts(shortcutsOf("undoAction"));
    addAction(undoAction_);
    redoAction_ = document_.history().createRedoAction(this, QStringLiteral("やり直し"));
    redoAction_->setObjectName(QStringLiteral("redoAction"));
    redoAction_->setShortcuts(shortcutsOf("redoAction"));
    addAction(redoAction_);

    connect(saveAction_, &QAction::triggered, this, &Form1::Command1_Click);
    connect(nextAction_, &QAction::triggered, this, &Form1::Command2_Click);
    connect(eraseAction_, &QAction::triggered, this, &Form1::Command3_Click);
    connect(previousAction_, &QAction::triggered, this, &Form1::Command4_Click);
    connect(createAction_, &QAction::triggered, this, &Form1::Command5_Click);
    connect(lastAction_, &QAction::triggered, this, &Form1::Command6_Click);
    connect(firstAction_, &QAction::triggered, this, &Form1::Command7_Click);
    connect(goToAction_, &QAction::triggered, this, &Form1::goToMap);
    overview_ = new OverviewControl(document_, asker_, parts_, tileSheet_, *this,
                                    {[this] { return saveIfEdited(); }, [this](MapNumber mapNo) { subMapload(mapNo); },
                                     [this](const QString& text) { statusBar()->showMessage(text, kStatusMessageMs); },
                                     [this] { reportOverflow(); }});
    connect(overviewAction_, &QAction::triggered, overview_, &OverviewControl::show);
    connect(closeAction_, &QAction::triggered, this, &QWidget::close);
    connect(keysAction_, &QAction::triggered, this, &Form1::showKeys);
    connect(aboutAction_, &QAction::triggered, this, &Form1::showAbout);

    bind(Command1, saveAction_);
    bind(Command2, nextAction_);
    bind(Command3, eraseAction_);
    bind(Command4, previousAction_);
    bind(Command5, createAction_);
    bind(Command6, lastAction_);
    bind(Command7, firstAction_);
}

void Form1::createMenus()
{
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("ファイル(&F)"));
    file->addAction(saveAction_);
    file->addSeparator();
    file->addAction(closeAction_);
    QMenu* edit = bar->addMenu(QStringLiteral("編集(&E)"));
    edit->addAction(undoAction_);
    edit->addAction(redoAction_);
    edit->addSeparator();
    edit->addActions(selectionActions_->clipboardActions());
    edit->addSeparator();
    edit->addActions(selectionActions_->selectingActions());
    edit->addSeparator();
    edit->addActions(keyActions_->actions());
    QMenu* view = bar->addMenu(QStringLiteral("表示(&V)"));
    toolBarAction_ = toolActions_->toolBar()->toggleViewAction();
    toolBarAction_->setObjectName(QStringLiteral("toolBarAction"));
    toolBarAction_->setText(QStringLiteral("ツールバー(&T)"));
    view->addAction(toolBarAction_);
    view->addAction(palette_->showingAction());
    view->addAction(statusAction_);
    view->addSeparator();
    view->addAction(gridAction_);
    view->addAction(codesAction_);
    QMenu* map = bar->addMenu(QStringLiteral("マップ(&M)"));
    map->addAction(firstAction_);
    map->addAction(previousAction_);
    map->addAction(nextAction_);
    map->addAction(lastAction_);
    map->addAction(goToAction_);
    map->addAction(overviewAction_);
    map->addSeparator();
    map->addAction(createAction_);
    map->addAction(duplicateAction_);
    map->addAction(eraseAction_);
    QMenu* tools = bar->addMenu(QStringLiteral("ツール(&T)"));
    tools->addActions(toolActions_->actions());
    QMenu* help = bar->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->addAction(keysAction_);
    help->addAction(aboutAction_);
}

void Form1::showKeys()
{
    asker_.notify(keysText());
}

void Form1::showAbout()
{
    asker_.notify(QStringLiteral("kelmor-x map editor\nバージョン %1").arg(QStringLiteral(KELMOR_VERSION)));
}

}  // namespace kelmor
