// What the tools reach of the window, on a plain status bar and view.
#include <QClipboard>
#include <QGuiApplication>
#include <QStatusBar>
#include <gtest/gtest.h>

#include "app/windowtoolcontext.h"
#include "document/editsession.h"
#include "document/mapdocument.h"
#include "support/formfixture.h"
#include "support/maprows.h"

namespace kelmor::test {
namespace {

TEST(WindowToolContext, RefusalsCursorClipboardAndStatus)
{
    TempDir dir;
    writeFile(dir.file("kelmor.cnf"), levelText({{"*MAP001", uniformRows('1')}}));
    FaultyFileOps ops;
    MapDocument doc{ops, dir.path(), "kelmor.cnf"};
    EditSession session{doc};
    ScriptedAsker asker;
    MapView view;
    QStatusBar bar;
    const ToolContext context = windowToolContext(doc, session, asker, view, bar);

    context.refuse({U'*', CodeRefusal::Separator, 0, 0});
    context.refuse({U'*', CodeRefusal::Separator, 2, 3});
    ASSERT_EQ(asker.notices.size(), 2u);
    EXPECT_TRUE(asker.notices[0].startsWith(QStringLiteral("「*」はマップに置けません")));
    EXPECT_TRUE(asker.notices[1].contains(QStringLiteral("2 行目、3 文字目")));  // a paste names its place

    context.moveCursor({7, 4});
    EXPECT_EQ(view.cursorRow(), 4);
    EXPECT_EQ(view.cursorColumn(), 7);
    QGuiApplication::clipboard()->setText(QStringLiteral("AB"));
    EXPECT_EQ(context.clipboardText(), QStringLiteral("AB"));
    context.showStatus(QStringLiteral("words"));
    EXPECT_EQ(bar.currentMessage(), QStringLiteral("words"));
}

}  // namespace
}  // namespace kelmor::test
