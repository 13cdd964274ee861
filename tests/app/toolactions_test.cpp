// The tools as commands without the editor's window: one action a tool of
// the registry, one chosen at a time, in hand in the ToolBox.
#include <QAction>
#include <QToolBar>
#include <QWidget>
#include <gtest/gtest.h>

#include "app/toolactions.h"
#include "app/widgetaction.h"
#include "document/editsession.h"
#include "document/mapdocument.h"
#include "support/faultyfileops.h"
#include "support/maprows.h"
#include "support/tempdir.h"
#include "tools/toolbox.h"
#include "tools/toolregistry.h"
#include "view/mapview.h"

namespace kelmor::test {
namespace {

TEST(ToolActionsAlone, OneActionAToolAndOneChosenAtATime)
{
    TempDir dir;
    writeFile(dir.file("kelmor.cnf"), levelText({{"*MAP001", uniformRows('1')}}));
    FaultyFileOps ops;
    MapDocument doc(ops, dir.path(), "kelmor.cnf");
    EditSession session(doc);
    ToolBox tools(ToolContext{doc, session});
    QWidget window;
    auto* view = new MapView(&window);
    std::vector<QString> told;
    ToolActions actions(*view, tools, window, [&](const QString& text) { told.push_back(text); });

    const std::vector<ToolInfo>& registry = toolRegistry();
    ASSERT_EQ(actions.actions().size(), static_cast<qsizetype>(registry.size()));
    EXPECT_EQ(actions.toolBar()->actions(), actions.actions());
    EXPECT_TRUE(actions.actions()[0]->isChecked());  // the pen, as the editor opens
    for (std::size_t i = 0; i < registry.size(); ++i) {
        QAction* action = actions.actions()[static_cast<qsizetype>(i)];
        EXPECT_EQ(action->objectName(), QString::fromLatin1(registry[i].objectName));
        EXPECT_EQ(action->shortcuts(), shortcutsOf(registry[i].objectName));
    }
    actions.actions()[3]->trigger();
    EXPECT_EQ(tools.activeIndex(), 3);
    EXPECT_FALSE(actions.actions()[0]->isChecked());
    EXPECT_EQ(told, std::vector<QString>{registry[3].statusText()});
}

}  // namespace
}  // namespace kelmor::test
