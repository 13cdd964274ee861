#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <algorithm>
#include <filesystem>

#include "support/formfixture.h"
#include "view/mapview.h"
#include "view/palettepanel.h"

namespace kelmor::test {
namespace {

class Window : public FormTest {
protected:
    void SetUp() override
    {
        writeSheet(coordinateSheet());
        writeLevel(levelText({{"*MAP001", uniformRows('0')}}));
    }
};

TEST_F(Window, ControlsStandWhereTheTableSays)
{
    open();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    struct Expected {
        QWidget* widget;
        QRect rect;
        QString text;
    };
    const Expected table[] = {
        {named<QLabel>(*form, "Label1"), {8, 0, 65, 17}, {}},
        {named<QPushButton>(*form, "Command7"), {80, 0, 33, 25}, QStringLiteral("|<")},
        {named<QPushButton>(*form, "Command4"), {112, 0, 33, 25}, QStringLiteral("<")},
        {named<QPushButton>(*form, "Command2"), {144, 0, 33, 25}, QStringLiteral(">")},
        {named<QPushButton>(*form, "Command6"), {176, 0, 33, 25}, QStringLiteral(">|")},
        {named<QLineEdit>(*form, "Text1"), {216, 0, 97, 18}, {}},
        {named<QLabel>(*form, "Label2"), {328, 0, 225, 17}, QStringLiteral("[左クリック]=PUT ／ 　[右クリック]=GET")},
        {named<MapView>(*form, "Picture2"), {0, 24, 560, 272}, {}},
        {named<QWidget>(*form, "Picture1"), {48, 24, 177, 49}, {}},
        {named<QComboBox>(*form, "Combo1"), {8, 304, 177, 20}, {}},
        {named<QPushButton>(*form, "Command1"), {224, 304, 81, 25}, QStringLiteral("マップ保存")},
        {named<QPushButton>(*form, "Command5"), {312, 304, 89, 25}, QStringLiteral("マップ作成")},
        {named<QPushButton>(*form, "Command3"), {432, 304, 73, 25}, QStringLiteral("マップ消去")},
    };
    for (const Expected& e : table) {
        SCOPED_TRACE(e.widget->objectName().toStdString());
        EXPECT_EQ(e.widget->geometry(), e.rect) << e.widget->objectName().toStdString();
        // A screen reader has a name for each: its own, or its text.
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(e.widget)->text(QAccessible::Name).isEmpty());
        if (auto* b = qobject_cast<QPushButton*>(e.widget)) {
            EXPECT_EQ(b->text(), e.text);
        }
        if (auto* l = qobject_cast<QLabel*>(e.widget); l && !e.text.isEmpty()) {
            EXPECT_EQ(l->text(), e.text);
        }
    }
    EXPECT_EQ(named<QLabel>(*form, "Label2")->text().mid(11, 4), QStringLiteral(" ／ 　"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("kelmor-x map editor"));
    // The form keeps its size and its controls' places under the menu bar
    // and the tool bar, at the window's left.
    EXPECT_EQ(form->form()->size(), QSize(565, 329));
    const QToolBar* tools = form->findChild<QToolBar*>(QStringLiteral("toolBar"));
    ASSERT_NE(tools, nullptr);
    EXPECT_EQ(form->form()->mapTo(form.get(), QPoint(0, 0)),
              QPoint(0, form->menuBar()->height() + tools->geometry().height()));
    EXPECT_TRUE(named<QWidget>(*form, "Picture1")->isHidden());
    // The three surfaces a screen reader must tell apart.
    EXPECT_NE(named<MapView>(*form, "Picture2")->accessibleName(), named<QComboBox>(*form, "Combo1")->accessibleName());
    EXPECT_NE(named<QLineEdit>(*form, "Text1")->accessibleName(), named<QComboBox>(*form, "Combo1")->accessibleName());
}

TEST_F(Window, StartUpFillsThePaletteAndTheFirstMap)
{
    open();
    EXPECT_TRUE(asker.notices.empty());
    EXPECT_EQ(named<QComboBox>(*form, "Combo1")->count(), 34);
    EXPECT_EQ(named<QComboBox>(*form, "Combo1")->currentIndex(), 0);
    EXPECT_EQ(palette(), QStringLiteral("A:ハキュラ"));
    EXPECT_EQ(named<QComboBox>(*form, "Combo1")->itemText(33), QStringLiteral("9:レンガ（青）"));
    EXPECT_EQ(form->document().mapNo(), 1);
    EXPECT_FALSE(form->document().marked());
    EXPECT_EQ(label1(), QStringLiteral("map No 1"));
    EXPECT_EQ(text1(), QStringLiteral("*MAP001"));
    EXPECT_EQ(QDir::currentPath(), QDir(QString::fromStdString(dir.path())).canonicalPath());
}

TEST_F(Window, TabOrderAndFirstFocus)
{
    open();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(QApplication::focusWidget(), named<MapView>(*form, "Picture2"));
    const QWidget* order[] = {named<QLineEdit>(*form, "Text1"),      named<QComboBox>(*form, "Combo1"),
                              named<QPushButton>(*form, "Command1"), named<QPushButton>(*form, "Command2"),
                              named<QPushButton>(*form, "Command3"), named<QPushButton>(*form, "Command4"),
                              named<QPushButton>(*form, "Command5"), named<QPushButton>(*form, "Command6"),
                              named<QPushButton>(*form, "Command7"), named<PalettePanel>(*form, "palettePanel")};
    for (const QWidget* expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QWidget* focus = QApplication::focusWidget();
        // An editable combo box gives the focus to its line edit.
        if (focus && focus->parentWidget() == named<QComboBox>(*form, "Combo1"))
            focus = named<QComboBox>(*form, "Combo1");
        EXPECT_EQ(focus, expected) << expected->objectName().toStdString();
    }
}

TEST_F(Window, ResizingMovesNothing)
{
    open();
    form->show();
    const QRect view = named<MapView>(*form, "Picture2")->geometry();
    const QRect combo = named<QComboBox>(*form, "Combo1")->geometry();
    form->resize(900, 700);
    QApplication::processEvents();
    EXPECT_EQ(named<MapView>(*form, "Picture2")->geometry(), view);
    EXPECT_EQ(named<QComboBox>(*form, "Combo1")->geometry(), combo);
    form->resize(200, 100);
    QApplication::processEvents();
    EXPECT_EQ(named<MapView>(*form, "Picture2")->geometry(), view);
    // Never shrunk into the form.
    EXPECT_EQ(form->form()->size(), QSize(565, 329));
    EXPECT_GE(form->height(), form->menuBar()->height() + 329);
    EXPECT_GE(form->width(), 565);
}

// Names stay the system's bytes: a folder and a level file named in Latin-1
// are found, and the save writes that very file, making no other.
TEST_F(Window, NamesInAnotherEncodingAreFoundAndSavedAsThemselves)
{
    const std::string folder = dir.file("st\xe9");
    std::filesystem::create_directory(folder);
    const std::string level = levelText({{"*MAP001", uniformRows('1')}});
    writeFile(folder + "/st\xe9.cnf", level);
    std::filesystem::copy_file(dir.file("kelmor.bmp"), folder + "/kelmor.bmp");
    form = std::make_unique<Form1>(folder, "st\xe9.cnf", asker, ops);
    EXPECT_TRUE(asker.notices.empty());
    EXPECT_EQ(text1(), QStringLiteral("*MAP001"));
    EXPECT_TRUE(cellShowsTile(viewPixels(), 0, 0, standardCatalogue().tileOf(101)));
    press({1, 1});
    asker.answer({true});
    named<QPushButton>(*form, "Command1")->click();
    EXPECT_EQ(readFile(folder + "/st\xe9.cnf").substr(9, 1), "A");
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"kelmor.bmp", "st\xe9.cnf"}));
}

