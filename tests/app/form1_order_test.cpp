// Putting the maps in order from マップ一覧, on the real window with real
// keys and drops: the level file's bytes, the map on screen, the questions.
#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QWindow>

#include "app/overviewwindow.h"
#include "document/mapoverview.h"
#include "recovery/recovery.h"
#include "support/formfixture.h"
#include "view/mapview.h"

namespace kelmor::test {
namespace {

class Ordering : public FormTest {
protected:
    void SetUp() override
    {
        original = openOnThreeMaps();
        form->findChild<QAction*>(QStringLiteral("overviewAction"))->trigger();
        overview = form->overview();
        ASSERT_TRUE(QTest::qWaitForWindowActive(overview));
        list()->setFocus();
    }
    QListView* list() const { return overview->list(); }
    void on(MapNumber mapNo) { overview->highlight(mapNo); }
    void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(list(), static_cast<Qt::Key>(k), modifiers);
    }
    std::vector<std::string> headers() const
    {
        std::vector<std::string> found;
        const std::string bytes = level();
        for (std::size_t at = 0; at < bytes.size();) {
            const std::size_t end = bytes.find("\r\n", at);
            if (bytes[at] == '*')
                found.push_back(bytes.substr(at, end - at));
            at = end + 2;
        }
        return found;
    }
    // A map of the list dragged onto the row of another.
    void dropOnto(MapNumber from, MapNumber onto)
    {
        on(from);
        QAbstractItemModel* model = list()->model();
        std::unique_ptr<QMimeData> data(model->mimeData({list()->currentIndex()}));
        const QModelIndex target = model->index(static_cast<int>(onto - 1), 0);
        // As the window system hands a drag over: entered, then let go.
        const QPointF at = list()->viewport()->mapTo(overview, list()->visualRect(target).center());
        QDragEnterEvent enter(at.toPoint(), Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(overview->windowHandle(), &enter);
        QDropEvent drop(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(overview->windowHandle(), &drop);
    }

    std::string original;
    OverviewWindow* overview = nullptr;
};

using Headers = std::vector<std::string>;

TEST_F(Ordering, KeysMoveTheHighlightedMapAndTheMapOnScreenStaysItself)
{
    on(1);
    key(Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(headers(), (Headers{"*MAP002", "*MAP001", "*MAP003"}));
    EXPECT_EQ(overview->current(), 2);
    // The map on screen was map 1 and is map 2 now, the same map.
    EXPECT_EQ(form->document().mapNo(), 2);
    EXPECT_EQ(label1(), QStringLiteral("map No 2"));
    EXPECT_EQ(row(0), std::string(35, '1'));
    key(Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(level(), original);
    EXPECT_EQ(form->document().mapNo(), 1);

    // Another map moved over it pushes it down.
    on(3);
    key(Qt::Key_Up, Qt::AltModifier);
    key(Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(headers(), (Headers{"*MAP003", "*MAP001", "*MAP002"}));
    EXPECT_EQ(form->document().mapNo(), 2);
    EXPECT_TRUE(asker.questions.empty());
    EXPECT_FALSE(form->document().marked());
    // Nothing from outside: no bar about a change.
    EXPECT_EQ(form->document().outsideChange(), OutsideChange::None);
}

TEST_F(Ordering, ADropMovesAMapButNotWhileASearchHidesMaps)
{
    dropOnto(1, 3);
    EXPECT_EQ(headers(), (Headers{"*MAP002", "*MAP003", "*MAP001"}));
    EXPECT_EQ(overview->current(), 3);
    overview->search()->setText(QStringLiteral("MAP00"));
    dropOnto(1, 2);
    EXPECT_EQ(headers(), (Headers{"*MAP002", "*MAP003", "*MAP001"}));
}

TEST_F(Ordering, InsertBothWaysAndDeleteAfterTheQuestion)
{
    on(2);
    key(Qt::Key_Insert);  // after it, under the first free "*MAPnnn" from 3
    EXPECT_EQ(headers(), (Headers{"*MAP001", "*MAP002", "*MAP004", "*MAP003"}));
    EXPECT_EQ(overview->current(), 3);
    EXPECT_TRUE(form->statusBar()->currentMessage().contains(QStringLiteral("*MAP004")));
    on(1);
    key(Qt::Key_Insert, Qt::ShiftModifier);  // before it
    EXPECT_EQ(headers(), (Headers{"*MAP005", "*MAP001", "*MAP002", "*MAP004", "*MAP003"}));
    EXPECT_EQ(form->document().mapNo(), 2);
    EXPECT_TRUE(asker.questions.empty());

    asker.answer({false});
    key(Qt::Key_Delete);
    ASSERT_EQ(asker.questions.size(), 1u);
    EXPECT_TRUE(asker.questions[0].contains(QStringLiteral("map No 1「*MAP005」"))) << asker.questions[0].toStdString();
    EXPECT_EQ(headers().size(), 5u);
    asker.answer({true});
    key(Qt::Key_Delete);
    EXPECT_EQ(headers(), (Headers{"*MAP001", "*MAP002", "*MAP004", "*MAP003"}));
    EXPECT_EQ(form->document().mapNo(), 1);
    // Deleting the map on screen shows the map now at its number.
    asker.answer({true});
    key(Qt::Key_Delete);
    EXPECT_EQ(form->document().mapNo(), 1);
    EXPECT_EQ(text1(), QStringLiteral("*MAP002"));
    EXPECT_EQ(row(0), std::string(35, '2'));
}

TEST_F(Ordering, UndoAndRedoOnlyOverTheBytesTheyWrote)
{
    on(1);
    key(Qt::Key_Down, Qt::AltModifier);
    const std::string moved = level();
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(level(), original);
    EXPECT_EQ(form->document().mapNo(), 1);
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(level(), moved);
    EXPECT_EQ(form->document().mapNo(), 2);
    // In the search field the keys edit its text.
    QTest::keyClicks(overview->search(), QStringLiteral("ab"));
    QTest::keyClick(overview->search(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(level(), moved);
    overview->search()->clear();

    // After a save of this editor's own, undo would lose it: refused.
    press({8, 8});
    asker.answer({true});
    named<QPushButton>(*form, "Command1")->click();
    const std::string saved = level();
    list()->setFocus();
    key(Qt::Key_Z, Qt::ControlModifier);
    ASSERT_FALSE(asker.notices.empty());
    EXPECT_TRUE(asker.notices.back().contains(QStringLiteral("元に戻せません")));
    EXPECT_EQ(level(), saved);
}

TEST_F(Ordering, EditsKeptUnmarkedAreSavedAsTheSameMapUnderItsNewNumber)
{
    named<QPushButton>(*form, "Command6")->click();  // map 3
    press({8, 8});
    asker.answer({false});
    named<QPushButton>(*form, "Command1")->click();  // No: unmarked, the edit stays on screen
    ASSERT_FALSE(form->document().marked());
    const std::size_t asked = asker.questions.size();
    dropOnto(1, 3);
    EXPECT_EQ(asker.questions.size(), asked);  // not marked: nothing asked
    EXPECT_EQ(form->document().mapNo(), 2);
    asker.answer({true});
    named<QPushButton>(*form, "Command1")->click();
    EXPECT_EQ(asker.questions.size(), asked + 1);  // no overwrite question
    EXPECT_EQ(headers(), (Headers{"*MAP002", "*MAP003", "*MAP001"}));
    const std::string bytes = level();
    const std::size_t map2 = bytes.find("*MAP003\r\n");
    EXPECT_EQ(bytes.substr(map2 + 9, 35), "A" + std::string(34, '3'));  // the palette's first entry
}

TEST_F(Ordering, AFailedWriteLeavesTheFileAndTheRecoveryNamesTheNewNumber)
{
    named<QPushButton>(*form, "Command6")->click();
    QTest::keyClick(named<QLineEdit>(*form, "Text1"), Qt::Key_End);
    QTest::keyClicks(named<QLineEdit>(*form, "Text1"), QStringLiteral("X"));  // unmarked, kept for a crash
    ops.failAt(FaultyFileOps::Step::Rename, EIO);
    dropOnto(1, 3);
    ASSERT_FALSE(asker.notices.empty());
    EXPECT_EQ(level(), original);
    EXPECT_EQ(form->document().mapNo(), 3);
    ops.failAt(FaultyFileOps::Step::None, 0);
    dropOnto(1, 3);
    EXPECT_EQ(form->document().mapNo(), 2);
    // As if the editor died now: the next start offers map 2 back.
    form->document().settleRecovery();
    const std::optional<Recovery> kept = decodeRecovery(readFile(dir.file(".kelmor.cnf.recover")));
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->mapNo, 2);
    overview = nullptr;
    form.reset();
    asker.answer({true});
    open();
    ASSERT_FALSE(asker.questions.empty());
    EXPECT_TRUE(asker.questions.back().contains(QStringLiteral("map No 2"))) << asker.questions.back().toStdString();
    EXPECT_EQ(text1(), QStringLiteral("*MAP003X"));
}

}  // namespace
}  // namespace kelmor::test
