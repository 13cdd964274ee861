#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "model/blanktemplate.h"
#include "support/formfixture.h"
#include "view/mapview.h"

namespace kelmor::test {
namespace {

class Editing : public FormTest {
protected:
    void SetUp() override
    {
        writeSheet(coordinateSheet());
        writeLevel(levelText({{"*MAP001", uniformRows('0')}}));
        open();
    }
    void choose(int position) { named<QComboBox>(*form, "Combo1")->setCurrentIndex(position); }
};

TEST_F(Editing, ALeftPressPlacesAndRepaintsThatCellOnly)
{
    choose(2);  // "C:与作"
    const QImage before = viewPixels();
    press({37, 20});
    EXPECT_EQ(row(1), "00C" + std::string(32, '0'));
    EXPECT_TRUE(form->document().marked());
    const QImage after = viewPixels();
    EXPECT_TRUE(cellShowsTile(after, 1, 2, 4));
    EXPECT_EQ(after.pixel(32, 16), sheetPixel(32, 0));
    for (int y = 0; y < 272; y += 3)
        for (int x = 0; x < 560; x += 3)
            if (!(x >= 32 && x < 48 && y >= 16 && y < 32)) {
                ASSERT_EQ(after.pixel(x, y), before.pixel(x, y)) << x << "," << y;
            }
}

TEST_F(Editing, PixelEdgesFindTheRightCell)
{
    choose(1);  // "B"
    const struct {
        QPointF at;
        int column, row;
    } cases[] = {
        {{0, 0}, 0, 0},     {{15, 15}, 0, 0},   {{16, 0}, 1, 0},      {{559, 271}, 34, 16},
        {{15.5, 40}, 1, 2}, {{14.5, 60}, 0, 3}, {{16.5, 80.5}, 1, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "press at " << c.at.x() << "," << c.at.y());
        for (int r = 0; r < 17; ++r)
            setRow(r, std::string(35, '0'));
        press(c.at);
        std::string expected(35, '0');
        expected[static_cast<std::size_t>(c.column)] = 'B';
        EXPECT_EQ(row(c.row), expected) << c.at.x() << "," << c.at.y();
    }
}

TEST_F(Editing, DraggingPaintsNothingBeyondThePressedCell)
{
    choose(1);
    QWidget* view = named<MapView>(*form, "Picture2");
    QMouseEvent down(QEvent::MouseButtonPress, QPointF(5, 5), view->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &down);
    for (int x = 10; x < 200; x += 7) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 5), view->mapToGlobal(QPointF(x, 5)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view, &move);
    }
    EXPECT_EQ(row(0), "B" + std::string(34, '0'));
}

