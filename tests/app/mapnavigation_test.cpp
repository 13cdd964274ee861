// Going from map to map and numbering a new map without the window: the
// unsaved-changes check first, the questions, and what a failure tells.
#include <gtest/gtest.h>

#include "app/mapnavigation.h"
#include "document/mapdocument.h"
#include "model/blanktemplate.h"
#include "support/formfixture.h"
#include "support/maprows.h"

namespace kelmor::test {
namespace {

class MapNavigationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile(
            dir.file("kelmor.cnf"),
            levelText({{"*MAP001", uniformRows('1')}, {"*MAP002", uniformRows('2')}, {"*MAP003", uniformRows('3')}}));
        navigation.load(1);
    }

    TempDir dir;
    FaultyFileOps ops;
    ScriptedAsker asker;
    MapDocument doc{ops, dir.path(), "kelmor.cnf"};
    bool mayLeave = true;
    std::vector<bool> enabled;
    int loads = 0;
    MapNavigation navigation{
        doc, asker, {[this] { return mayLeave; }, [this](bool on) { enabled.push_back(on); }, [this] { ++loads; }}};
};

TEST_F(MapNavigationTest, TheButtonsGoWhereTheySayAfterTheCheck)
{
    EXPECT_EQ(enabled, (std::vector<bool>{false, true}));  // off while the map loads
    EXPECT_EQ(loads, 1);
    navigation.next();
    EXPECT_EQ(doc.mapNo(), 2);
    navigation.last();
    EXPECT_EQ(doc.mapNo(), 3);
    EXPECT_EQ(doc.rows()[0][0], '3');
    navigation.previous();
    EXPECT_EQ(doc.mapNo(), 2);
    navigation.first();
    navigation.previous();  // never before map 1
    EXPECT_EQ(doc.mapNo(), 1);

    mayLeave = false;  // a save asked for and failed: the map stays
    navigation.next();
    navigation.last();
    EXPECT_EQ(doc.mapNo(), 1);
    EXPECT_TRUE(asker.notices.empty());

    mayLeave = true;
    doc.create(kLastMapNo);
    navigation.next();
    ASSERT_EQ(asker.notices.size(), 1u);
    EXPECT_TRUE(asker.notices[0].contains(QStringLiteral("32767")));
    EXPECT_EQ(doc.mapNo(), kLastMapNo);
}

TEST_F(MapNavigationTest, GoingToATypedNumberAndANewMapsNumber)
{
    asker.type(std::nullopt);  // cancelled
    asker.type(QStringLiteral("９"));
    asker.type(QStringLiteral("３"));  // full-width, as an input method gives it
    navigation.goTo();
    navigation.goTo();
    ASSERT_EQ(asker.notices.size(), 1u);
    EXPECT_TRUE(asker.notices[0].contains(QStringLiteral("map No 9 はありません")));
    navigation.goTo();
    EXPECT_EQ(doc.mapNo(), 3);
    EXPECT_EQ(navigation.countMaps(), 3);

    asker.answer({false, true});
    EXPECT_EQ(navigation.askNewMapNumber(QStringLiteral("マップを作成できません")), std::nullopt);
    EXPECT_EQ(navigation.askNewMapNumber(QStringLiteral("マップを作成できません")), 4);
    EXPECT_EQ(asker.questions.back(), QStringLiteral("map No 4を新規に作成しますか?"));
    asker.answer({true});
    navigation.create();
    EXPECT_EQ(doc.mapNo(), 4);
    EXPECT_EQ(doc.rows()[0], blankTemplateRow(0));

    // Without a count, the new map's number would be a guess.
    ops.failAt(FaultyFileOps::Step::OpenRead, EACCES);
    EXPECT_EQ(navigation.askNewMapNumber(QStringLiteral("マップを作成できません")), std::nullopt);
    EXPECT_TRUE(asker.notices.back().contains(QStringLiteral("マップを作成できません")));
    EXPECT_EQ(navigation.countMaps(), std::nullopt);
    navigation.load(2);
    EXPECT_TRUE(asker.notices.back().contains(QStringLiteral("を読み込めません")));
}

}  // namespace
}  // namespace kelmor::test