TEST_F(Window, AMissingTileSheetIsToldOnceAndTheMapStillLoads)
{
    std::filesystem::remove(dir.file("kelmor.bmp"));
    open();
    ASSERT_EQ(asker.notices.size(), 1u);
    EXPECT_EQ(asker.notices[0], QStringLiteral("kelmor.bmp is not found"));
    EXPECT_TRUE(asker.questions.empty());
    EXPECT_EQ(text1(), QStringLiteral("*MAP001"));
    EXPECT_EQ(label1(), QStringLiteral("map No 1"));
    const QImage view = viewPixels();
    EXPECT_EQ(view.pixel(0, 0), qRgb(0, 0, 0));  // around the cell's code
    EXPECT_EQ(view.pixel(96, 56), qRgb(255, 0, 0));
}

TEST_F(Window, AnUnreadableTileSheetGetsItsOwnNotice)
{
    writeFile(dir.file("kelmor.bmp"), "not a bitmap at all");
    open();
    ASSERT_EQ(asker.notices.size(), 1u);
    EXPECT_TRUE(asker.notices[0].contains(QStringLiteral("kelmor.bmp")));
    EXPECT_NE(asker.notices[0], QStringLiteral("kelmor.bmp is not found"));
    EXPECT_EQ(text1(), QStringLiteral("*MAP001"));
    EXPECT_EQ(viewPixels().pixel(0, 0), qRgb(0, 0, 0));
}

}  // namespace
}  // namespace kelmor::test
