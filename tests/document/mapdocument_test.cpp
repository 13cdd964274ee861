// The editing session's rules, without a window.
#include <QSignalSpy>
#include <cerrno>
#include <gtest/gtest.h>

#include "document/mapdocument.h"
#include "recovery/recovery.h"
#include "model/blanktemplate.h"
#include "support/faultyfileops.h"
#include "support/maprows.h"
#include "support/tempdir.h"

namespace kelmor::test {
namespace {

class Document : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile(
            dir.file("kelmor.cnf"),
            levelText({{"*MAP001", uniformRows('1')}, {"*MAP002", uniformRows('2')}, {"*MAP003", uniformRows('3')}}));
        doc.load(1);
    }
    std::optional<Recovery> kept()
    {
        doc.settleRecovery();
        return decodeRecovery(readFile(dir.file(".kelmor.cnf.recover")));
    }
    // A pen press: a step even when the cell already holds the code.
    void put(CellPos cell, char code)
    {
        doc.putCells({{cell, code}}, QStringLiteral("セルの配置"), 0, MapDocument::StepWhen::Always);
    }
    SaveReport save()
    {
        return doc.save([](MapNumber) { return true; });
    }

    TempDir dir;
    FaultyFileOps ops;  // waits for a folder lock as the editor does
    MapDocument doc{ops, dir.path(), "kelmor.cnf"};
};

TEST_F(Document, WhatMarksTheMapAndWhatClearsIt)
{
    doc.editHeader(QStringLiteral("*MAP001X"));
    EXPECT_FALSE(doc.marked());  // the header box alone
    EXPECT_TRUE(doc.differsFromFile());
    doc.markPressed();  // a pick changes no cell but marks
    EXPECT_TRUE(doc.marked());
    doc.declineSave();
    EXPECT_FALSE(doc.marked());
    EXPECT_EQ(doc.header(), QStringLiteral("*MAP001X"));  // the edits stay on screen

    doc.erase();
    EXPECT_TRUE(doc.marked());
    EXPECT_EQ(doc.rows()[0], blankTemplateRow(0));
    doc.load(2);
    EXPECT_TRUE(doc.marked());  // loading leaves it as it is
    doc.declineSave();

    // A Yes that does not get the map saved keeps it.
    put({0, 0}, 'B');
    ops.failAt(FaultyFileOps::Step::Rename, EIO);
    EXPECT_FALSE(save().ok());
    EXPECT_TRUE(doc.marked());
    EXPECT_FALSE(doc.save([](MapNumber) { return false; }).ok());  // the overwrite question's No
    EXPECT_TRUE(doc.marked());
    ops.failAt(FaultyFileOps::Step::None, 0);
    EXPECT_TRUE(save().ok());
    EXPECT_FALSE(doc.marked());
    EXPECT_FALSE(doc.differsFromFile());
}

// Undo back at the saved rows leaves the map marked while the header box
// shows another header than it did then: leaving it would drop that header.
TEST_F(Document, UndoClearsTheMarkOnlyWithTheHeaderAsItWas)
{
    put({3, 2}, 'B');
    doc.history().undo();
    EXPECT_FALSE(doc.marked());

    doc.editHeader(QStringLiteral("*MAP001X"));
    put({3, 2}, 'B');
    doc.history().undo();
    EXPECT_EQ(doc.rows(), rowsOf('1'));
    EXPECT_TRUE(doc.marked());
    doc.history().redo();
    doc.editHeader(QStringLiteral("*MAP001"));
    doc.history().undo();
    EXPECT_FALSE(doc.marked());

    // Saved under the new header, that header is the one to come back to.
    doc.editHeader(QStringLiteral("*MAP001X"));
    put({3, 2}, 'B');
    ASSERT_TRUE(save().ok());
    put({4, 2}, 'B');
    doc.history().undo();
    EXPECT_FALSE(doc.marked());
}

