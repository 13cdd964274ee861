#include "app/menubar.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

#include "app/commandactions.h"
#include "view/mapview.h"

namespace kelmor {

namespace {

// The context the menus' names are translated in.
struct MenuBar {
    Q_DECLARE_TR_FUNCTIONS(MenuBar)
};

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
}  // namespace

void fillMenuBar(QMainWindow& window, const MenuParts& parts)
{
    using C = CommandActions;
    const CommandActions& c = parts.commands;
    QMenuBar* bar = window.menuBar();
    QMenu* file = bar->addMenu(MenuBar::tr("ファイル(&F)"));
    file->setObjectName(QStringLiteral("fileMenu"));
    file->addAction(c[C::Save]);
    file->addSeparator();
    file->addAction(c[C::Close]);
    QMenu* edit = bar->addMenu(MenuBar::tr("編集(&E)"));
    edit->addAction(c[C::Undo]);
    edit->addAction(c[C::Redo]);
    edit->addMenu(parts.letGo);
    edit->addSeparator();
    edit->addActions(parts.clipboard);
    edit->addSeparator();
    edit->addActions(parts.selecting);
    edit->addSeparator();
    edit->addActions(parts.mapKeys);
    QMenu* view = bar->addMenu(MenuBar::tr("表示(&V)"));
    parts.toolBarShown->setObjectName(QStringLiteral("toolBarAction"));
    parts.toolBarShown->setText(MenuBar::tr("ツールバー(&T)"));
    view->addAction(parts.toolBarShown);
    view->addAction(parts.paletteShown);
    view->addAction(choice(&window, "statusAction", MenuBar::tr("ステータスバー(&S)"), true, window.statusBar(),
                           &QWidget::setVisible));
    view->addSeparator();
    view->addAction(
        choice(&window, "gridAction", MenuBar::tr("グリッドを表示(&G)"), false, &parts.view, &MapView::setGridShown));
    view->addAction(choice(&window, "codesAction", MenuBar::tr("セルのコードを表示(&C)"), false, &parts.view,
                           &MapView::setCodesShown));
    QMenu* map = bar->addMenu(MenuBar::tr("マップ(&M)"));
    for (const C::Command command : {C::First, C::Previous, C::Next, C::Last, C::GoTo, C::Overview})
        map->addAction(c[command]);
    map->addSeparator();
    for (const C::Command command : {C::Create, C::Duplicate, C::Erase})
        map->addAction(c[command]);
    QMenu* tools = bar->addMenu(MenuBar::tr("ツール(&T)"));
    tools->addActions(parts.tools);
    QMenu* help = bar->addMenu(MenuBar::tr("ヘルプ(&H)"));
    help->addAction(c[C::Keys]);
    help->addAction(c[C::About]);
}

}  // namespace kelmor
