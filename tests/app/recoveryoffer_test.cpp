// What a dead editor left, offered back at start-up without the window.
#include <gtest/gtest.h>

#include "app/recoveryoffer.h"
#include "document/mapdocument.h"
#include "recovery/recovery.h"
#include "support/formfixture.h"
#include "support/maprows.h"

namespace kelmor::test {
namespace {

class Offer : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile(dir.file("kelmor.cnf"), levelText({{"*MAP001", uniformRows('1')}, {"*MAP002", uniformRows('2')}}));
        doc.load(1);
    }
    // A recovery file of map 2, as an editor that died left it.
    void leave(const std::string& name, const std::string& level, std::int64_t mapNo)
    {
        Recovery recovery;
        recovery.level = level;
        recovery.mapNo = mapNo;
        recovery.header = "*MAP002";
        for (std::string& row : recovery.rows)
            row = std::string(35, 'K');
        writeFile(dir.file(name), encodeRecovery(recovery));
    }
    void offer()
    {
        offerRecovery(doc, asker, [this](MapNumber mapNo) {
            loaded.push_back(mapNo);
            doc.load(mapNo);
        });
    }

    TempDir dir;
    FaultyFileOps ops;
    MapDocument doc{ops, dir.path(), "kelmor.cnf"};
    ScriptedAsker asker;
    std::vector<MapNumber> loaded;
};

TEST_F(Offer, YesPutsTheEditsBackOnTheirMapNoRemovesThem)
{
    leave(".kelmor.cnf.recover", dir.file("kelmor.cnf"), 2);
    asker.answer({true});
    offer();
    ASSERT_EQ(asker.questions.size(), 1u);
    EXPECT_TRUE(asker.questions[0].contains(QStringLiteral("map No 2")));
    EXPECT_EQ(loaded, std::vector<MapNumber>{2});
    EXPECT_EQ(doc.mapNo(), 2);
    EXPECT_EQ(doc.rows()[0], std::string(35, 'K'));
    EXPECT_TRUE(doc.marked());

    TempDir other;
    writeFile(other.file("kelmor.cnf"), levelText({{"*MAP001", uniformRows('1')}, {"*MAP002", uniformRows('2')}}));
    MapDocument second(ops, other.path(), "kelmor.cnf");
    second.load(1);
    writeFile(other.file(".kelmor.cnf.recover"), readFile(dir.file(".kelmor.cnf.recover")));
    asker.answer({false});
    offerRecovery(second, asker, [](MapNumber) { FAIL() << "nothing is loaded for edits given up"; });
    EXPECT_FALSE(fileExists(other.file(".kelmor.cnf.recover")));
}

TEST_F(Offer, OneThatCannotBeUsedIsSetAsideAndTold)
{
    leave(".kelmor.cnf.recover", "/elsewhere/kelmor.cnf", 2);
    offer();
    EXPECT_TRUE(asker.questions.empty());
    ASSERT_EQ(asker.notices.size(), 1u);
    EXPECT_TRUE(asker.notices[0].contains(QStringLiteral("別のレベルファイル（/elsewhere/kelmor.cnf）")));
    EXPECT_FALSE(fileExists(dir.file(".kelmor.cnf.recover")));
    EXPECT_TRUE(loaded.empty());
    EXPECT_EQ(doc.rows()[0], uniformRows('1')[0]);
}

}  // namespace
}  // namespace kelmor::test
