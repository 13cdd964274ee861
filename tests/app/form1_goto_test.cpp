// Going straight to a map by its number.
#include <QApplication>
#include <QTest>
#include <cerrno>

#include "support/formfixture.h"

namespace kelmor::test {
namespace {

class GoTo : public FormTest {
protected:
    void SetUp() override
    {
        original = openOnThreeMaps();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void goTo(std::optional<QString> typed)
    {
        asker.type(std::move(typed));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::ControlModifier);
    }
    std::string original;
};

TEST_F(GoTo, GoesStraightToTheMapTyped)
{
    goTo(QStringLiteral("3"));
    EXPECT_EQ(form->document().mapNo(), 3);
    EXPECT_EQ(text1(), QStringLiteral("*MAP003"));
    goTo(QStringLiteral(" ２ "));  // as a Japanese input method types it
    EXPECT_EQ(form->document().mapNo(), 2);
    goTo(std::nullopt);  // cancelled
    EXPECT_EQ(form->document().mapNo(), 2);
    EXPECT_TRUE(asker.notices.empty());
    EXPECT_TRUE(asker.questions.empty());
}

TEST_F(GoTo, RefusesWhatIsNoMapAndStays)
{
    goTo(QStringLiteral("2"));
    const struct {
        const char* typed;
        const char* says;
    } refusals[] = {
        {"0", "map No 0 はありません。"},
        {"4", "map No 4 はありません。"},
        {"32768", "マップ番号は 32767 までです。"},
        {"123456789012345678901234567890", "マップ番号は 32767 までです。"},
        {"-1", "「-1」はマップの番号ではありません。"},
        {"map 3", "「map 3」はマップの番号ではありません。"},
        {"", "「」はマップの番号ではありません。"},
    };
    for (const auto& r : refusals) {
        SCOPED_TRACE(r.typed);
        asker.notices.clear();
        goTo(QString::fromUtf8(r.typed));
        ASSERT_EQ(asker.notices.size(), 1u);
        EXPECT_EQ(asker.notices[0],
                  QString::fromUtf8(r.says) + QStringLiteral("\n1 から 3 までの番号を入力してください。"));
        EXPECT_EQ(form->document().mapNo(), 2);
    }
    EXPECT_TRUE(asker.questions.empty());
}

TEST_F(GoTo, AsksBeforeLeavingAnEditedMap)
{
    press({1, 1});
    asker.answer({false});
    goTo(QStringLiteral("3"));
    EXPECT_EQ(asker.questions, std::vector<QString>{QStringLiteral("map No 1を保存しますか?")});
    EXPECT_EQ(form->document().mapNo(), 3);
    EXPECT_EQ(level(), original);

    // A save asked for that fails keeps the map and its edits on screen.
    press({1, 1});
    ops.failAt(FaultyFileOps::Step::Rename, EACCES);
    asker.answer({true});
    goTo(QStringLiteral("1"));
    EXPECT_EQ(form->document().mapNo(), 3);
    EXPECT_EQ(row(0)[0], 'A');
    EXPECT_TRUE(form->document().marked());
    EXPECT_EQ(level(), original);
}

}  // namespace
}  // namespace kelmor::test
