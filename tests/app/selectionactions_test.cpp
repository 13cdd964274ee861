// The selection's and the clipboard's commands on a map view without the
// window: what they do to the cells, the selection and the clipboard.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <gtest/gtest.h>

#include "app/selectionactions.h"
#include "document/editsession.h"
#include "document/mapdocument.h"
#include "support/faultyfileops.h"
#include "support/maprows.h"
#include "support/tempdir.h"
#include "tools/toolbox.h"
#include "view/mapview.h"

namespace kelmor::test {
namespace {

class Selection : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<std::string> rows = uniformRows('1');
        rows[1].replace(2, 3, "ABC");
        rows[2].replace(2, 3, "DEF");
        writeFile(dir.file("kelmor.cnf"), levelText({{"*MAP001", rows}}));
        doc.load(1);
        ToolContext context{doc, session};
        context.clipboardText = [] { return QGuiApplication::clipboard()->text(); };
        tools = std::make_unique<ToolBox>(std::move(context));
        view.setTools(tools.get());
        actions = std::make_unique<SelectionActions>(view, *tools, nullptr);
    }
    void trigger(const char* name) { actions->findChild<QAction*>(QString::fromLatin1(name))->trigger(); }
    std::string row(int r) const { return doc.rows()[static_cast<std::size_t>(r)]; }

    TempDir dir;
    FaultyFileOps ops;
    MapDocument doc{ops, dir.path(), "kelmor.cnf"};
    EditSession session{doc};
    MapView view;
    std::unique_ptr<ToolBox> tools;
    std::unique_ptr<SelectionActions> actions;
};

TEST_F(Selection, CutCopyPasteDeleteAndTheSelection)
{
    trigger("copyAction");  // nothing selected: the clipboard stays
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    trigger("cutAction");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    EXPECT_EQ(row(1), uniformRows('1')[0].replace(2, 3, "ABC"));

    session.setSelection(CellRect::spanning({2, 1}, {4, 2}));
    trigger("cutAction");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("ABC\nDEF"));
    EXPECT_EQ(row(1).substr(2, 3), "000");
    EXPECT_TRUE(doc.marked());

    view.moveCursorTo(10, 30);  // pasted there, cut at the map's edge
    trigger("pasteAction");
    EXPECT_EQ(row(10).substr(30), "ABC11");
    EXPECT_EQ(row(11).substr(30), "DEF11");
    EXPECT_EQ(session.selection(), CellRect::spanning({30, 10}, {32, 11}));

    trigger("deleteAction");
    EXPECT_EQ(row(10).substr(30), "00011");
    trigger("clearSelectionAction");  // Escape: nothing else to cancel
    EXPECT_TRUE(session.selection().empty());
    trigger("selectAllAction");
    EXPECT_EQ(session.selection(), CellRect::wholeMap());
    EXPECT_EQ(actions->clipboardActions().size() + actions->selectingActions().size(), 6);
}

}  // namespace
}  // namespace kelmor::test
