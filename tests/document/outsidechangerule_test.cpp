// What becomes of the map on screen when another program changes the level file.
#include <filesystem>
#include <gtest/gtest.h>

#include "document/mapdocument.h"
#include "document/outsidechangerule.h"
#include "support/faultyfileops.h"
#include "support/maprows.h"
#include "support/tempdir.h"

namespace kelmor::test {
namespace {

TEST(OutsideChangeRule, ReadAgainAskOrTellTheFileGoneOnce)
{
    using Step = OutsideChangeRule::Step;
    TempDir dir;
    const std::string level = dir.file("kelmor.cnf");
    writeFile(level, levelText({{"*MAP001", uniformRows('1')}}));
    FaultyFileOps ops;
    MapDocument doc{ops, dir.path(), "kelmor.cnf"};
    doc.load(1);
    OutsideChangeRule rule(doc);
    EXPECT_EQ(rule.next(), Step::Nothing);

    writeFile(level, levelText({{"*MAP001", uniformRows('2')}}));
    EXPECT_EQ(rule.next(), Step::ReadAgain);  // no edits to lose
    doc.loaded(doc.reread());
    EXPECT_EQ(rule.next(), Step::Nothing);

    doc.writeCell({0, 0}, 'K');
    writeFile(level, levelText({{"*MAP001", uniformRows('3')}}));
    EXPECT_EQ(rule.next(), Step::AskAboutEdits);  // the edits are kept until the user says

    std::filesystem::remove(level);
    EXPECT_EQ(rule.next(), Step::TellGone);
    EXPECT_EQ(rule.next(), Step::Nothing);  // told once
    writeFile(level, levelText({{"*MAP001", uniformRows('1')}}));
    EXPECT_EQ(rule.next(), Step::AskAboutEdits);
    std::filesystem::remove(level);
    EXPECT_EQ(rule.next(), Step::TellGone);  // back, then gone again: told again
}

}  // namespace
}  // namespace kelmor::test
