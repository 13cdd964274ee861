// The menu bar on a plain window: the menus in order, each command in its
// place, and 表示's choices acting on what they show.
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QUndoStack>
#include <gtest/gtest.h>

#include "app/commandactions.h"
#include "app/menubar.h"
#include "view/mapview.h"

namespace kelmor::test {
namespace {

QStringList namesIn(const QMenu* menu)
{
    QStringList names;
    for (const QAction* action : menu->actions())
        names.append(action->isSeparator() ? QStringLiteral("-") : action->objectName());
    return names;
}

QAction* actionNamed(QMainWindow& window, const char* name)
{
    auto* action = new QAction(&window);
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(true);
    return action;
}

TEST(MenuBar, EveryCommandInItsMenuAndTheViewChoices)
{
    QMainWindow window;
    QUndoStack history;
    const CommandActions commands(window, history);
    MapView view;
    QAction* toolBar = actionNamed(window, "");
    QMenu letGo;
    letGo.menuAction()->setObjectName(QStringLiteral("letGoMenuAction"));
    fillMenuBar(window, {commands,
                         &letGo,
                         {actionNamed(window, "cutAction")},
                         {actionNamed(window, "selectAllAction")},
                         {actionNamed(window, "typingAction")},
                         toolBar,
                         actionNamed(window, "paletteAction"),
                         {actionNamed(window, "penAction"), actionNamed(window, "brushAction")},
                         view});
    const QList<QAction*> menus = window.menuBar()->actions();
    ASSERT_EQ(menus.size(), 6);
    const QStringList titles = {QStringLiteral("ファイル(&F)"), QStringLiteral("編集(&E)"),
                                QStringLiteral("表示(&V)"),     QStringLiteral("マップ(&M)"),
                                QStringLiteral("ツール(&T)"),   QStringLiteral("ヘルプ(&H)")};
    const QStringList contents[] = {
        {"saveAction", "-", "closeAction"},
        {"undoAction", "redoAction", "letGoMenuAction", "-", "cutAction", "-", "selectAllAction", "-", "typingAction"},
        {"toolBarAction", "paletteAction", "statusAction", "-", "gridAction", "codesAction"},
        {"firstAction", "previousAction", "nextAction", "lastAction", "goToAction", "overviewAction", "-",
         "createAction", "duplicateAction", "eraseAction"},
        {"penAction", "brushAction"},
        {"keysAction", "aboutAction"},
    };
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(menus[i]->text(), titles[i]);
        EXPECT_EQ(namesIn(menus[i]->menu()), contents[i]) << titles[i].toStdString();
    }
    EXPECT_EQ(toolBar->text(), QStringLiteral("ツールバー(&T)"));

    // The editor starts with the status bar shown, no grid and no codes.
    window.show();
    QAction* status = window.findChild<QAction*>(QStringLiteral("statusAction"));
    QAction* codes = window.findChild<QAction*>(QStringLiteral("codesAction"));
    EXPECT_TRUE(status->isChecked());
    EXPECT_FALSE(codes->isChecked());
    EXPECT_FALSE(window.findChild<QAction*>(QStringLiteral("gridAction"))->isChecked());
    status->trigger();
    EXPECT_FALSE(window.statusBar()->isVisible());
    codes->trigger();
    EXPECT_TRUE(view.codesShown());
}

}  // namespace
}  // namespace kelmor::test
