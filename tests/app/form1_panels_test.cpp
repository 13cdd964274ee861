// What stands around the form (the palette of pictures, the status bar, the
// codes over the view) and the small faults a level designer hit, through
// real events on the real window.
#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/formfixture.h"
#include "view/mapimage.h"
#include "view/mapview.h"
#include "view/palettepanel.h"

namespace kelmor::test {
namespace {

class Panels : public FormTest {
protected:
    void show()
    {
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }
    QAction* action(const char* name) const { return form->findChild<QAction*>(QString::fromLatin1(name)); }
    QImage entryPicture(int position) const
    {
        const QIcon icon = named<PalettePanel>(*form, "palettePanel")->item(position)->icon();
        return icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_RGB32);
    }
    void clickEntry(int position)
    {
        PalettePanel* panel = named<PalettePanel>(*form, "palettePanel");
        const QRect at = panel->visualItemRect(panel->item(position));
        QTest::mouseClick(panel->viewport(), Qt::LeftButton, Qt::NoModifier, at.center());
    }
};

TEST_F(Panels, ThePalettesPicturesChooseAsThePaletteDoes)
{
    openOnThreeMaps();
    show();
    PalettePanel* panel = named<PalettePanel>(*form, "palettePanel");
    ASSERT_EQ(panel->count(), named<QComboBox>(*form, "Combo1")->count());
    EXPECT_GE(panel->parentWidget()->mapTo(form.get(), QPoint(0, 0)).x(), form->form()->geometry().right());
    // Each entry is its cell's graphic, named by its entry.
    TileSheet sheet;
    ASSERT_EQ(sheet.decode(QByteArray::fromStdString(readFile(dir.file("kelmor.bmp")))), TileSheet::Status::Loaded);
    for (int position : {0, 10, 33}) {
        const QString entry = named<QComboBox>(*form, "Combo1")->itemText(position);
        const QImage cell =
            MapImage::cellPicture(static_cast<char>(entry.front().unicode()), standardCatalogue(), sheet);
        EXPECT_EQ(entryPicture(position), cell.scaled(32, 32)) << position;
        EXPECT_EQ(panel->item(position)->toolTip(), entry);
        EXPECT_EQ(panel->item(position)->data(Qt::AccessibleTextRole).toString(), entry);
    }
    EXPECT_EQ(panel->currentRow(), 0);

    // A click chooses in the palette, typed text giving way; the palette's
    // own choice marks the picture.
    named<QComboBox>(*form, "Combo1")->setEditText(QStringLiteral("z"));
    clickEntry(0);
    EXPECT_EQ(palette(), named<QComboBox>(*form, "Combo1")->itemText(0));
    clickEntry(10);
    EXPECT_EQ(named<QComboBox>(*form, "Combo1")->currentIndex(), 10);
    press({5, 5});
    EXPECT_EQ(row(0)[0], 'K');
    named<QComboBox>(*form, "Combo1")->setCurrentIndex(26);
    EXPECT_EQ(panel->currentRow(), 26);
    EXPECT_TRUE(panel->item(26)->isSelected());

    // From the keyboard: after the last button, and the arrows choose.
    named<QPushButton>(*form, "Command7")->setFocus();
    key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), panel);
    key(Qt::Key_Right);
    EXPECT_EQ(named<QComboBox>(*form, "Combo1")->currentIndex(), 27);
    EXPECT_EQ(palette(), named<QComboBox>(*form, "Combo1")->itemText(27));

    // 表示 hides it for the rest of the run.
    action("paletteAction")->trigger();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(form->form()->size(), QSize(565, 329));
}

