// Saving the map on screen without the window: the questions, the bytes and
// what a failure tells, and the unsaved-changes check built on it.
#include <gtest/gtest.h>

#include "app/mapsaving.h"
#include "document/mapdocument.h"
#include "support/formfixture.h"
#include "support/maprows.h"

namespace kelmor::test {
namespace {

class MapSavingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string text = levelText({{"*MAP001", uniformRows('1')}});
        // Map 2 ends after two rows: map 3's header is read as its third.
        text += "*MAP002\r\n" + uniformRows('2')[0] + "\r\n" + uniformRows('2')[1] + "\r\n";
        text += levelText({{"*MAP003", uniformRows('3')}});
        writeFile(dir.file("kelmor.cnf"), text);
    }
    std::string level() const { return readFile(dir.file("kelmor.cnf")); }

    TempDir dir;
    FaultyFileOps ops;
    ScriptedAsker asker;
    MapDocument doc{ops, dir.path(), "kelmor.cnf"};
    int saves = 0;
    MapSaving saving{doc, asker, [this] { ++saves; }};
};

TEST_F(MapSavingTest, NoYesAndAFailedWrite)
{
    doc.load(1);
    const std::string before = level();
    EXPECT_TRUE(saving.saveIfEdited());  // nothing to save, nothing asked
    doc.writeCell({0, 0}, 'K');
    doc.markPressed();

    asker.answer({false});
    EXPECT_EQ(saving.save(), MapSaving::Outcome::Declined);
    EXPECT_EQ(asker.questions.back(), QStringLiteral("map No 1を保存しますか?"));
    EXPECT_FALSE(doc.marked());  // No clears the mark, as it always has
    EXPECT_EQ(level(), before);

    ops.failAt(FaultyFileOps::Step::Write, ENOSPC);
    doc.markPressed();
    asker.answer({true});
    EXPECT_FALSE(saving.saveIfEdited());  // the action that asked must stop
    ASSERT_EQ(asker.notices.size(), 1u);
    EXPECT_TRUE(asker.notices[0].contains(QStringLiteral("map No 1を保存できませんでした")));
    EXPECT_EQ(level(), before);
    EXPECT_EQ(saves, 0);

    ops.failAt(FaultyFileOps::Step::None, 0);
    asker.answer({true});
    EXPECT_EQ(saving.save(), MapSaving::Outcome::Saved);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(level().substr(0, 10), "*MAP001\r\nK");
}

TEST_F(MapSavingTest, ADamagedMapIsToldAndNeverAsked)
{
    doc.load(2);
    ASSERT_TRUE(doc.unsavable());
    const std::string before = level();
    doc.markPressed();
    EXPECT_TRUE(saving.saveIfEdited());  // the action goes on: the edits could never be saved
    EXPECT_TRUE(asker.questions.empty());
    ASSERT_EQ(asker.notices.size(), 1u);
    EXPECT_TRUE(asker.notices[0].contains(QStringLiteral("保存できません")));
    EXPECT_EQ(level(), before);
}

}  // namespace
}  // namespace kelmor::test
