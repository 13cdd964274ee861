#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "model/blanktemplate.h"
#include "support/formfixture.h"

namespace kelmor::test {
namespace {

class Commands : public FormTest {
protected:
    void SetUp() override { original = openOnThreeMaps(); }
    void edit()
    {
        named<QComboBox>(*form, "Combo1")->setCurrentIndex(1);
        press({2, 2});
    }
    bool closeWindow()
    {
        QCloseEvent event;
        QApplication::sendEvent(form.get(), &event);
        return event.isAccepted();
    }
    std::string original;
};

TEST_F(Commands, NavigationWithoutEditsAsksNothing)
{
    named<QPushButton>(*form, "Command2")->click();
    EXPECT_EQ(label1(), QStringLiteral("map No 2"));
    named<QPushButton>(*form, "Command6")->click();
    EXPECT_EQ(form->document().mapNo(), 3);
    named<QPushButton>(*form, "Command2")->click();  // past the last: the last again
    EXPECT_EQ(form->document().mapNo(), 3);
    EXPECT_EQ(text1(), QStringLiteral("*MAP003"));
    named<QPushButton>(*form, "Command4")->click();
    EXPECT_EQ(form->document().mapNo(), 2);
    named<QPushButton>(*form, "Command7")->click();
    EXPECT_EQ(form->document().mapNo(), 1);
    named<QPushButton>(*form, "Command4")->click();  // below the first: the first again
    EXPECT_EQ(form->document().mapNo(), 1);
    EXPECT_EQ(row(0), std::string(35, '1'));
    EXPECT_TRUE(asker.questions.empty());
    EXPECT_TRUE(asker.notices.empty());
}

TEST_F(Commands, EachNavigationAsksAboutEditsFirst)
{
    QPushButton* buttons[] = {named<QPushButton>(*form, "Command2"), named<QPushButton>(*form, "Command4"),
                              named<QPushButton>(*form, "Command6"), named<QPushButton>(*form, "Command7")};
    for (QPushButton* button : buttons) {
        SCOPED_TRACE(button->text().toStdString());
        const MapNumber before = form->document().mapNo();
        edit();
        asker.answer({false});
        button->click();
        EXPECT_EQ(asker.questions.back(), QStringLiteral("map No %1を保存しますか?").arg(before));
        EXPECT_FALSE(form->document().marked());
        EXPECT_EQ(level(), original);
        EXPECT_NE(row(0)[0], 'B');  // the reload dropped the declined edit
    }
}

TEST_F(Commands, YesWritesTheMapBeforeLeavingIt)
{
    edit();
    asker.answer({true});
    named<QPushButton>(*form, "Command2")->click();
    EXPECT_EQ(form->document().mapNo(), 2);
    std::vector<std::string> rows = uniformRows('1');
    rows[0][0] = 'B';
    EXPECT_EQ(level(), levelText({{"*MAP001", rows}, {"*MAP002", uniformRows('2')}, {"*MAP003", uniformRows('3')}}));
    named<QPushButton>(*form, "Command4")->click();
    EXPECT_EQ(row(0)[0], 'B');
}

TEST_F(Commands, APickAloneAlsoBringsTheQuestion)
{
    press({2, 2}, Qt::RightButton);
    asker.answer({false});
    named<QPushButton>(*form, "Command2")->click();
    EXPECT_EQ(asker.questions.size(), 1u);
}

TEST_F(Commands, TypingInTheHeaderAloneDoesNot)
{
    named<QLineEdit>(*form, "Text1")->setText(QStringLiteral("*OTHER"));
    named<QPushButton>(*form, "Command7")->click();
    EXPECT_TRUE(asker.questions.empty());
    EXPECT_EQ(text1(), QStringLiteral("*MAP001"));
}

TEST_F(Commands, AFailedSaveKeepsTheMapOnScreen)
{
    edit();
    ops.failAt(FaultyFileOps::Step::Rename, EACCES);
    asker.answer({true});
    named<QPushButton>(*form, "Command2")->click();
    EXPECT_EQ(form->document().mapNo(), 1);
    EXPECT_EQ(row(0)[0], 'B');
    EXPECT_TRUE(form->document().marked());
    EXPECT_EQ(asker.notices.size(), 1u);

    asker.answer({true});
    EXPECT_FALSE(closeWindow());
    asker.answer({true});
    named<QPushButton>(*form, "Command5")->click();  // creating does not go on either
    EXPECT_EQ(text1(), QStringLiteral("*MAP001"));
    EXPECT_EQ(level(), original);

    // No still lets the user leave.
    asker.answer({false});
    named<QPushButton>(*form, "Command2")->click();
    EXPECT_EQ(form->document().mapNo(), 2);
}

TEST_F(Commands, ClosingAsksOnlyWithEdits)
{
    EXPECT_TRUE(closeWindow());
    EXPECT_TRUE(asker.questions.empty());
    edit();
    asker.answer({false});
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(asker.questions.size(), 1u);
    EXPECT_EQ(level(), original);
    edit();
    asker.answer({true});
    EXPECT_TRUE(closeWindow());
    EXPECT_EQ(row(0)[0], 'B');
    EXPECT_NE(level(), original);
}

TEST_F(Commands, CreatingAMap)
{
    asker.answer({false});
    named<QPushButton>(*form, "Command5")->click();
    EXPECT_EQ(asker.questions.back(), QStringLiteral("map No 4を新規に作成しますか?"));
    EXPECT_EQ(text1(), QStringLiteral("*MAP001"));
    EXPECT_EQ(form->document().mapNo(), 1);
    EXPECT_FALSE(form->document().marked());

    asker.answer({true});
    named<QPushButton>(*form, "Command5")->click();
    EXPECT_EQ(text1(), QStringLiteral("*MAP004"));
    EXPECT_EQ(label1(), QStringLiteral("map No 4"));
    EXPECT_EQ(form->document().mapNo(), 4);
    EXPECT_TRUE(form->document().marked());
    EXPECT_EQ(row(0), blankTemplateRow(0));
    EXPECT_EQ(level(), original);

    // Twice in a row: the new map is offered for saving first; No offers 4 again.
    asker.answer({false, true});
    named<QPushButton>(*form, "Command5")->click();
    EXPECT_EQ(asker.questions[asker.questions.size() - 2], QStringLiteral("map No 4を保存しますか?"));
    EXPECT_EQ(asker.questions.back(), QStringLiteral("map No 4を新規に作成しますか?"));
    EXPECT_EQ(level(), original);

    // Yes appends it, and the next offer is 5.
    asker.answer({true, true});
    named<QPushButton>(*form, "Command5")->click();
    EXPECT_EQ(asker.questions.back(), QStringLiteral("map No 5を新規に作成しますか?"));
    EXPECT_EQ(text1(), QStringLiteral("*MAP005"));
    std::vector<std::string> blank;
    for (int r = 0; r < 17; ++r)
        blank.push_back(blankTemplateRow(r));
    std::string expected = original + "\r\n*MAP004\r\n";
    for (const std::string& r : blank)
        expected += r + "\r\n";
    EXPECT_EQ(level(), expected);

    // Leaving the unsaved map 5 with No shows the last stored map.
    asker.answer({false});
    named<QPushButton>(*form, "Command2")->click();
    EXPECT_EQ(form->document().mapNo(), 4);
    EXPECT_EQ(text1(), QStringLiteral("*MAP004"));
}

TEST_F(Commands, CreatingNeedsALevelFileItCanRead)
{
    ops.failAt(FaultyFileOps::Step::OpenRead, EACCES);
    named<QPushButton>(*form, "Command5")->click();
    EXPECT_TRUE(asker.questions.empty());
    ASSERT_EQ(asker.notices.size(), 1u);
    EXPECT_TRUE(asker.notices[0].contains(QStringLiteral("kelmor.cnf")));
    EXPECT_EQ(text1(), QStringLiteral("*MAP001"));

    // A missing file is no error: the first map is offered.
    ops.failAt(FaultyFileOps::Step::None, 0);
    std::filesystem::remove(dir.file("kelmor.cnf"));
    asker.answer({true});
    named<QPushButton>(*form, "Command5")->click();
    EXPECT_EQ(asker.questions.back(), QStringLiteral("map No 1を新規に作成しますか?"));
    EXPECT_EQ(text1(), QStringLiteral("*MAP001"));
    EXPECT_TRUE(form->document().marked());
}

// A count cut short would send ">|" to the wrong map and number a new map
// wrongly: the user is told, and neither goes on.
TEST_F(Commands, ACountCutShortByAFailedReadStopsLastAndCreate)
{
    named<QPushButton>(*form, "Command2")->click();
    ops.failAt(FaultyFileOps::Step::Read, EIO, static_cast<int>(original.size() / 2));
    const QString reason = QString::fromLocal8Bit(std::strerror(EIO));
    for (QPushButton* button : {named<QPushButton>(*form, "Command6"), named<QPushButton>(*form, "Command5")}) {
        SCOPED_TRACE(button->text().toStdString());
        asker.notices.clear();
        button->click();
        ASSERT_EQ(asker.notices.size(), 1u);
        EXPECT_TRUE(asker.notices[0].contains(QStringLiteral("kelmor.cnf を最後まで読み込めない")));
        EXPECT_TRUE(asker.notices[0].contains(reason));
        EXPECT_TRUE(asker.questions.empty());
        EXPECT_EQ(form->document().mapNo(), 2);
        EXPECT_EQ(label1(), QStringLiteral("map No 2"));
        EXPECT_EQ(text1(), QStringLiteral("*MAP002"));
        EXPECT_FALSE(form->document().marked());
    }
    EXPECT_EQ(level(), original);
}

TEST_F(Commands, TheThousandthMapHasFourDigits)
{
    std::vector<std::pair<std::string, std::vector<std::string>>> maps;
    for (int i = 1; i <= 999; ++i)
        maps.push_back({"*M" + std::to_string(i), uniformRows('0')});
    writeLevel(levelText(maps));
    asker.answer({true});
    named<QPushButton>(*form, "Command5")->click();
    EXPECT_EQ(text1(), QStringLiteral("*MAP1000"));
    EXPECT_EQ(label1(), QStringLiteral("map No 1000"));
}

TEST_F(Commands, NoMapNumberBeyond32767)
{
    std::string bytes;
    const std::string rows = [] {
        std::string r;
        for (int i = 0; i < 17; ++i)
            r += "0\r\n";
        return r;
    }();
    for (int i = 1; i <= 32768; ++i)
        bytes += "*" + std::to_string(i) + "\r\n" + rows;
    writeLevel(bytes);

    named<QPushButton>(*form, "Command6")->click();  // 32768 maps: too many for the number
    EXPECT_EQ(form->document().mapNo(), 1);
    ASSERT_EQ(asker.notices.size(), 1u);
    EXPECT_TRUE(asker.notices[0].contains(QStringLiteral("32767")));

    form->subMapload(32767);
    EXPECT_EQ(text1(), QStringLiteral("*32767"));
    edit();
    asker.answer({false});
    named<QPushButton>(*form, "Command2")->click();
    EXPECT_EQ(asker.questions.size(), 1u);  // the check ran first
    EXPECT_EQ(form->document().mapNo(), 32767);
    EXPECT_EQ(row(0)[0], 'B');  // nothing was loaded
    EXPECT_EQ(asker.notices.size(), 2u);
}

}  // namespace
}  // namespace kelmor::test
