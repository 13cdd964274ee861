#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "app/levelreport.h"
#include "support/formfixture.h"

namespace kelmor::test {
namespace {

class Saving : public FormTest {
protected:
    void SetUp() override { original = openOnThreeMaps(); }
    void goTo(int n) { form->subMapload(n); }
    void paintB(int column, int r)
    {
        named<QComboBox>(*form, "Combo1")->setCurrentIndex(1);
        press({column * 16.0 + 2, r * 16.0 + 2});
    }
    bool scratchLeft() const { return fileExists(dir.file("temp.tmp")); }
    std::string original;
};

TEST_F(Saving, NoClearsTheFlagAndTouchesNoFile)
{
    goTo(3);
    paintB(0, 0);
    asker.answer({false});
    named<QPushButton>(*form, "Command1")->click();
    EXPECT_EQ(asker.questions.back(), QStringLiteral("map No 3を保存しますか?"));
    EXPECT_FALSE(form->document().marked());
    EXPECT_EQ(level(), original);
    EXPECT_FALSE(scratchLeft());
    EXPECT_EQ(row(0)[0], 'B');
}

TEST_F(Saving, YesReplacesTheMapInPlace)
{
    goTo(2);
    paintB(4, 7);
    asker.answer({true});
    named<QPushButton>(*form, "Command1")->click();
    std::vector<std::string> rows = uniformRows('2');
    rows[7][4] = 'B';
    EXPECT_EQ(level(), levelText({{"*MAP001", uniformRows('1')}, {"*MAP002", rows}, {"*MAP003", uniformRows('3')}}));
    EXPECT_FALSE(form->document().marked());
    EXPECT_FALSE(scratchLeft());
}

TEST_F(Saving, TheButtonAsksEvenWithNothingChangedAndStillRewrites)
{
    writeLevel("first,second\r\n" + original);
    asker.answer({true});
    named<QPushButton>(*form, "Command1")->click();
    ASSERT_EQ(asker.questions.size(), 1u);
    EXPECT_EQ(level(), "first\r\nsecond\r\n" + original);
}

TEST_F(Saving, AChangedHeaderIsAppendedAndTheOldMapStays)
{
    named<QLineEdit>(*form, "Text1")->setText(QStringLiteral("*NEW"));
    asker.answer({true});
    named<QPushButton>(*form, "Command1")->click();
    std::string expected = original + "\r\n*NEW\r\n";
    for (int i = 0; i < 17; ++i)
        expected += std::string(35, '1') + "\r\n";
    EXPECT_EQ(level(), expected);
}

TEST_F(Saving, AQuestionForMapTwelve)
{
    form->document().create(12);
    asker.answer({false});
    named<QPushButton>(*form, "Command1")->click();
    EXPECT_EQ(asker.questions.back(), QStringLiteral("map No 12を保存しますか?"));
}

TEST_F(Saving, AFailedSaveKeepsTheFileTheEditsAndTheFlag)
{
    const FaultyFileOps::Step steps[] = {FaultyFileOps::Step::Create, FaultyFileOps::Step::Write,
                                         FaultyFileOps::Step::Flush, FaultyFileOps::Step::Rename};
    paintB(1, 1);
    for (FaultyFileOps::Step step : steps) {
        SCOPED_TRACE(testing::Message() << "failing step " << static_cast<int>(step));
        ops.failAt(step, ENOSPC);
        asker.notices.clear();
        asker.answer({true});
        named<QPushButton>(*form, "Command1")->click();
        EXPECT_EQ(level(), original);
        EXPECT_FALSE(scratchLeft());
        EXPECT_TRUE(form->document().marked());
        EXPECT_EQ(row(1)[1], 'B');
        ASSERT_EQ(asker.notices.size(), 1u);
        EXPECT_TRUE(asker.notices[0].contains(QString::fromLocal8Bit(std::strerror(ENOSPC))));
        EXPECT_TRUE(asker.notices[0].contains(QStringLiteral("temp.tmp")) ||
                    asker.notices[0].contains(QStringLiteral("kelmor.cnf")));
    }
    ops.failAt(FaultyFileOps::Step::None, 0);
    asker.answer({true});
    named<QPushButton>(*form, "Command1")->click();
    EXPECT_FALSE(form->document().marked());
    EXPECT_NE(level(), original);
}

TEST_F(Saving, ASaveThatDoesNotReadBackKeepsTheFileAndTheEdits)
{
    paintB(1, 1);
    // A disk that gives back other bytes than it was given.
    ops.duringFlush([&] {
        std::string written = readFile(dir.file("temp.tmp"));
        written[written.find('B')] = 'C';
        writeFile(dir.file("temp.tmp"), written);
    });
    asker.answer({true});
    named<QPushButton>(*form, "Command1")->click();
    EXPECT_EQ(level(), original);
    EXPECT_FALSE(scratchLeft());
    EXPECT_TRUE(form->document().marked());
    ASSERT_EQ(asker.notices.size(), 1u);
    EXPECT_TRUE(asker.notices[0].contains(QStringLiteral("書いたとおりに読めません")))
        << asker.notices[0].toStdString();
}

TEST_F(Saving, ANewMapAfterACutOffLastMapIsAMapOfItsOwn)
{
    std::string cut = levelText({{"*MAP001", uniformRows('1')}}) + "*MAP002\r\n";
    for (int r = 0; r < 5; ++r)
        cut += std::string(35, '2') + "\r\n";
    // Created blank, or duplicated from map 1.
    for (const char* action : {"createAction", "duplicateAction"}) {
        SCOPED_TRACE(action);
        writeLevel(cut);
        goTo(1);
        asker.answer({true, true});  // make map 3? save map 3?
        form->findChild<QAction*>(QString::fromLatin1(action))->trigger();
        named<QPushButton>(*form, "Command1")->click();
        EXPECT_FALSE(form->document().marked());
        EXPECT_EQ(level().substr(0, cut.size()), cut);
        std::ostringstream list, errors;
        EXPECT_EQ(listMaps(form->document().levelFile(), list, errors), 0);
        EXPECT_EQ(list.str(), "1\t*MAP001\tok\n2\t*MAP002\tok\n3\t*MAP003\tok\n");
        goTo(3);
        EXPECT_EQ(text1(), QStringLiteral("*MAP003"));
    }
}

TEST_F(Saving, AScratchFileLeftBehindIsReportedToo)
{
    paintB(1, 1);
    ops.failAt(FaultyFileOps::Step::Write, ENOSPC);
    ops.failRemoval(EACCES);
    asker.answer({true});
    named<QPushButton>(*form, "Command1")->click();
    EXPECT_EQ(level(), original);
    EXPECT_TRUE(form->document().marked());
    ASSERT_EQ(asker.notices.size(), 1u);
    const QString& notice = asker.notices[0];
    EXPECT_TRUE(notice.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))));
    EXPECT_TRUE(
        notice.contains(QStringLiteral("temp.tmp も削除できません: ") + QString::fromLocal8Bit(std::strerror(EACCES))));
}

