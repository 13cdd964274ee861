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
        named<QComboBox>(*form, "Combo1")->setCurrentIndex(1);
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
    EXPECT_FALSE(form->document().marked());  // back at the loaded state
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(row(2)[3], 'B');
    EXPECT_TRUE(cellShowsTile(viewPixels(), 2, 3, standardCatalogue().tileOf(1)));
    EXPECT_TRUE(form->document().marked());

    asker.answer({true});
    named<QPushButton>(*form, "Command3")->click();
    EXPECT_EQ(row(0), blankTemplateRow(0));
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(row(2)[3], 'B');
    EXPECT_EQ(row(0), std::string(35, '1'));
    EXPECT_TRUE(cellShowsTile(viewPixels(), 2, 3, standardCatalogue().tileOf(1)));
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
    EXPECT_EQ(form->document().mapNo(), 2);
    EXPECT_EQ(form->document().history().count(), 0);  // another map, a new history

    // A save keeps the history; undo goes back past what was saved.
    paintB(0, 0);
    asker.answer({true});
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(form->document().marked());
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(form->document().marked());
    asker.answer({false});
    key(Qt::Key_PageUp);
    EXPECT_EQ(asker.questions.size(), 2u);
    EXPECT_EQ(form->document().mapNo(), 1);

    // A created map has no saved state to come back to.
    asker.answer({true});
    named<QPushButton>(*form, "Command5")->click();
    paintB(0, 0);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(row(0), blankTemplateRow(0));
    EXPECT_TRUE(form->document().marked());
}

TEST_F(Keys, AnUndoNeverDropsATypedHeaderUnasked)
{
    QTest::keyClick(named<QLineEdit>(*form, "Text1"), Qt::Key_End);  // a loaded header shows its start
    QTest::keyClicks(named<QLineEdit>(*form, "Text1"), QStringLiteral("X"));
    named<MapView>(*form, "Picture2")->setFocus();
    paintB(0, 0);
    key(Qt::Key_Z, Qt::ControlModifier);
    asker.answer({true});
    key(Qt::Key_PageDown);
    ASSERT_EQ(asker.questions.size(), 1u);
    EXPECT_NE(level().find("*MAP001X\r\n"), std::string::npos);  // a changed header saves as an added map
    EXPECT_EQ(form->document().mapNo(), 2);
}

// The window's keys are seen first; the text boxes claim their own.
TEST_F(Keys, TheTextBoxesKeepTheirOwnUndoAndRedo)
{
    paintB(0, 0);
    key(Qt::Key_Z, Qt::ControlModifier);  // the map's: something to redo now
    ASSERT_EQ(row(0)[0], '1');
    const auto mapUntouched = [&](const char* where) {
        const char before = row(0)[0];
        for (const QKeyCombination redo :
             {Qt::ControlModifier | Qt::Key_Y, Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z}) {
            key(redo.key(), redo.keyboardModifiers());
            EXPECT_EQ(row(0)[0], before) << where;
        }
    };

    named<QLineEdit>(*form, "Text1")->setFocus();
    QTest::keyClicks(named<QLineEdit>(*form, "Text1"), QStringLiteral("X"));
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text1(), QStringLiteral("*MAP001"));
    mapUntouched("header box");
    // Keys the box does not use still reach the window.
    asker.answer({false});
    key(Qt::Key_PageDown);
    EXPECT_EQ(form->document().mapNo(), 2);

    // The palette's field and list keep their own keys; typed text stays as typed.
    paintB(0, 0);
    named<MapView>(*form, "Picture2")->setFocus();
    key(Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(row(0)[0], '2');
    named<QComboBox>(*form, "Combo1")->setFocus();
    named<QComboBox>(*form, "Combo1")->lineEdit()->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("e"));
    EXPECT_EQ(palette(), QStringLiteral("e"));
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(palette(), named<QComboBox>(*form, "Combo1")->itemText(1));
    mapUntouched("palette");
    key(Qt::Key_PageDown);
    EXPECT_EQ(form->document().mapNo(), 2);
    EXPECT_NE(named<QComboBox>(*form, "Combo1")->currentIndex(), 1);
}

