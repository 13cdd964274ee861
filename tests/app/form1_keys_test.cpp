// The map's history and the whole editor from the keyboard, with real key
// events sent to whatever has the focus, as a person at the keyboard would.
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "model/blanktemplate.h"
#include "support/formfixture.h"
#include "view/mapview.h"

namespace kelmor::test {
namespace {

class Keys : public FormTest {
protected:
    void SetUp() override
    {
        original = openOnThreeMaps();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), k, modifiers);
    }
    void paintB(int column, int r)
    {
        form->Combo1->setCurrentIndex(1);
        press({column * 16.0 + 2, r * 16.0 + 2});
    }
    std::string original;
};

TEST_F(Keys, UndoAndRedoOfAPlacedCellAndOfAnErase)
{
    const QImage before = viewPixels();
    paintB(3, 2);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(row(2), std::string(35, '1'));
    EXPECT_EQ(viewPixels(), before);
    EXPECT_EQ(form->mapEdited, 0);  // back at the loaded state
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(row(2)[3], 'B');
    EXPECT_TRUE(cellShowsTile(viewPixels(), 2, 3, form->parts.tileOf(1)));
    EXPECT_EQ(form->mapEdited, 1);

    asker.answer({true});
    form->Command3->click();
    EXPECT_EQ(row(0), blankTemplateRow(0));
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(row(2)[3], 'B');
    EXPECT_EQ(row(0), std::string(35, '1'));
    EXPECT_TRUE(cellShowsTile(viewPixels(), 2, 3, form->parts.tileOf(1)));
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(row(0), blankTemplateRow(0));

    // What is saved is what is on screen after the history's steps.
    key(Qt::Key_Z, Qt::ControlModifier);
    asker.answer({true});
    key(Qt::Key_S, Qt::ControlModifier);
    std::vector<std::string> rows = uniformRows('1');
    rows[2][3] = 'B';
    EXPECT_EQ(level(), levelText({{"*MAP001", rows}, {"*MAP002", uniformRows('2')}, {"*MAP003", uniformRows('3')}}));
}

TEST_F(Keys, TheUnsavedMarkFollowsTheHistory)
{
    paintB(0, 0);
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_PageDown);  // ">" with nothing to ask about
    EXPECT_TRUE(asker.questions.empty());
    EXPECT_EQ(form->mapNo, 2);
    EXPECT_EQ(form->history().count(), 0);  // another map, a new history

    // A save keeps the history; undo goes back past what was saved.
    paintB(0, 0);
    asker.answer({true});
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(form->mapEdited, 0);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->mapEdited, 1);
    asker.answer({false});
    key(Qt::Key_PageUp);
    EXPECT_EQ(asker.questions.size(), 2u);
    EXPECT_EQ(form->mapNo, 1);

    // A created map has no saved state to come back to.
    asker.answer({true});
    form->Command5->click();
    paintB(0, 0);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(row(0), blankTemplateRow(0));
    EXPECT_EQ(form->mapEdited, 1);
}

TEST_F(Keys, TheHeaderBoxKeepsItsOwnUndo)
{
    paintB(0, 0);
    form->Text1->setFocus();
    QTest::keyClicks(form->Text1, QStringLiteral("X"));
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text1(), QStringLiteral("*MAP001"));
    EXPECT_EQ(row(0)[0], 'B');
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(row(0)[0], 'B');
    // Keys the box does not use still reach the window.
    asker.answer({false});
    key(Qt::Key_PageDown);
    EXPECT_EQ(form->mapNo, 2);

    // The palette's list keeps its own keys; typed text stays as typed.
    form->Combo1->setFocus();
    key(Qt::Key_PageDown);
    EXPECT_EQ(form->mapNo, 2);
    form->Combo1->lineEdit()->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("e"));
    EXPECT_EQ(palette(), QStringLiteral("e"));
}

TEST_F(Keys, TheButtonsKeys)
{
    key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(form->mapNo, 3);
    key(Qt::Key_PageUp);
    EXPECT_EQ(form->mapNo, 2);
    key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(form->mapNo, 1);
    asker.answer({false});
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(asker.questions, std::vector<QString>{QStringLiteral("map No 1を保存しますか?")});
}

// The keyboard cursor puts and gets exactly as a press on its cell does.
TEST_F(Keys, TheCursorPutsAndGetsAsThePressDoes)
{
    form->mapLine[2][3] = 'K';
    form->subDraw();
    const QImage untouched = viewPixels();
    key(Qt::Key_Left);  // stops at the edges
    key(Qt::Key_Up);
    EXPECT_EQ(form->Picture2->cursorColumn(), 0);
    EXPECT_EQ(form->Picture2->cursorRow(), 0);
    EXPECT_NE(viewPixels(), untouched);  // now it shows
    key(Qt::Key_End);
    EXPECT_EQ(form->Picture2->cursorColumn(), 34);
    key(Qt::Key_Home);
    for (int i = 0; i < 3; ++i)
        key(Qt::Key_Right);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_G);
    EXPECT_EQ(palette(), form->Combo1->itemText(10));  // "K"
    EXPECT_EQ(form->Picture2->accessibleDescription(), QStringLiteral("列 3、行 2: ") + palette());
    key(Qt::Key_Down);
    key(Qt::Key_Space);
    EXPECT_EQ(row(3)[3], 'K');
    EXPECT_EQ(form->mapEdited, 1);

    // A press moves the cursor there; P puts as Space does.
    press({16 * 20 + 3, 16 * 9 + 3});
    EXPECT_EQ(form->Picture2->cursorColumn(), 20);
    EXPECT_EQ(form->Picture2->cursorRow(), 9);
    form->Combo1->setEditText(QStringLiteral(" "));
    key(Qt::Key_Home);
    key(Qt::Key_P);  // a blank in column 0 would be lost on reading
    EXPECT_EQ(row(9)[0], '1');
    ASSERT_EQ(asker.notices.size(), 1u);
    EXPECT_TRUE(asker.notices[0].contains(QStringLiteral("「 」はマップに置けません")));
    key(Qt::Key_Right);
    key(Qt::Key_P);
    EXPECT_EQ(row(9)[1], ' ');

    // The cursor is drawn only while the view has the focus.
    form->Text1->setFocus();
    EXPECT_TRUE(cellShowsTile(viewPixels(), 9, 1, form->parts.tileOf(100)));
}

TEST_F(Keys, AScreenReaderHearsTheLabelsAndTheCursorsCell)
{
    QAccessibleInterface* label = QAccessible::queryAccessibleInterface(form->Label1);
    EXPECT_EQ(label->text(QAccessible::Name), QStringLiteral("map No 1"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form->Label2)->text(QAccessible::Name), form->Label2->text());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form->Command2)->text(QAccessible::Name),
              QStringLiteral("次のマップ"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form->Picture2)->text(QAccessible::Description),
              QStringLiteral("列 0、行 0: ") + form->Combo1->itemText(25));  // "1"
    form->mapLine[0][0] = 'x';
    form->subDraw();
    EXPECT_EQ(form->Picture2->accessibleDescription(), QStringLiteral("列 0、行 0: x"));
    key(Qt::Key_PageDown);
    EXPECT_EQ(label->text(QAccessible::Name), QStringLiteral("map No 2"));
}

}  // namespace
}  // namespace kelmor::test