TEST_F(Saving, AHeaderWithoutAStarIsRefused)
{
    paintB(0, 0);
    named<QLineEdit>(*form, "Text1")->setText(QStringLiteral("MAP001"));
    asker.answer({true});
    named<QPushButton>(*form, "Command1")->click();
    EXPECT_EQ(level(), original);
    EXPECT_TRUE(form->document().marked());
    ASSERT_EQ(asker.notices.size(), 1u);
    EXPECT_TRUE(asker.notices[0].contains(QStringLiteral("*")));

    // A pasted line break is named as what it is.
    named<QLineEdit>(*form, "Text1")->setText(QStringLiteral("*MAP001\nX"));
    asker.answer({true});
    named<QPushButton>(*form, "Command1")->click();
    ASSERT_EQ(asker.notices.size(), 2u);
    EXPECT_TRUE(asker.notices[1].contains(QStringLiteral("改行"))) << asker.notices[1].toStdString();
    EXPECT_EQ(level(), original);
}

TEST_F(Saving, ShiftJisAndUtf8HeadersFindTheirOwnMap)
{
    const std::string sjis = "*\x83\x7D\x83\x62\x83\x76";
    const std::string utf8 = "*\xE3\x83\x9E\xE3\x83\x83\xE3\x83\x97\xEF\xBC\x92";
    original = levelText({{sjis, uniformRows('1')}, {utf8, uniformRows('2')}});
    writeLevel(original);
    open();
    paintB(0, 0);
    asker.answer({true});
    named<QPushButton>(*form, "Command1")->click();
    std::vector<std::string> rows = uniformRows('1');
    rows[0][0] = 'B';
    EXPECT_EQ(level(), levelText({{sjis, rows}, {utf8, uniformRows('2')}}));

    goTo(2);
    EXPECT_EQ(text1(), QStringLiteral("*マップ２"));
    paintB(0, 0);
    asker.answer({true});
    named<QPushButton>(*form, "Command1")->click();
    rows = uniformRows('2');
    rows[0][0] = 'B';
    EXPECT_EQ(level(), levelText({{sjis,
                                   [] {
                                       auto r = uniformRows('1');
                                       r[0][0] = 'B';
                                       return r;
                                   }()},
                                  {utf8, rows}}));
}

TEST_F(Saving, AMissingLevelFileIsCreatedBySaving)
{
    std::filesystem::remove(dir.file("kelmor.cnf"));
    asker.answer({true});
    named<QPushButton>(*form, "Command1")->click();
    std::string expected = "\r\n*MAP001\r\n";
    for (int i = 0; i < 17; ++i)
        expected += std::string(35, '1') + "\r\n";
    EXPECT_EQ(level(), expected);
}

}  // namespace
}  // namespace kelmor::test
