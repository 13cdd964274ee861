// The window's commands without the window: their names and keys, undo and
// redo following the history, and what a map's loading disables.
#include <QAction>
#include <QUndoStack>
#include <QWidget>
#include <gtest/gtest.h>

#include "app/commandactions.h"
#include "app/widgetaction.h"

namespace kelmor::test {
namespace {

TEST(CommandActionsAlone, NamedKeyedAndDisabledWhileAMapLoads)
{
    QWidget window;
    QUndoStack history;
    CommandActions commands(window, history);
    using C = CommandActions;
    for (int c = 0; c < C::Count; ++c) {
        QAction* action = commands[static_cast<C::Command>(c)];
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(window.actions().contains(action)) << action->objectName().toStdString();
        EXPECT_EQ(action->shortcuts(), shortcutsOf(action->objectName().toLatin1().constData()));
    }
    EXPECT_EQ(commands[C::Save]->objectName(), QStringLiteral("saveAction"));
    EXPECT_FALSE(commands[C::Undo]->isEnabled());  // nothing to undo yet
    history.push(new QUndoCommand(QStringLiteral("step")));
    EXPECT_TRUE(commands[C::Undo]->isEnabled());

    commands.setMapCommandsEnabled(false);
    for (const C::Command off : {C::Save, C::First, C::Previous, C::Next, C::Last, C::GoTo, C::Create, C::Erase})
        EXPECT_FALSE(commands[off]->isEnabled()) << commands[off]->objectName().toStdString();
    for (const C::Command on : {C::Overview, C::Duplicate, C::Close, C::Keys, C::About})
        EXPECT_TRUE(commands[on]->isEnabled()) << commands[on]->objectName().toStdString();
    commands.setMapCommandsEnabled(true);
    EXPECT_TRUE(commands[C::Save]->isEnabled());
}

}  // namespace
}  // namespace kelmor::test
