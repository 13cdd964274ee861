// Each tool driven by cell events against a document, without a window.
#include <QStringList>
#include <gtest/gtest.h>
#include <set>

#include "document/editsession.h"
#include "document/mapdocument.h"
#include "model/palette.h"
#include "support/cellprint.h"
#include "support/faultyfileops.h"
#include "support/tempdir.h"
#include "tools/toolbox.h"
#include "model/keytable.h"
#include "tools/toolregistry.h"

namespace kelmor::test {
namespace {

class ToolsAlone : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile(dir.file("kelmor.cnf"), levelText({{"*MAP001", uniformRows('1')}, {"*MAP002", uniformRows('2')}}));
        doc.load(1);
        const Palette palette = buildPalette(standardCatalogue());
        QStringList entries;
        for (const std::string& item : palette.items)
            entries.append(QString::fromStdString(item));
        session.setPalette(entries, palette.partsMax);
        session.choosePalette(1);  // "B"
        ToolContext context{doc, session};
        context.refuse = [this](const CodeRefused& refused) { refusals.push_back(refused); };
        context.moveCursor = [this](CellPos cell) { cursor = cell; };
        context.clipboardText = [this] { return clipboard; };
        context.showStatus = [this](const QString& text) { statuses.push_back(text); };
        box = std::make_unique<ToolBox>(std::move(context));
    }
    void choose(const std::string& name)
    {
        const auto& tools = toolRegistry();
        for (std::size_t i = 0; i < tools.size(); ++i)
            if (tools[i].objectName == name)
                box->setActive(static_cast<int>(i));
    }
    static ToolEvent event(CellPos cell, Qt::MouseButton button, Qt::MouseButtons held,
                           Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        return {cell, button, held, modifiers};
    }
    void press(CellPos cell, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers modifiers = {})
    {
        box->press(event(cell, button, button, modifiers));
    }
    void move(CellPos cell, Qt::MouseButtons held = Qt::LeftButton) { box->move(event(cell, Qt::NoButton, held)); }
    void release(CellPos cell, Qt::MouseButton button = Qt::LeftButton)
    {
        box->release(event(cell, button, Qt::NoButton));
    }
    void drag(CellPos from, std::initializer_list<CellPos> through, Qt::KeyboardModifiers atRelease = {})
    {
        press(from);
        CellPos last = from;
        for (const CellPos cell : through)
            move(last = cell);
        box->release(event(last, Qt::LeftButton, Qt::NoButton, atRelease));
    }
    std::string row(int r) const { return doc.rows()[static_cast<std::size_t>(r)]; }
    char at(int column, int row) const
    {
        return doc.rows()[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
    int changedCells() const
    {
        int changed = 0;
        for (const std::string& row : doc.rows())
            for (const char code : row)
                changed += code != '1' ? 1 : 0;
        return changed;
    }
    int steps() const { return doc.history().count(); }

    TempDir dir;
    FaultyFileOps ops;
    MapDocument doc{ops, dir.path(), "kelmor.cnf"};
    EditSession session{doc};
    std::unique_ptr<ToolBox> box;
    std::vector<CodeRefused> refusals;
    CellPos cursor{-1, -1};
    QString clipboard;
    std::vector<QString> statuses;
};

TEST_F(ToolsAlone, ThePenActsOnThePressedCellAndEveryPressIsAStep)
{
    choose("penAction");
    press({3, 2});
    EXPECT_EQ(at(3, 2), 'B');
    EXPECT_TRUE(doc.marked());
    EXPECT_EQ(cursor, (CellPos{3, 2}));
    press({3, 2}, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);  // the same code: still a step
    EXPECT_EQ(steps(), 2);
    doc.history().undo();
    doc.history().undo();
    EXPECT_FALSE(doc.marked());  // back at the loaded map
    // A drag adds nothing; middle and other buttons put as left does.
    press({5, 5});
    move({9, 5});
    release({9, 5});
    press({6, 6}, Qt::MiddleButton);
    press({7, 7}, Qt::BackButton);
    EXPECT_EQ(changedCells(), 3);
    // A right press picks, and marks.
    doc.declineSave();
    session.choosePalette(0);
    press({6, 6}, Qt::RightButton);
    EXPECT_EQ(session.paletteCode(), U'B');
    EXPECT_TRUE(doc.marked());
    EXPECT_EQ(cursor, (CellPos{6, 6}));
}

TEST_F(ToolsAlone, ABrushStrokeIsOneStepAndARefusalIsToldOnce)
{
    choose("brushAction");
    drag({1, 1}, {{12, 1}, {12, 6}, {8, 8}});
    for (int c = 1; c <= 12; ++c)
        EXPECT_EQ(at(c, 1), 'B') << c;
    for (int r = 1; r <= 6; ++r)
        EXPECT_EQ(at(12, r), 'B') << r;
    EXPECT_EQ(at(10, 7), 'B');  // corner to corner on the way to (8, 8)
    EXPECT_EQ(changedCells(), 12 + 5 + 4);
    EXPECT_EQ(steps(), 1);
    drag({20, 10}, {{22, 10}});
    EXPECT_EQ(steps(), 2);  // a new stroke never merges into the last

    session.setPaletteText(QStringLiteral("*"));
    drag({0, 14}, {{5, 14}, {5, 16}});
    ASSERT_EQ(refusals.size(), 1u);
    EXPECT_EQ(refusals[0].why, CodeRefusal::Separator);
    EXPECT_EQ(at(0, 14), '1');
    EXPECT_EQ(steps(), 2);
}

TEST_F(ToolsAlone, ARectangleShowsItsOutlineAndACancelledOneLeavesNoTrace)
{
    choose("rectangleAction");
    press({8, 2});
    move({6, 1});
    EXPECT_EQ(box->preview().outline, (CellRect{6, 1, 8, 2}));
    press({7, 7}, Qt::RightButton);  // cancels: nothing picked, put or marked
    release({6, 1});
    EXPECT_TRUE(box->preview().empty());
    EXPECT_EQ(changedCells(), 0);
    EXPECT_FALSE(doc.marked());
    EXPECT_EQ(session.paletteCode(), U'B');

    drag({8, 2}, {{6, 1}});
    EXPECT_EQ(changedCells(), 6);
    EXPECT_EQ(at(6, 1), 'B');
    EXPECT_EQ(steps(), 1);
    // A blank cannot go into column 0: the whole rectangle is refused.
    session.setPaletteText(QStringLiteral(" "));
    drag({0, 10}, {{3, 12}});
    ASSERT_EQ(refusals.size(), 1u);
    EXPECT_EQ(refusals[0].why, CodeRefusal::BlankFirst);
    EXPECT_EQ(at(2, 11), '1');
}

TEST_F(ToolsAlone, AFillCoversItsAreaAndAFillThatChangesNothingOnlyMarks)
{
    for (int r = 0; r < kMapRows; ++r)
        doc.writeCell({5, r}, '7');
    choose("fillAction");
    press({0, 0});
    EXPECT_EQ(changedCells(), 17 + 5 * 17);
    EXPECT_EQ(steps(), 1);
    doc.declineSave();
    press({0, 0});
    EXPECT_EQ(steps(), 1);
    EXPECT_TRUE(doc.marked());
}

TEST_F(ToolsAlone, SelectingChangesNoCellAndPutsTheCursorAtItsCorner)
{
    choose("selectAction");
    press({5, 5});
    move({2, 3});
    press({9, 9}, Qt::RightButton);  // picks; the drag goes on
    move({3, 2});
    release({3, 2});
    EXPECT_EQ(session.selection(), (CellRect{3, 2, 5, 5}));
    EXPECT_EQ(cursor, (CellPos{3, 2}));
    EXPECT_EQ(steps(), 0);
    // The selection belongs to the map on screen.
    doc.load(2);
    EXPECT_TRUE(session.selection().empty());
}

TEST_F(ToolsAlone, ALineIsPreviewedPutInOneStepCancelledOrRefusedWhole)
{
    choose("lineAction");
    press({0, 0});
    move({6, 3});
    const ToolPreview preview = box->preview();
    ASSERT_EQ(preview.cells.size(), 7u);
    EXPECT_EQ(preview.cells.front(), (std::pair{CellPos{0, 0}, 'B'}));
    EXPECT_EQ(preview.cells.back(), (std::pair{CellPos{6, 3}, 'B'}));
    EXPECT_EQ(changedCells(), 0);  // only previewed
    release({6, 3});
    for (const auto& [cell, code] : preview.cells)
        EXPECT_EQ(at(cell.column, cell.row), 'B');
    EXPECT_EQ(changedCells(), 7);
    EXPECT_EQ(steps(), 1);
    EXPECT_TRUE(box->preview().empty());

    doc.declineSave();
    press({10, 10});
    move({20, 16});
    EXPECT_TRUE(box->cancel());
    release({20, 16});
    EXPECT_EQ(changedCells(), 7);
    EXPECT_FALSE(doc.marked());

    session.setPaletteText(QStringLiteral(" "));
    drag({4, 8}, {{0, 8}});
    ASSERT_EQ(refusals.size(), 1u);
    EXPECT_EQ(refusals[0].why, CodeRefusal::BlankFirst);
    EXPECT_EQ(at(2, 8), '1');
    EXPECT_EQ(steps(), 1);
}

TEST_F(ToolsAlone, DraggingTheSelectionMovesOrCopiesItsCells)
{
    doc.writeCell({2, 2}, 'K');
    doc.writeCell({3, 2}, 'L');
    choose("selectAction");
    drag({2, 2}, {{3, 2}});
    ASSERT_EQ(session.selection(), (CellRect{2, 2, 3, 2}));
    // Moved one cell right: they overlap the cells they left.
    drag({3, 2}, {{4, 2}});
    EXPECT_EQ(row(2).substr(1, 5), "10KL1");
    EXPECT_EQ(session.selection(), (CellRect{3, 2, 4, 2}));
    EXPECT_EQ(cursor, (CellPos{3, 2}));
    EXPECT_EQ(steps(), 1);
    EXPECT_TRUE(doc.marked());
    // With Ctrl at the release, copied; the originals stay.
    drag({3, 2}, {{3, 6}}, Qt::ControlModifier);
    EXPECT_EQ(row(2).substr(3, 2), "KL");
    EXPECT_EQ(row(6).substr(3, 2), "KL");
    EXPECT_EQ(steps(), 2);
    // Dragged over the edge: what would leave the map is clipped away.
    drag({3, 6}, {{34, 6}});
    EXPECT_EQ(row(6).substr(33), "1K");
    EXPECT_EQ(row(6).substr(3, 2), "00");
    EXPECT_EQ(session.selection(), (CellRect{34, 6, 34, 6}));

    // A click inside the selection selects that cell alone.
    session.setSelection({0, 0, 5, 5});
    drag({4, 4}, {});
    EXPECT_EQ(session.selection(), (CellRect{4, 4, 4, 4}));
    // Escape or a right press cancels a move: nothing put, picked or marked.
    doc.declineSave();
    session.setSelection({3, 2, 4, 2});
    const int before = steps();
    for (const bool right : {false, true}) {
        press({3, 2});
        move({10, 10});
        EXPECT_FALSE(box->preview().cells.empty());
        if (right)
            press({10, 10}, Qt::RightButton);
        else
            EXPECT_TRUE(box->cancel());
        release({10, 10});
        EXPECT_EQ(session.selection(), (CellRect{3, 2, 4, 2}));
    }
    EXPECT_EQ(steps(), before);
    EXPECT_FALSE(doc.marked());
    EXPECT_EQ(session.paletteCode(), U'B');
}

TEST_F(ToolsAlone, FramesOfEveryShape)
{
    choose("frameAction");
    drag({1, 1}, {});           // 1 x 1
    drag({3, 1}, {{3, 5}});     // 1 x n
    drag({10, 10}, {{5, 13}});  // n x m, dragged backwards
    EXPECT_EQ(changedCells(), 1 + 5 + (6 * 2 + 2 * 2));
    EXPECT_EQ(row(11).substr(5, 6), "B1111B");
    EXPECT_EQ(row(10).substr(5, 6), "BBBBBB");
    EXPECT_EQ(steps(), 3);
    press({20, 2});
    move({25, 6});
    EXPECT_EQ(box->preview().outline, (CellRect{20, 2, 25, 6}));
    EXPECT_TRUE(box->cancel());
    release({25, 6});
    EXPECT_EQ(steps(), 3);
    session.setPaletteText(QStringLiteral(" "));
    drag({0, 15}, {{3, 16}});
    ASSERT_EQ(refusals.size(), 1u);
    EXPECT_EQ(row(15)[1], '1');
}

TEST_F(ToolsAlone, AStampFollowsThePointerAndPutsTheClipboardWhereverItGoes)
{
    choose("stampAction");
    clipboard = QStringLiteral("KL\nM");
    move({5, 5}, Qt::NoButton);
    EXPECT_EQ(box->preview().cells,
              (std::vector<std::pair<CellPos, char>>{{{5, 5}, 'K'}, {{6, 5}, 'L'}, {{5, 6}, 'M'}}));
    drag({5, 5}, {{8, 5}});
    for (int c = 5; c <= 8; ++c)
        EXPECT_EQ(row(5)[static_cast<std::size_t>(c)], 'K') << c;
    EXPECT_EQ(row(5)[9], 'L');
    EXPECT_EQ(steps(), 1);
    EXPECT_TRUE(session.selection().empty());
    // Larger than the map, at its last cell: clipped.
    clipboard = QString(40, QLatin1Char('Q')) + QStringLiteral("\n") + QString(40, QLatin1Char('Q'));
    drag({34, 16}, {});
    EXPECT_EQ(row(16)[34], 'Q');
    EXPECT_EQ(steps(), 2);
    // Refused, or nothing to stamp: nothing put.
    clipboard = QStringLiteral("K*");
    drag({0, 0}, {});
    ASSERT_EQ(refusals.size(), 1u);
    EXPECT_EQ(refusals[0].column, 2);
    clipboard.clear();
    drag({0, 0}, {});
    EXPECT_EQ(statuses.size(), 1u);
    EXPECT_EQ(row(0)[0], '1');
    EXPECT_EQ(steps(), 2);
}

TEST_F(ToolsAlone, AGestureEndsWhenTheMapIsReplacedOrAnotherToolIsChosen)
{
    choose("rectangleAction");
    press({1, 1});
    move({4, 4});
    doc.load(2);
    release({4, 4});
    EXPECT_EQ(at(2, 2), '2');
    EXPECT_EQ(steps(), 0);
    press({1, 1});
    move({4, 4});
    choose("lineAction");
    release({4, 4});
    EXPECT_EQ(steps(), 0);

    // Every tool has a key and a name of its own.
    std::set<std::vector<std::string>> keys;
    std::set<QString> names;
    for (const ToolInfo& tool : toolRegistry()) {
        EXPECT_EQ(keysOfAction(tool.objectName).size(), 1u) << tool.objectName;
        keys.insert(keysOfAction(tool.objectName));
        names.insert(tool.name());
    }
    EXPECT_EQ(keys.size(), toolRegistry().size());
    EXPECT_EQ(names.size(), toolRegistry().size());
}

}  // namespace
}  // namespace kelmor::test