TEST_F(Keys, TheButtonsKeys)
{
    key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(form->document().mapNo(), 3);
    key(Qt::Key_PageUp);
    EXPECT_EQ(form->document().mapNo(), 2);
    key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(form->document().mapNo(), 1);
    asker.answer({false});
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(asker.questions, std::vector<QString>{QStringLiteral("map No 1を保存しますか?")});
}

// The keyboard cursor puts and gets exactly as a press on its cell does.
TEST_F(Keys, TheCursorPutsAndGetsAsThePressDoes)
{
    setCell(2, 3, 'K');
    const QImage untouched = viewPixels();
    key(Qt::Key_Left);  // stops at the edges
    key(Qt::Key_Up);
    EXPECT_EQ(named<MapView>(*form, "Picture2")->cursorColumn(), 0);
    EXPECT_EQ(named<MapView>(*form, "Picture2")->cursorRow(), 0);
    EXPECT_NE(viewPixels(), untouched);  // now it shows
    key(Qt::Key_End);
    EXPECT_EQ(named<MapView>(*form, "Picture2")->cursorColumn(), 34);
    key(Qt::Key_Home);
    for (int i = 0; i < 3; ++i)
        key(Qt::Key_Right);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    key(Qt::Key_G);
    EXPECT_EQ(palette(), named<QComboBox>(*form, "Combo1")->itemText(10));  // "K"
    EXPECT_EQ(named<MapView>(*form, "Picture2")->accessibleDescription(), QStringLiteral("列 3、行 2: ") + palette());
    key(Qt::Key_Down);
    key(Qt::Key_Space);
    EXPECT_EQ(row(3)[3], 'K');
    EXPECT_TRUE(form->document().marked());

    // A press moves the cursor there; P puts as Space does.
    press({16 * 20 + 3, 16 * 9 + 3});
    EXPECT_EQ(named<MapView>(*form, "Picture2")->cursorColumn(), 20);
    EXPECT_EQ(named<MapView>(*form, "Picture2")->cursorRow(), 9);
    named<QComboBox>(*form, "Combo1")->setEditText(QStringLiteral(" "));
    key(Qt::Key_Home);
    key(Qt::Key_P);  // a blank in column 0 would be lost on reading
    EXPECT_EQ(row(9)[0], '1');
    ASSERT_EQ(asker.notices.size(), 1u);
    EXPECT_TRUE(asker.notices[0].contains(QStringLiteral("「空白」はマップに置けません")));
    key(Qt::Key_Right);
    key(Qt::Key_P);
    EXPECT_EQ(row(9)[1], ' ');

    // The cursor is drawn only while the view has the focus.
    named<QLineEdit>(*form, "Text1")->setFocus();
    EXPECT_TRUE(cellShowsTile(viewPixels(), 9, 1, standardCatalogue().tileOf(100)));
}

TEST_F(Keys, AScreenReaderHearsTheLabelsAndTheCursorsCell)
{
    QAccessibleInterface* label = QAccessible::queryAccessibleInterface(named<QLabel>(*form, "Label1"));
    EXPECT_EQ(label->text(QAccessible::Name), QStringLiteral("map No 1"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(named<QLabel>(*form, "Label2"))->text(QAccessible::Name),
              named<QLabel>(*form, "Label2")->text());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(named<QPushButton>(*form, "Command2"))->text(QAccessible::Name),
              QStringLiteral("次のマップ"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(named<MapView>(*form, "Picture2"))->text(QAccessible::Description),
              QStringLiteral("列 0、行 0: ") + named<QComboBox>(*form, "Combo1")->itemText(25));  // "1"
    setCell(0, 0, 'x');
    EXPECT_EQ(named<MapView>(*form, "Picture2")->accessibleDescription(),
              QStringLiteral("列 0、行 0: コード「x」はカタログの何も表しません"));
    key(Qt::Key_PageDown);
    EXPECT_EQ(label->text(QAccessible::Name), QStringLiteral("map No 2"));
}

}  // namespace
}  // namespace kelmor::test
