// The tools, the selection and the clipboard on the real window, with real
// mouse and key events; the bytes after a save and the view's pixels.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QMouseEvent>
#include <QTest>
#include <QLabel>
#include <QStatusBar>
#include <QUndoStack>

#include "support/cellprint.h"
#include "support/formfixture.h"
#include "tools/toolregistry.h"
#include "view/mapview.h"

namespace kelmor::test {
namespace {

class Tools : public FormTest {
protected:
    void SetUp() override
    {
        original = openOnThreeMaps();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        named<MapView>(*form, "Picture2")->setFocus();
        named<QComboBox>(*form, "Combo1")->setCurrentIndex(1);  // "B"
    }
    void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(named<MapView>(*form, "Picture2"), static_cast<Qt::Key>(k), modifiers);
    }
    static QPoint at(int column, int row) { return {column * 16 + 8, row * 16 + 8}; }
    void send(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QWidget* view = named<MapView>(*form, "Picture2");
        QMouseEvent event(type, p, view->mapToGlobal(p), button, held, Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    }
    void sendAt(QEvent::Type type, QPointF p, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QWidget* view = named<MapView>(*form, "Picture2");
        QMouseEvent event(type, p, view->mapToGlobal(p), button, held, Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    }
    void drag(QPoint from, std::initializer_list<QPoint> through, Qt::MouseButton button = Qt::LeftButton)
    {
        send(QEvent::MouseButtonPress, from, button, button);
        QPoint last = from;
        for (const QPoint p : through)
            send(QEvent::MouseMove, last = p, Qt::NoButton, button);
        send(QEvent::MouseButtonRelease, last, button, Qt::NoButton);
    }
    int steps() const { return form->document().history().count(); }
    bool chosen(const char* tool) const { return form->findChild<QAction*>(QString::fromLatin1(tool))->isChecked(); }
    CellRect selection() const { return form->session().selection(); }
    std::string original;
};

TEST_F(Tools, ABrushStrokeLeavesNoGapsAndUndoesInOneStep)
{
    key(Qt::Key_B);
    EXPECT_TRUE(chosen("brushAction"));
    drag(at(1, 1), {at(12, 1), at(12, 6)});  // moves far apart
    EXPECT_EQ(row(1), "1" + std::string(12, 'B') + std::string(22, '1'));
    for (int r = 2; r <= 6; ++r)
        EXPECT_EQ(row(r)[12], 'B') << r;
    EXPECT_TRUE(cellShowsTile(viewPixels(), 6, 12, standardCatalogue().tileOf(1)));
    EXPECT_EQ(steps(), 1);
    asker.answer({true});
    named<QPushButton>(*form, "Command1")->click();
    EXPECT_NE(level(), original);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(row(1), std::string(35, '1'));
    EXPECT_EQ(row(6), std::string(35, '1'));
    // The letters type as ever in the header box.
    QTest::keyClicks(named<QLineEdit>(*form, "Text1"), QStringLiteral("E"));
    EXPECT_TRUE(chosen("brushAction"));
}

TEST_F(Tools, RectanglesInEveryDirectionAndACancelledOne)
{
    key(Qt::Key_R);
    const QPoint corners[][2] = {
        {at(1, 1), at(3, 2)}, {at(8, 2), at(6, 1)}, {at(10, 4), at(12, 3)}, {at(17, 3), at(15, 4)}};
    for (const auto& [from, to] : corners)
        drag(from, {to});

    for (int c : {1, 3, 6, 8}) {
        EXPECT_EQ(row(1)[static_cast<std::size_t>(c)], 'B') << c;
        EXPECT_EQ(row(2)[static_cast<std::size_t>(c)], 'B') << c;
    }
    for (int c : {10, 12, 15, 17})
        EXPECT_EQ(row(3)[static_cast<std::size_t>(c)], 'B') << c;
    EXPECT_EQ(row(1)[4], '1');
    EXPECT_EQ(steps(), 4);

    // Escape or a right press while dragging: nothing drawn, picked or marked.
    asker.answer({true});
    named<QPushButton>(*form, "Command1")->click();
    ASSERT_FALSE(form->document().marked());
    const QImage still = viewPixels();
    send(QEvent::MouseButtonPress, at(20, 10), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, at(25, 12), Qt::NoButton, Qt::LeftButton);
    EXPECT_NE(viewPixels(), still);  // the preview, over the view
    key(Qt::Key_Escape);
    send(QEvent::MouseButtonRelease, at(25, 12), Qt::LeftButton, Qt::NoButton);
    send(QEvent::MouseButtonPress, at(20, 10), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, at(25, 12), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonPress, at(25, 12), Qt::RightButton, Qt::LeftButton | Qt::RightButton);
    send(QEvent::MouseButtonRelease, at(25, 12), Qt::LeftButton, Qt::RightButton);
    EXPECT_EQ(viewPixels(), still);
    EXPECT_EQ(row(12), std::string(35, '1'));
    EXPECT_FALSE(form->document().marked());
    EXPECT_EQ(named<QComboBox>(*form, "Combo1")->currentIndex(), 1);
}

TEST_F(Tools, AFillStopsAtWallsAndCoversTheMap)
{
    for (int r = 0; r < 17; ++r)
        setCell(r, 5, '7');  // a wall down column 5
    key(Qt::Key_F);
    QTest::mouseClick(named<MapView>(*form, "Picture2"), Qt::LeftButton, Qt::NoModifier, at(0, 0));
    EXPECT_EQ(row(8), "BBBBB7" + std::string(29, '1'));
    EXPECT_EQ(steps(), 1);
    // A fill that changes nothing is no step, but the press marks the map.
    QTest::mouseClick(named<MapView>(*form, "Picture2"), Qt::LeftButton, Qt::NoModifier, at(0, 0));
    EXPECT_EQ(steps(), 1);
    named<QComboBox>(*form, "Combo1")->setCurrentIndex(0);  // "A"
    QTest::mouseClick(named<MapView>(*form, "Picture2"), Qt::LeftButton, Qt::NoModifier, at(20, 16));
    EXPECT_EQ(row(16), "BBBBB7" + std::string(29, 'A'));
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(row(16), "BBBBB7" + std::string(29, '1'));
}

TEST_F(Tools, CopyPasteAndARefusedPaste)
{
    setCell(0, 0, 'K');
    key(Qt::Key_S);
    drag(at(0, 0), {at(2, 1)});
    EXPECT_EQ(selection(), (CellRect{0, 0, 2, 1}));
    EXPECT_FALSE(form->document().marked());  // selecting and copying leave it
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("K11\n111"));
    // Pasted at the cursor, clipped at the map's edge; blanks read as "0".
    named<MapView>(*form, "Picture2")->moveCursorTo(16, 33);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(row(16).substr(33), "K1");
    EXPECT_EQ(selection(), (CellRect{33, 16, 34, 16}));
    QGuiApplication::clipboard()->setText(QStringLiteral("A B\r\nC\r\n"));
    named<MapView>(*form, "Picture2")->moveCursorTo(5, 5);
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(row(5).substr(5, 3), "A0B");
    EXPECT_EQ(row(6).substr(5, 3), "C11");  // a shorter line leaves the rest
    // Shift and the arrows make a selection from the cursor.
    key(Qt::Key_Escape);
    EXPECT_TRUE(selection().empty());
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(selection(), (CellRect{5, 5, 7, 5}));
    // Delete fills the selection with "0"; one undo step each.
    key(Qt::Key_Delete);
    EXPECT_EQ(row(5).substr(5, 3), "000");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(row(5).substr(5, 3), "A0B");

    const std::string before = row(9);
    QGuiApplication::clipboard()->setText(QStringLiteral("12\n3*"));
    named<MapView>(*form, "Picture2")->moveCursorTo(9, 0);
    key(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(asker.notices.size(), 1u);
    EXPECT_TRUE(asker.notices[0].contains(QStringLiteral("2 行目、2 文字目")));
    EXPECT_TRUE(asker.notices[0].contains(QStringLiteral("「*」はマップに置けません")));
    EXPECT_EQ(row(9), before);
}

TEST_F(Tools, EveryToolMeansTheCellThePenMeans)
{
    // Fractional positions, as a fractional display scale gives them: every
    // tool, like the pen, rounds to the nearest pixel before it divides.
    QGuiApplication::clipboard()->setText(QStringLiteral("B"));  // what the stamp puts
    for (const ToolInfo& tool : toolRegistry()) {
        form->findChild<QAction*>(QString::fromLatin1(tool.objectName))->trigger();
        for (const auto& [x, cell] :
             {std::pair{15.5, 1}, std::pair{15.99, 1}, std::pair{16.0, 1}, std::pair{15.49, 0}}) {
            form->document().load(1);
            sendAt(QEvent::MouseButtonPress, {x, x}, Qt::LeftButton, Qt::LeftButton);
            sendAt(QEvent::MouseButtonRelease, {x, x}, Qt::LeftButton, Qt::NoButton);
            EXPECT_EQ(named<MapView>(*form, "Picture2")->cursorColumn(), cell) << tool.objectName << " x=" << x;
            EXPECT_EQ(named<MapView>(*form, "Picture2")->cursorRow(), cell) << tool.objectName << " y=" << x;
            const bool puts =
                tool.objectName != std::string("selectAction") && tool.objectName != std::string("fillAction");
            if (puts) {
                EXPECT_EQ(row(cell)[static_cast<std::size_t>(cell)], 'B') << tool.objectName << " x=" << x;
            }
        }
    }
    // A drag that leaves the view ends at the edge cells.
    form->findChild<QAction*>(QStringLiteral("rectangleAction"))->trigger();
    form->document().load(1);
    sendAt(QEvent::MouseButtonPress, {20, 20}, Qt::LeftButton, Qt::LeftButton);
    sendAt(QEvent::MouseMove, {-30.0, 400.0}, Qt::NoButton, Qt::LeftButton);
    sendAt(QEvent::MouseButtonRelease, {-30.0, 400.0}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(row(16).substr(0, 3), "BB1");
    EXPECT_EQ(row(0)[0], '1');
}

TEST_F(Tools, ASelectionGoesWithItsMap)
{
    key(Qt::Key_S);
    drag(at(0, 0), {at(34, 16)});
    ASSERT_EQ(selection(), CellRect::wholeMap());
    key(Qt::Key_PageDown);
    ASSERT_EQ(form->document().mapNo(), 2);
    EXPECT_TRUE(selection().empty());
    key(Qt::Key_Delete);
    EXPECT_EQ(row(8), std::string(35, '2'));
    EXPECT_FALSE(form->document().marked());
}

TEST_F(Tools, ALineFromItsKeyPreviewedThenPut)
{
    key(Qt::Key_L);
    EXPECT_TRUE(chosen("lineAction"));
    EXPECT_EQ(named<QLabel>(*form, "toolStatus")->text(), QStringLiteral("ツール: ライン"));
    const QImage before = viewPixels();
    send(QEvent::MouseButtonPress, at(1, 1), Qt::LeftButton, Qt::LeftButton);
    // Clear of the red marker, which a put cell paints over for good.
    send(QEvent::MouseMove, at(9, 2), Qt::NoButton, Qt::LeftButton);
    EXPECT_TRUE(cellShowsTile(viewPixels(), 2, 9, standardCatalogue().tileOf(1)));  // previewed, not put
    EXPECT_EQ(row(2)[9], '1');
    send(QEvent::MouseButtonRelease, at(9, 2), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(row(1)[1], 'B');
    EXPECT_EQ(row(2)[9], 'B');
    EXPECT_EQ(steps(), 1);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(viewPixels(), before);
    // The key table lists it with the other tools.
    form->findChild<QAction*>(QStringLiteral("keysAction"))->trigger();
    ASSERT_FALSE(asker.notices.empty());
    EXPECT_TRUE(asker.notices.back().contains(QStringLiteral(
        "E / B / R / F / S / L / O / T: ペン / ブラシ / 矩形 / 塗りつぶし / 選択 / ライン / 枠 / スタンプ")));
}

TEST_F(Tools, APlatformMovedDownARowInFourActions)
{
    for (int c = 10; c < 22; ++c)
        setCell(8, c, 'X');  // a 12-cell platform
    asker.answer({true});
    named<QPushButton>(*form, "Command1")->click();
    const std::string before = level();
    form->findChild<QAction*>(QStringLiteral("selectAction"))->trigger();  // the tool in hand

    drag(at(10, 8), {at(21, 8)});         // 1: select it
    drag(at(15, 8), {at(15, 9)});         // 2: drag it down a row
    asker.answer({true});                 // 4: yes, save
    key(Qt::Key_S, Qt::ControlModifier);  // 3: Ctrl+S
    EXPECT_EQ(row(8), std::string(35, '1').replace(10, 12, std::string(12, '0')));
    EXPECT_EQ(row(9), std::string(35, '1').replace(10, 12, std::string(12, 'X')));
    std::string expected = before;
    const std::size_t row8 = expected.find("\r\n", expected.find("*MAP001")) + 2 + 8 * 37;
    expected.replace(row8 + 10, 12, std::string(12, '0'));
    expected.replace(row8 + 37 + 10, 12, std::string(12, 'X'));
    EXPECT_EQ(level(), expected);
    EXPECT_EQ(selection(), (CellRect{10, 9, 21, 9}));
}

TEST_F(Tools, FramesAndStampsByThePointer)
{
    key(Qt::Key_O);
    EXPECT_EQ(named<QLabel>(*form, "toolStatus")->text(), QStringLiteral("ツール: 枠"));
    drag(at(2, 2), {at(4, 6), at(6, 6)});
    EXPECT_EQ(row(2).substr(2, 5), "BBBBB");
    EXPECT_EQ(row(4).substr(2, 5), "B111B");
    EXPECT_EQ(steps(), 1);

    QGuiApplication::clipboard()->setText(QStringLiteral("KL"));
    key(Qt::Key_T);
    const QImage still = viewPixels();
    send(QEvent::MouseMove, at(20, 12), Qt::NoButton, Qt::NoButton);
    EXPECT_NE(viewPixels(), still);  // the stamp follows the pointer
    EXPECT_EQ(row(12).substr(20, 2), "11");
    drag(at(20, 12), {at(20, 14)});
    for (int r = 12; r <= 14; ++r)
        EXPECT_EQ(row(r).substr(20, 2), "KL") << r;
    EXPECT_EQ(steps(), 2);
    QGuiApplication::clipboard()->clear();
    drag(at(0, 0), {});
    EXPECT_EQ(row(0)[0], '1');
    EXPECT_FALSE(form->statusBar()->currentMessage().isEmpty());
}

TEST_F(Tools, DuplicateCopiesTheMapOnScreenAsANewOne)
{
    QTest::mouseClick(named<MapView>(*form, "Picture2"), Qt::LeftButton, Qt::NoModifier, at(3, 3));  // unsaved
    asker.answer({false, true});  // save map 1? no; create map 4? yes
    form->findChild<QAction*>(QStringLiteral("duplicateAction"))->trigger();
    EXPECT_EQ(form->document().mapNo(), 4);
    EXPECT_EQ(text1(), QStringLiteral("*MAP004"));
    EXPECT_EQ(row(3)[3], 'B');
    EXPECT_TRUE(form->document().marked());
    asker.answer({true});
    named<QPushButton>(*form, "Command1")->click();
    EXPECT_EQ(level().substr(0, original.size()), original);
    EXPECT_NE(level().find("*MAP004"), std::string::npos);

    // A damaged map is not copied: its rows would break the file on saving.
    std::vector<std::string> damaged = uniformRows('5');
    damaged[2] = "*STRAY";
    const std::string broken = levelText({{"*MAP001", damaged}});
    writeLevel(broken);
    form->document().load(1);
    asker.notices.clear();
    form->findChild<QAction*>(QStringLiteral("duplicateAction"))->trigger();
    ASSERT_EQ(asker.notices.size(), 1u);
    EXPECT_TRUE(asker.notices[0].contains(QStringLiteral("複製できません")));
    EXPECT_EQ(form->document().mapNo(), 1);
    EXPECT_EQ(level(), broken);
}

}  // namespace
}  // namespace kelmor::test