TEST_F(Panels, WithoutATileSheetThePaletteShowsTheCodes)
{
    writeLevel(threeMaps());
    open();
    ASSERT_EQ(asker.notices, std::vector<QString>{QStringLiteral("kelmor.bmp is not found")});
    EXPECT_EQ(entryPicture(10), MapImage::cellPicture('K', standardCatalogue(), TileSheet()).scaled(32, 32));
    EXPECT_NE(entryPicture(10), entryPicture(11));
    QImage black(16, 16, QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_NE(viewPixels().copy(16, 16, 16, 16), black);  // the view shows its "1"s
}

TEST_F(Panels, TheStatusBarTellsTheCellTheMapTheMarkAndTheTool)
{
    openOnThreeMaps();
    show();
    EXPECT_EQ(named<QLabel>(*form, "markStatus")->text(), QStringLiteral("変更なし"));
    setCell(2, 3, 'K');  // a change, never marked: leaving would let it go
    EXPECT_EQ(named<QLabel>(*form, "mapStatus")->text(), QStringLiteral("map No 1"));
    EXPECT_EQ(named<QLabel>(*form, "markStatus")->text(), QStringLiteral("保存しない変更あり（移動すると手放します）"));
    EXPECT_EQ(named<QLabel>(*form, "toolStatus")->text(), QStringLiteral("ツール: ペン"));

    // The pointer's cell, then the keyboard cursor's after a key moved it.
    QTest::mouseMove(named<MapView>(*form, "Picture2"), QPoint(3 * 16 + 4, 2 * 16 + 4));
    EXPECT_EQ(named<QLabel>(*form, "cellStatus")->text(),
              QStringLiteral("列 3、行 2: ") + named<QComboBox>(*form, "Combo1")->itemText(10));
    const QString cursorBefore = named<MapView>(*form, "Picture2")->accessibleDescription();
    QTest::mouseMove(named<MapView>(*form, "Picture2"), QPoint(20 * 16 + 4, 9 * 16 + 4));
    EXPECT_EQ(named<QLabel>(*form, "cellStatus")->text(),
              QStringLiteral("列 20、行 9: ") + named<QComboBox>(*form, "Combo1")->itemText(25));
    // A screen reader hears the cursor, not the pointer.
    EXPECT_EQ(named<MapView>(*form, "Picture2")->accessibleDescription(), cursorBefore);
    named<MapView>(*form, "Picture2")->setFocus();
    key(Qt::Key_Down);
    EXPECT_EQ(named<QLabel>(*form, "cellStatus")->text(),
              QStringLiteral("列 0、行 1: ") + named<QComboBox>(*form, "Combo1")->itemText(25));
    EXPECT_EQ(named<QLabel>(*form, "cellStatus")->text(), named<MapView>(*form, "Picture2")->accessibleDescription());

    press({8, 24});  // row 1, column 0: "A" put there
    EXPECT_EQ(named<QLabel>(*form, "cellStatus")->text(),
              QStringLiteral("列 0、行 1: ") + named<QComboBox>(*form, "Combo1")->itemText(0));
    EXPECT_EQ(named<QLabel>(*form, "markStatus")->text(), QStringLiteral("未保存の変更あり"));
    asker.answer({false});
    named<QPushButton>(*form, "Command2")->click();
    EXPECT_EQ(named<QLabel>(*form, "mapStatus")->text(), QStringLiteral("map No 2"));
    EXPECT_EQ(named<QLabel>(*form, "markStatus")->text(), QStringLiteral("変更なし"));
    // A code the catalogue does not have is named as such.
    setCell(9, 21, 'Z');
    QTest::mouseMove(named<MapView>(*form, "Picture2"), QPoint(21 * 16 + 4, 9 * 16 + 4));
    EXPECT_EQ(named<QLabel>(*form, "cellStatus")->text(),
              QStringLiteral("列 21、行 9: コード「Z」はカタログの何も表しません"));

    action("statusAction")->trigger();
    EXPECT_FALSE(named<QLabel>(*form, "cellStatus")->isVisible());
}

TEST_F(Panels, TheCodesOverTheViewOnDemand)
{
    openOnThreeMaps();
    show();
    setCell(4, 4, 'z');  // no graphic of its own: it shows as a "0" does
    setCell(4, 5, '0');
    const QImage off = viewPixels();
    EXPECT_EQ(off.copy(64, 64, 16, 16), off.copy(80, 64, 16, 16));
    ASSERT_FALSE(action("codesAction")->isChecked());

    action("codesAction")->trigger();
    const QImage on = viewPixels();
    EXPECT_NE(on.copy(64, 64, 16, 16), on.copy(80, 64, 16, 16));
    EXPECT_NE(on.copy(0, 0, 16, 16), off.copy(0, 0, 16, 16));
    // Over the view, never into its image: a put cell and a save are as without it.
    press({8, 8});
    EXPECT_EQ(row(0)[0], 'A');
    action("codesAction")->trigger();
    EXPECT_TRUE(cellShowsTile(viewPixels(), 0, 0, standardCatalogue().tileOf(0)));
    const QImage back = viewPixels();
    EXPECT_EQ(back.copy(0, 16, 560, 256), off.copy(0, 16, 560, 256));
}

TEST_F(Panels, SmallFaults)
{
    // The number is whole from map 100 on, up to the last map there can be;
    // below 100 the label is as it was.
    std::string bytes = levelText({{"*MAP001_" + std::string(60, 'x'), uniformRows('1')}});
    std::string small = "*\r\n";
    for (int r = 0; r < kMapRows; ++r)
        small += "0\r\n";
    for (int n = 2; n <= 32767; ++n)
        bytes += small;
    writeSheet(coordinateSheet());
    writeLevel(bytes);
    open();
    show();
    QLabel* label = named<QLabel>(*form, "Label1");
    EXPECT_EQ(label->font().pixelSize(), form->form()->font().pixelSize());
    // A long header shows its start.
    EXPECT_EQ(text1().left(8), QStringLiteral("*MAP001_"));
    EXPECT_EQ(named<QLineEdit>(*form, "Text1")->cursorPosition(), 0);
    for (const MapNumber n : {99, 150, 32767}) {
        form->document().load(n);
        ASSERT_EQ(label->text(), QStringLiteral("map No %1").arg(n));
        const QRect box = label->geometry();
        if (n == 99) {
            EXPECT_EQ(label->font().pixelSize(), form->form()->font().pixelSize());
            EXPECT_EQ(box, QRect(8, 0, 65, 17));
            continue;
        }
        // Every pixel of the number inside the label, and the label before the first button.
        EXPECT_LT(QFontMetrics(label->font()).boundingRect(label->text()).right(), box.width()) << n;
        EXPECT_EQ(box.topLeft(), QPoint(8, 0));
        EXPECT_LE(box.right(), named<QPushButton>(*form, "Command7")->x() - 1);
        EXPECT_GE(label->font().pixelSize(), 8);
    }

    // The first Space only shows a hidden cursor; the next one puts.
    form->document().load(1);
    named<MapView>(*form, "Picture2")->setFocus();
    press({20 * 16 + 3, 5 * 16 + 3}, Qt::RightButton);
    ASSERT_FALSE(named<MapView>(*form, "Picture2")->cursorShown());
    const std::string before = row(5);
    named<QComboBox>(*form, "Combo1")->setCurrentIndex(1);
    key(Qt::Key_Space);
    EXPECT_EQ(row(5), before);
    EXPECT_TRUE(named<MapView>(*form, "Picture2")->cursorShown());
    key(Qt::Key_Space);
    EXPECT_EQ(row(5)[20], 'B');

    // The refusal names what the map takes.
    named<QComboBox>(*form, "Combo1")->setEditText(QStringLiteral("あ"));
    press({8, 8});
    ASSERT_EQ(asker.notices.size(), 1u);
    EXPECT_TRUE(asker.notices[0].contains(QStringLiteral("「あ」はマップに置けません")));
    EXPECT_TRUE(asker.notices[0].contains(QStringLiteral("半角の英字・数字・記号")));
}

}  // namespace
}  // namespace kelmor::test