TEST_F(Editing, MiddleAndModifiedPressesPlaceLikeALeftPress)
{
    choose(24 + 7);  // "7"
    press({100, 100}, Qt::MiddleButton);
    EXPECT_EQ(row(6)[6], '7');
    choose(0);
    press({116, 100}, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(row(6)[7], 'A');
    EXPECT_TRUE(cellShowsTile(viewPixels(), 6, 7, 282));
}

TEST_F(Editing, ARightPressPicksAndChangesNoCell)
{
    setRow(0, "C7 Yd" + std::string(30, '0'));
    const QImage before = viewPixels();
    press({5, 5}, Qt::RightButton);
    EXPECT_EQ(named<QComboBox>(*form, "Combo1")->currentIndex(), 2);
    EXPECT_EQ(palette(), QStringLiteral("C:与作"));
    EXPECT_TRUE(form->document().marked());
    press({20, 5}, Qt::RightButton);
    EXPECT_EQ(named<QComboBox>(*form, "Combo1")->currentIndex(), 31);
    press({36, 5}, Qt::RightButton);
    EXPECT_EQ(named<QComboBox>(*form, "Combo1")->currentIndex(), 24);
    press({52, 5}, Qt::RightButton);
    EXPECT_EQ(named<QComboBox>(*form, "Combo1")->currentIndex(), 24);
    press({68, 5}, Qt::RightButton);  // "d": no palette entry, the choice stays
    EXPECT_EQ(named<QComboBox>(*form, "Combo1")->currentIndex(), 24);
    EXPECT_EQ(palette(), QStringLiteral("0:空白"));
    EXPECT_EQ(row(0), "C7 Yd" + std::string(30, '0'));
    EXPECT_EQ(viewPixels(), before);
}

TEST_F(Editing, PickThenPlaceCopiesACell)
{
    setCell(2, 3, 'K');
    named<QComboBox>(*form, "Combo1")->setEditText(QStringLiteral("typed"));
    press({3 * 16 + 1, 2 * 16 + 1}, Qt::RightButton);
    EXPECT_EQ(palette(), QStringLiteral("K:KEY"));
    press({10 * 16 + 1, 12 * 16 + 1});
    EXPECT_EQ(row(12)[10], 'K');
}

TEST_F(Editing, TypedPaletteTextIsPlacedAsItStandsWithinReason)
{
    named<QComboBox>(*form, "Combo1")->setEditText(QString());
    press({1, 1});
    EXPECT_EQ(row(0)[0], '0');  // nothing to place
    EXPECT_TRUE(form->document().marked());
    EXPECT_TRUE(asker.notices.empty());

    named<QComboBox>(*form, "Combo1")->setEditText(QStringLiteral("z-anything"));
    press({1, 1});
    EXPECT_EQ(row(0)[0], 'z');
    EXPECT_TRUE(cellShowsTile(viewPixels(), 0, 0, 0));

    for (const QString& bad : {QStringLiteral(","), QStringLiteral("*"), QStringLiteral("\""), QStringLiteral("あ")}) {
        named<QComboBox>(*form, "Combo1")->setEditText(bad);
        press({17, 1});
        EXPECT_EQ(row(0)[1], '0') << bad.toStdString();
    }
    EXPECT_EQ(asker.notices.size(), 4u);
}

TEST_F(Editing, APressOnAColumnAShortRowLacksChangesNothing)
{
    setRow(4, "12");
    choose(0);
    press({100, 4 * 16 + 2});
    EXPECT_EQ(row(4), "12");
    press({100, 4 * 16 + 2}, Qt::RightButton);
    EXPECT_EQ(named<QComboBox>(*form, "Combo1")->currentIndex(), 0);
    press({17, 4 * 16 + 2});
    EXPECT_EQ(row(4), "1A");
}

TEST_F(Editing, APlacedCellCoversTheMarkerOnlyWhereItLies)
{
    choose(24);                       // "0"
    press({6 * 16 + 3, 3 * 16 + 3});  // row 3, column 6
    const QImage v = viewPixels();
    EXPECT_EQ(v.pixel(96, 56), sheetPixel(0, 8));  // covered
    EXPECT_EQ(v.pixel(96, 64), qRgb(255, 0, 0));   // row 4 keeps its part
}

TEST_F(Editing, TheHeaderBoxDropsCommasAndBlanksAsTheyAreTyped)
{
    named<QLineEdit>(*form, "Text1")->clear();
    QTest::keyClicks(named<QLineEdit>(*form, "Text1"), "*MAP 0,01");
    EXPECT_EQ(text1(), QStringLiteral("*MAP001"));
    EXPECT_FALSE(form->document().marked());

    QString longText;
    for (int i = 1; i <= 300; ++i)
        longText += i == 10 ? QChar(u',') : QChar(u'a' + i % 26);
    named<QLineEdit>(*form, "Text1")->setText(longText);
    EXPECT_EQ(text1().size(), 264);
    EXPECT_EQ(text1(), longText.left(9) + longText.mid(10, 255));

    const QString letters(300, QChar(u'q'));
    named<QLineEdit>(*form, "Text1")->setText(letters);
    EXPECT_EQ(text1(), letters);

    named<QLineEdit>(*form, "Text1")->setText(QStringLiteral("*ア，イ　ウ ,"));
    EXPECT_EQ(text1(), QStringLiteral("*ア，イ　ウ"));
    named<QLineEdit>(*form, "Text1")->setText(QStringLiteral(" , , "));
    EXPECT_EQ(text1(), QString());
    EXPECT_FALSE(form->document().marked());
}

TEST_F(Editing, ErasingAsksAndWritesTheTemplate)
{
    choose(1);
    press({1, 1});
    asker.answer({false});
    named<QPushButton>(*form, "Command1")->click();  // No to the save question clears the mark
    asker.answer({false});
    named<QPushButton>(*form, "Command3")->click();
    EXPECT_EQ(asker.questions.back(), QStringLiteral("このマップを消去してもよろしいですか?"));
    EXPECT_EQ(row(0)[0], 'B');
    EXPECT_FALSE(form->document().marked());

    asker.answer({true});
    named<QPushButton>(*form, "Command3")->click();
    for (int r = 0; r < 17; ++r)
        EXPECT_EQ(row(r), blankTemplateRow(r)) << r;
    EXPECT_TRUE(form->document().marked());
    EXPECT_EQ(text1(), QStringLiteral("*MAP001"));
    EXPECT_EQ(label1(), QStringLiteral("map No 1"));
    const QImage v = viewPixels();
    EXPECT_TRUE(cellShowsTile(v, 0, 16, 62));
    EXPECT_TRUE(cellShowsTile(v, 0, 17, 0));
    EXPECT_TRUE(cellShowsTile(v, 15, 9, 114));
    EXPECT_TRUE(cellShowsTile(v, 16, 0, 336));
    EXPECT_EQ(v.pixel(96, 56), qRgb(255, 0, 0));
    EXPECT_EQ(level(), levelText({{"*MAP001", uniformRows('0')}}));
}

TEST_F(Editing, ErasingWhenNoMapWasLoadedGivesFullRows)
{
    writeLevel("");
    open();
    ASSERT_TRUE(row(0).empty());
    asker.answer({true});
    named<QPushButton>(*form, "Command3")->click();
    for (int r = 0; r < 17; ++r)
        EXPECT_EQ(row(r), blankTemplateRow(r));
}

}  // namespace
}  // namespace kelmor::test
