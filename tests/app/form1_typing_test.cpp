// The map's keys at the speed of typing, on the real window with real keys:
// typing mode, counts, jumps, choosing a code, frames, moves, and what a
// screen reader is told.
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "support/cellprint.h"
#include "support/formfixture.h"
#include "view/mapview.h"

namespace kelmor::test {
namespace {

class Typing : public FormTest {
protected:
    void SetUp() override
    {
        original = openOnThreeMaps();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        named<MapView>(*form, "Picture2")->setFocus();
    }
    void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(named<MapView>(*form, "Picture2"), static_cast<Qt::Key>(k), modifiers);
    }
    void keys(const char* text) { QTest::keyClicks(named<MapView>(*form, "Picture2"), QString::fromLatin1(text)); }
    CellPos cursor() const
    {
        return {named<MapView>(*form, "Picture2")->cursorColumn(), named<MapView>(*form, "Picture2")->cursorRow()};
    }
    CellRect selection() const { return form->session().selection(); }
    QString status() const { return form->statusBar()->currentMessage(); }
    int steps() const { return form->document().history().count(); }
    bool typing() const { return form->findChild<QAction*>(QStringLiteral("typingAction"))->isChecked(); }

    std::string original;
};

TEST_F(Typing, ARunOfTypingPutsCodesMovesOnAndIsOneStep)
{
    named<MapView>(*form, "Picture2")->moveCursorTo(2, 3);
    key(Qt::Key_Insert);
    ASSERT_TRUE(typing());
    keys("ab/e p");  // the tool and command letters type too
    EXPECT_EQ(row(2).substr(3, 6), "AB/E0P");
    EXPECT_EQ(cursor(), (CellPos{9, 2}));
    EXPECT_TRUE(form->findChild<QAction*>(QStringLiteral("penAction"))->isChecked());
    keys(",");  // refused in the status bar, nothing put, no notice
    EXPECT_EQ(row(2)[9], '1');
    EXPECT_TRUE(status().contains(QStringLiteral("「,」")));
    EXPECT_TRUE(asker.notices.empty());
    key(Qt::Key_Backspace);
    key(Qt::Key_Backspace);
    EXPECT_EQ(row(2).substr(3, 6), "AB/E11");
    EXPECT_EQ(cursor(), (CellPos{7, 2}));
    key(Qt::Key_Return);  // the next row, where the run began
    EXPECT_EQ(cursor(), (CellPos{3, 3}));
    keys("k");
    EXPECT_EQ(steps(), 1);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(row(2), std::string(35, '1'));
    EXPECT_EQ(row(3), std::string(35, '1'));

    // At the row's end the cursor stays, and more codes are refused.
    named<MapView>(*form, "Picture2")->moveCursorTo(4, 33);
    keys("xyz");
    EXPECT_EQ(row(4).substr(33), "XY");
    EXPECT_EQ(cursor(), (CellPos{34, 4}));
    EXPECT_FALSE(status().isEmpty());
    key(Qt::Key_Backspace);
    EXPECT_EQ(row(4).substr(33), "X1");
    key(Qt::Key_Escape);  // leaves typing mode
    EXPECT_FALSE(typing());
    keys("b");  // the brush again
    EXPECT_TRUE(form->findChild<QAction*>(QStringLiteral("brushAction"))->isChecked());
}

TEST_F(Typing, CountsJumpsAndSelectionsAsTextEditorsHaveThem)
{
    keys("10");
    EXPECT_TRUE(status().contains(QStringLiteral("10")));
    key(Qt::Key_Down);
    EXPECT_EQ(cursor(), (CellPos{0, 10}));
    keys("5");
    key(Qt::Key_Escape);  // drops the count
    key(Qt::Key_Right);
    EXPECT_EQ(cursor(), (CellPos{1, 10}));
    keys("3");
    key(Qt::Key_Right, Qt::ShiftModifier);  // a new selection from the cursor
    EXPECT_EQ(selection(), (CellRect{1, 10, 4, 10}));
    key(Qt::Key_Left);  // a plain move lets it go
    EXPECT_TRUE(selection().empty());

    // Jumps: to the end of the run, then to the end of the next.
    for (int c = 10; c < 20; ++c)
        setCell(5, c, '7');
    named<MapView>(*form, "Picture2")->moveCursorTo(5, 0);
    key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(cursor(), (CellPos{9, 5}));
    key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(cursor(), (CellPos{19, 5}));
    key(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(selection(), (CellRect{19, 5, 34, 5}));
    key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(cursor(), (CellPos{34, 5}));  // the map's edge

    // Ctrl+A, then P fills the whole map at once, the cursor hidden or not.
    open();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    named<MapView>(*form, "Picture2")->setFocus();
    named<QComboBox>(*form, "Combo1")->setCurrentIndex(1);
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_P);
    EXPECT_EQ(row(16), std::string(35, 'B'));
}

TEST_F(Typing, ChooseACodeFrameTheSelectionAndNudgeIt)
{
    keys("/4");
    EXPECT_EQ(form->session().paletteCode(), U'4');
    EXPECT_TRUE(named<MapView>(*form, "Picture2")->hasFocus());
    EXPECT_TRUE(named<MapView>(*form, "Picture2")
                    ->accessibleDescription()
                    .startsWith(named<QComboBox>(*form, "Combo1")->currentText()));
    named<MapView>(*form, "Picture2")->moveCursorTo(2, 2);
    keys("2");
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Down, Qt::ShiftModifier);
    key(Qt::Key_Down, Qt::ShiftModifier);
    ASSERT_EQ(selection(), (CellRect{2, 2, 4, 4}));
    key(Qt::Key_P, Qt::ShiftModifier);
    EXPECT_EQ(row(2).substr(2, 3), "444");
    EXPECT_EQ(row(3).substr(2, 3), "414");
    EXPECT_EQ(steps(), 1);
    // Alt moves the cells, Alt+Shift copies them; a count goes with it.
    keys("2");
    key(Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(row(3).substr(2, 5), "00414");
    EXPECT_EQ(selection(), (CellRect{4, 2, 6, 4}));
    key(Qt::Key_Down, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(row(3).substr(4, 3), "444");  // the copy's top row over the original's middle
    EXPECT_EQ(row(5).substr(4, 3), "444");
    EXPECT_EQ(selection(), (CellRect{4, 3, 6, 5}));
    const std::string before = row(3);
    keys("40");
    key(Qt::Key_Right, Qt::AltModifier);  // past the edge: nothing moves
    EXPECT_EQ(row(3), before);
    EXPECT_TRUE(status().contains(QStringLiteral("端")));
}

TEST_F(Typing, OneEscapeDoesOneThing)
{
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_Insert);
    keys("1");
    form->findChild<QAction*>(QStringLiteral("typingAction"))->trigger();  // off again from the menu
    ASSERT_FALSE(typing());
    key(Qt::Key_Insert);
    key(Qt::Key_Escape);
    EXPECT_FALSE(typing());
    EXPECT_TRUE(selection().empty() == false);  // typing mode went first
    keys("7");
    key(Qt::Key_Escape);  // then the count
    EXPECT_FALSE(selection().empty());
    key(Qt::Key_Escape);  // then the selection
    EXPECT_TRUE(selection().empty());
}

TEST_F(Typing, CtrlNAndCtrlDAskAsTheirMenuItemsDo)
{
    asker.answer({true});
    key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(form->document().mapNo(), 4);
    asker.answer({false, true});
    key(Qt::Key_D, Qt::ControlModifier);  // save map 4 first? no; duplicate? yes
    EXPECT_EQ(asker.questions.size(), 3u);
    EXPECT_EQ(form->document().mapNo(), 4);  // map 4 was never saved: the copy takes its number
    EXPECT_TRUE(form->document().origin().created);
}

TEST_F(Typing, AScreenReaderIsToldAfterEveryKey)
{
    // What the map says of itself changes with every key: a screen reader
    // is told of each change (Qt sends it when accessibility is on).
    QAccessibleInterface* map = QAccessible::queryAccessibleInterface(named<MapView>(*form, "Picture2"));
    const auto described = [&] { return map->text(QAccessible::Description); };
    const std::vector<std::pair<int, Qt::KeyboardModifiers>> strokes = {
        {Qt::Key_Insert, {}},
        {Qt::Key_K, {}},
        {Qt::Key_Backspace, {}},
        {Qt::Key_Return, {}},
        {Qt::Key_Insert, {}},
        {Qt::Key_Right, Qt::ShiftModifier},
        {Qt::Key_P, Qt::ShiftModifier},
        {Qt::Key_Down, Qt::AltModifier},
        {Qt::Key_Right, Qt::ControlModifier},
    };
    for (const auto& [k, modifiers] : strokes) {
        const QString before = described();
        key(k, modifiers);
        EXPECT_NE(described(), before) << k;
    }
    EXPECT_TRUE(described().contains(QStringLiteral("列 ")));
    keys("/B");
    EXPECT_TRUE(described().startsWith(QStringLiteral("B:"))) << described().toStdString();
}

TEST_F(Typing, TheExampleStageInFortyFiveKeys)
{
    asker.answer({true});
    form->findChild<QAction*>(QStringLiteral("createAction"))->trigger();  // map 4, blank
    named<MapView>(*form, "Picture2")->setFocus();
    int count = 0;
    const auto press = [&](int k, Qt::KeyboardModifiers modifiers = {}) {
        ++count;
        key(k, modifiers);
    };
    const auto type = [&](const char* text) {
        for (const char* c = text; *c != '\0'; ++c) {
            ++count;
            QTest::keyClicks(named<MapView>(*form, "Picture2"), QString(QLatin1Char(*c)));
        }
    };
    press(Qt::Key_A, Qt::ControlModifier);  // clear it
    press(Qt::Key_Delete);
    type("/6");  // a frame of "6"
    press(Qt::Key_P, Qt::ShiftModifier);
    type("10");  // ten "4" in row 10 from column 5
    press(Qt::Key_Down);
    type("5");
    press(Qt::Key_Right);
    press(Qt::Key_Insert);
    type("4444444444");
    press(Qt::Key_Escape);  // a ladder of "1" in column 17, rows 5 to 15
    type("2");
    press(Qt::Key_Right);
    type("5");
    press(Qt::Key_Up);
    type("/1");
    type("10");
    press(Qt::Key_Down, Qt::ShiftModifier);
    press(Qt::Key_P);
    type("6");  // three "I" at (3, 9), (5, 9) and (7, 9)
    press(Qt::Key_Up);
    type("14");
    press(Qt::Key_Left);
    press(Qt::Key_Insert);
    type("I I I");
    asker.answer({true});
    press(Qt::Key_S, Qt::ControlModifier);
    ++count;  // the answer
    EXPECT_LE(count, 45);

    std::vector<std::string> rows(17, "6" + std::string(33, '0') + "6");
    rows.front() = rows.back() = std::string(35, '6');
    rows[10].replace(5, 10, std::string(10, '4'));
    for (int r = 5; r <= 15; ++r)
        rows[static_cast<std::size_t>(r)][17] = '1';
    rows[9].replace(3, 5, "I0I0I");
    std::string expected = original + "\r\n*MAP004\r\n";
    for (const std::string& r : rows)
        expected += r + "\r\n";
    EXPECT_EQ(level(), expected);
}

}  // namespace
}  // namespace kelmor::test