// The overwrite question is asked with nothing held, and once more when the
// map changed again while it was asked; a third change is left unsaved.
TEST_F(Document, AnOverwriteIsAskedWithNothingHeldAndAgainAfterAChange)
{
    const auto otherProgramSaves = [&](char fill) {
        writeFile(dir.file("kelmor.cnf"), levelText({{"*MAP001", uniformRows(fill)}, {"*MAP002", uniformRows('2')}}));
    };
    const std::unique_ptr<FileOps> noWait = makePosixFileOps(0);
    int asked = 0;
    int changes = 0;
    const auto ask = [&](MapNumber other) {
        EXPECT_EQ(other, 1);
        int error = 0;
        EXPECT_NE(noWait->lockFolder(dir.path(), error), nullptr) << "asked while a save holds the folder";
        if (asked++ < changes)
            otherProgramSaves(static_cast<char>('7' + asked));
        return true;
    };
    put({0, 0}, 'B');
    otherProgramSaves('7');

    changes = 2;
    SaveReport report = doc.save(ask);
    EXPECT_EQ(asked, 2);
    ASSERT_TRUE(report.conflict);
    EXPECT_EQ(report.conflict->mapNo, 1);
    EXPECT_TRUE(doc.marked());
    EXPECT_EQ(readFile(dir.file("kelmor.cnf")).substr(9, 1), "9");  // as the other program left it

    asked = 0;
    changes = 1;
    EXPECT_TRUE(doc.save(ask).ok());
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(readFile(dir.file("kelmor.cnf")).substr(9, 1), "B");
    EXPECT_FALSE(doc.marked());
}

TEST_F(Document, CreatingAndLoading)
{
    QSignalSpy numbers(&doc, &MapDocument::mapNoChanged);
    doc.create(4);
    EXPECT_EQ(doc.mapNo(), 4);
    EXPECT_EQ(numbers.count(), 1);
    EXPECT_EQ(doc.header(), QStringLiteral("*MAP004"));
    EXPECT_EQ(doc.rows()[16], blankTemplateRow(16));
    EXPECT_TRUE(doc.marked());
    EXPECT_TRUE(doc.differsFromFile());
    EXPECT_TRUE(doc.origin().created);
    put({1, 1}, 'C');
    doc.history().undo();
    EXPECT_TRUE(doc.marked());  // never saved: no state to come back to

    doc.load(9);  // past the last: the last map
    EXPECT_EQ(doc.mapNo(), 3);
    EXPECT_EQ(doc.header(), QStringLiteral("*MAP003"));
    EXPECT_EQ(doc.history().count(), 0);
    EXPECT_FALSE(doc.differsFromFile());

    // The header as the box always kept it: no commas or blanks.
    writeFile(dir.file("kelmor.cnf"), levelText({{"\"*A, B C\"", uniformRows('1')}}));
    doc.load(1);
    EXPECT_EQ(doc.header(), QStringLiteral("*ABC"));
    EXPECT_EQ(doc.editHeader(QStringLiteral("*A B")), QStringLiteral("*AB"));
}

TEST_F(Document, TheRecoveryFileFollowsWhatDiffersFromTheFile)
{
    doc.editHeader(QStringLiteral("*MAP001X"));  // a header alone is kept
    std::optional<Recovery> recovery = kept();
    ASSERT_TRUE(recovery);
    EXPECT_EQ(recovery->header, "*MAP001X");
    doc.editHeader(QStringLiteral("*MAP001"));
    EXPECT_FALSE(kept());  // back as the file has it

    put({0, 0}, 'B');
    ASSERT_TRUE(kept());
    doc.declineSave();
    EXPECT_FALSE(kept());
    // A pick afterwards changes no cell but marks the map unsaved again:
    // what is marked is kept for a crash.
    doc.markPressed();
    ASSERT_TRUE(recovery = kept());
    EXPECT_EQ(recovery->rows[0][0], 'B');

    put({0, 0}, 'C');
    ASSERT_TRUE(save().ok());
    EXPECT_FALSE(kept());

    doc.create(4);
    ASSERT_TRUE(recovery = kept());
    EXPECT_TRUE(recovery->created);
    doc.load(1);
    EXPECT_FALSE(kept());

    // A map read damaged is never saved, so it has nothing to recover.
    std::vector<std::string> rows = uniformRows('1');
    rows[5] = "*OTHER";
    writeFile(dir.file("kelmor.cnf"), levelText({{"*MAP001", rows}}));
    doc.load(1);
    ASSERT_TRUE(doc.unsavable());
    put({0, 0}, 'B');
    EXPECT_FALSE(kept());
}

}  // namespace
}  // namespace kelmor::test
