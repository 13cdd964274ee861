#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <sys/stat.h>

#include "model/celldecode.h"
#include "support/formfixture.h"

namespace kelmor::test {
namespace {

class Loading : public FormTest {
protected:
    void SetUp() override { writeSheet(coordinateSheet()); }
    void load(int n) { form->subMapload(n); }
    bool allCommandsEnabled() const
    {
        for (QPushButton* b : {named<QPushButton>(*form, "Command1"), named<QPushButton>(*form, "Command2"),
                               named<QPushButton>(*form, "Command3"), named<QPushButton>(*form, "Command4"),
                               named<QPushButton>(*form, "Command5"), named<QPushButton>(*form, "Command6"),
                               named<QPushButton>(*form, "Command7")})
            if (!b->isEnabled())
                return false;
        return true;
    }
};

TEST_F(Loading, NumbersAreClampedToTheMapsThereAre)
{
    writeLevel("comment line\r\n" + levelText({{"*MAP001", uniformRows('1')}, {"*MAP002", uniformRows('2')}}) +
               "between,maps\r\n" + levelText({{"   *MAP003", uniformRows('3')}}));
    open();
    EXPECT_EQ(row(0), std::string(35, '1'));
    load(5);
    EXPECT_EQ(form->document().mapNo(), 3);
    EXPECT_EQ(label1(), QStringLiteral("map No 3"));
    EXPECT_EQ(text1(), QStringLiteral("*MAP003"));
    EXPECT_EQ(row(16), std::string(35, '3'));
    EXPECT_TRUE(allCommandsEnabled());
    load(2);
    EXPECT_EQ(form->document().mapNo(), 2);
    EXPECT_EQ(text1(), QStringLiteral("*MAP002"));
    EXPECT_TRUE(asker.notices.empty());
}

TEST_F(Loading, EveryLoadDrawsTheWholeMapAndTheMarker)
{
    std::vector<std::string> rows = uniformRows('0');
    rows[16][34] = 'B';
    rows[3][6] = 'J';
    rows[0] = "ABCDEFGHIJKLMNOPQRSTUVWX0123456789 ";
    writeLevel(levelText({{"*MAP001", rows}}));
    open();
    const QImage view = viewPixels();
    EXPECT_TRUE(cellShowsTile(view, 16, 34, 340));
    EXPECT_EQ(view.pixel(559, 271), sheetPixel(47, 111));
    for (int c = 0; c < 35; ++c)
        EXPECT_TRUE(
            cellShowsTile(view, 0, c, standardCatalogue().tileOf(cellValue(rows[0][static_cast<std::size_t>(c)]))))
            << c;
    EXPECT_EQ(view.pixel(96, 56), qRgb(255, 0, 0));
    EXPECT_EQ(view.pixel(111, 71), qRgb(255, 0, 0));
    EXPECT_EQ(view.pixel(100, 60), sheetPixel(48 + 4, 48 + 12));  // inside the marker: tile 174
}

TEST_F(Loading, AFileWithoutHeadersShowsMapZeroAndChangesNothingElse)
{
    writeLevel(levelText({{"*MAP001", uniformRows('1')}}));
    open();
    writeLevel("no maps here\r\n\r\n");
    named<QLineEdit>(*form, "Text1")->setText(QStringLiteral("*MINE"));
    load(1);
    EXPECT_EQ(form->document().mapNo(), 0);
    EXPECT_EQ(label1(), QStringLiteral("map No 0"));
    EXPECT_EQ(text1(), QStringLiteral("*MINE"));
    EXPECT_EQ(row(0), std::string(35, '1'));
    EXPECT_TRUE(allCommandsEnabled());
}

TEST_F(Loading, AMissingLevelFileIsToldOnceAndTheViewIsEmpty)
{
    open();
    ASSERT_EQ(asker.notices.size(), 1u);
    EXPECT_TRUE(asker.notices[0].contains(QStringLiteral("kelmor.cnf")));
    EXPECT_EQ(label1(), QStringLiteral("map No 0"));
    EXPECT_EQ(form->document().mapNo(), 0);
    const QImage view = viewPixels();
    EXPECT_TRUE(cellShowsTile(view, 0, 0, 0));
    EXPECT_TRUE(cellShowsTile(view, 16, 34, 0));
    EXPECT_TRUE(allCommandsEnabled());
}

// A pipe as the level file would make the window wait for ever: it is told at
// start-up and by every action that needs the file, and nothing is written.
TEST_F(Loading, ALevelFileThatIsAPipeIsRefusedEveryTime)
{
    ASSERT_EQ(::mkfifo(dir.file("kelmor.cnf").c_str(), 0644), 0);
    open();
    const QString notPlain = QStringLiteral("普通のファイルではない");
    ASSERT_EQ(asker.notices.size(), 1u);
    EXPECT_TRUE(asker.notices[0].contains(notPlain));
    named<QPushButton>(*form, "Command6")->click();
    named<QPushButton>(*form, "Command5")->click();
    named<QLineEdit>(*form, "Text1")->setText(QStringLiteral("*MAP001"));
    asker.answer({true});
    named<QPushButton>(*form, "Command1")->click();
    ASSERT_EQ(asker.notices.size(), 4u);
    for (const QString& notice : asker.notices)
        EXPECT_TRUE(notice.contains(notPlain) || notice.contains(QStringLiteral("普通のファイルではありません")))
            << notice.toStdString();
    EXPECT_EQ(std::filesystem::status(dir.file("kelmor.cnf")).type(), std::filesystem::file_type::fifo);
}

// A map whose rows run into the next header is told when it is loaded, and
// saving it asks nothing, writes nothing and lets the action go on.
TEST_F(Loading, AMapWithAHeaderAmongItsRowsIsNeverSaved)
{
    std::string bytes = "*A\r\n";
    for (int i = 0; i < 5; ++i)
        bytes += std::string(35, '0') + "\r\n";
    bytes += levelText({{"*B", uniformRows('2')}});
    writeLevel(bytes);
    open();
    ASSERT_EQ(asker.notices.size(), 1u);
    EXPECT_TRUE(asker.notices[0].contains(QStringLiteral("6 行目"))) << asker.notices[0].toStdString();
    named<QPushButton>(*form, "Command1")->click();
    EXPECT_TRUE(asker.questions.empty());
    ASSERT_EQ(asker.notices.size(), 2u);
    EXPECT_TRUE(asker.notices[1].contains(QStringLiteral("保存できません")));
    EXPECT_EQ(level(), bytes);

    // Nor can the header box hold more than loading takes back.
    named<QLineEdit>(*form, "Text1")->setText(QString(3000, QChar(u'マ')));
    EXPECT_LE(named<QLineEdit>(*form, "Text1")->text().toUtf8().size(), static_cast<qsizetype>(kMaxHeaderBytes));
    EXPECT_GE(named<QLineEdit>(*form, "Text1")->text().size(), 300);
}

TEST_F(Loading, ACutOffMapShowsItsRowsAndSaysSo)
{
    std::string bytes = levelText({{"*MAP001", uniformRows('1')}}) + "*MAP002\r\n";
    for (int i = 0; i < 4; ++i)
        bytes += std::string(35, 'A') + "\r\n";
    bytes += "BB";
    writeLevel(bytes);
    open();
    load(2);
    EXPECT_EQ(form->document().mapNo(), 2);
    ASSERT_EQ(asker.notices.size(), 1u);
    EXPECT_TRUE(asker.notices[0].contains(QStringLiteral("map No 2")));
    EXPECT_EQ(row(3), std::string(35, 'A'));
    EXPECT_EQ(row(4), "BB");
    EXPECT_EQ(row(5), "");
    const QImage view = viewPixels();
    EXPECT_TRUE(cellShowsTile(view, 4, 1, 340));
    EXPECT_TRUE(cellShowsTile(view, 4, 2, 0));
    EXPECT_TRUE(cellShowsTile(view, 10, 10, 0));
}

TEST_F(Loading, HeadersInUtf8AndShiftJisAreShownAndFilteredOnLoad)
{
    writeLevel(levelText({{"*\xE3\x83\x9E\xE3\x83\x83\xE3\x83\x97", uniformRows('1')},
                          {"*\x83\x7D\x83\x62\x83\x76", uniformRows('2')},
                          {"*MAP 003", uniformRows('3')}}));
    open();
    EXPECT_EQ(text1(), QStringLiteral("*マップ"));
    load(2);
    EXPECT_EQ(text1(), QStringLiteral("*マップ"));
    load(3);
    EXPECT_EQ(text1(), QStringLiteral("*MAP003"));
}

TEST_F(Loading, LoadingNeverTouchesTheEditedFlag)
{
    writeLevel(levelText({{"*MAP001", uniformRows('1')}}));
    open();
    form->document().markPressed();
    load(1);
    EXPECT_TRUE(form->document().marked());
    form->document().declineSave();
    load(1);
    EXPECT_FALSE(form->document().marked());
}

}  // namespace
}  // namespace kelmor::test
