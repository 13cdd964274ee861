#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cerrno>

#include "recovery/recovery.h"
#include "support/formfixture.h"
#include "support/maprows.h"
#include "view/mapview.h"

namespace kelmor::test {
namespace {

class Recovering : public FormTest {
protected:
    void SetUp() override { original = openOnThreeMaps(); }

    // "C" at row 1, column 2 of the map on screen.
    void paint(Form1& on)
    {
        named<QComboBox>(on, "Combo1")->setCurrentIndex(2);
        QTest::mouseClick(named<MapView>(on, "Picture2"), Qt::LeftButton, Qt::NoModifier, QPoint(37, 20));
    }
    std::string recoveryPath() const { return dir.file(".kelmor.cnf.recover"); }
    std::optional<Recovery> kept()
    {
        form->document().settleRecovery();
        if (!fileExists(recoveryPath()))
            return std::nullopt;
        std::optional<Recovery> recovery = decodeRecovery(readFile(recoveryPath()));
        EXPECT_TRUE(recovery) << "the recovery file does not read back";
        return recovery;
    }
    // As if the editor died: its files close, nothing is asked or removed.
    void die()
    {
        form->document().settleRecovery();
        form.reset();
    }

    std::string original;
};

TEST_F(Recovering, KeptWhileUnsavedAndGoneOnceSavedOrGivenUp)
{
    EXPECT_FALSE(kept());
    paint(*form);
    std::optional<Recovery> recovery = kept();
    ASSERT_TRUE(recovery);
    EXPECT_EQ(recovery->level, dir.file("kelmor.cnf"));
    EXPECT_EQ(recovery->mapNo, 1);
    EXPECT_FALSE(recovery->created);
    EXPECT_EQ(recovery->header, "*MAP001");
    EXPECT_EQ(recovery->rows[1], "11C" + std::string(32, '1'));

    QTest::keyClick(named<QLineEdit>(*form, "Text1"), Qt::Key_End);
    QTest::keyClicks(named<QLineEdit>(*form, "Text1"), "X");  // the header alone changes too
    ASSERT_TRUE(recovery = kept());
    EXPECT_EQ(recovery->header, "*MAP001X");
    named<QLineEdit>(*form, "Text1")->setText(QStringLiteral("*MAP001"));
    form->document().history().undo();  // back to the map as loaded: nothing to recover
    EXPECT_FALSE(kept());
    form->document().history().redo();
    EXPECT_TRUE(kept());
    EXPECT_EQ(level(), original);  // never the level file

    asker.answer({true});
    named<QPushButton>(*form, "Command1")->click();
    EXPECT_FALSE(kept());
    EXPECT_NE(level(), original);

    paint(*form);
    named<QComboBox>(*form, "Combo1")->setCurrentIndex(3);  // a different cell value than the save holds
    QTest::mouseClick(named<MapView>(*form, "Picture2"), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_TRUE(kept());
    asker.answer({false});  // next map, the save declined
    named<QPushButton>(*form, "Command2")->click();
    EXPECT_FALSE(kept());

    paint(*form);
    EXPECT_TRUE(kept());
    asker.answer({false});
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(fileExists(recoveryPath()));
    EXPECT_TRUE(asker.notices.empty());
}

TEST_F(Recovering, OfferedAtTheNextStartYesPutsTheEditsBackNoThrowsThemAway)
{
    named<QPushButton>(*form, "Command2")->click();
    paint(*form);
    QTest::keyClick(named<QLineEdit>(*form, "Text1"), Qt::Key_End);
    QTest::keyClicks(named<QLineEdit>(*form, "Text1"), "X");
    die();
    writeFile(dir.file("temp.tmp"), "half a save");  // it died saving, too

    asker.answer({true});
    open();
    EXPECT_FALSE(fileExists(dir.file("temp.tmp")));
    ASSERT_EQ(asker.questions.size(), 1u);
    EXPECT_TRUE(asker.questions[0].contains(QStringLiteral("map No 2"))) << asker.questions[0].toStdString();
    EXPECT_EQ(form->document().mapNo(), 2);
    EXPECT_EQ(text1(), QStringLiteral("*MAP002X"));
    EXPECT_EQ(row(1), "22C" + std::string(32, '2'));
    EXPECT_TRUE(cellShowsTile(viewPixels(), 1, 2, 4));
    EXPECT_TRUE(form->document().marked());
    EXPECT_EQ(level(), original);
    EXPECT_TRUE(kept());  // this editor's now, under its old name
    EXPECT_FALSE(fileExists(dir.file(".kelmor.cnf.recover-2")));

    asker.answer({true});
    named<QPushButton>(*form, "Command1")->click();  // a new header: saved as a new map
    const std::string saved = "*MAP002X\r\n" + std::string(35, '2') + "\r\n22C" + std::string(32, '2');
    EXPECT_EQ(level().substr(0, original.size()), original);
    EXPECT_NE(level().find(saved), std::string::npos);
    EXPECT_FALSE(kept());

    named<QComboBox>(*form, "Combo1")->setCurrentIndex(3);
    QTest::mouseClick(named<MapView>(*form, "Picture2"), Qt::LeftButton, Qt::NoModifier, QPoint(37, 20));
    die();
    asker.answer({false});
    open();
    EXPECT_EQ(asker.questions.size(), 3u);
    EXPECT_EQ(form->document().mapNo(), 1);
    EXPECT_EQ(row(1), std::string(35, '1'));
    EXPECT_FALSE(fileExists(recoveryPath()));
}

TEST_F(Recovering, ACreatedMapComesBackAsCreated)
{
    asker.answer({true});
    named<QPushButton>(*form, "Command5")->click();
    paint(*form);
    die();
    asker.answer({true, true});
    open();
    EXPECT_TRUE(asker.questions.back().contains(QStringLiteral("新しく作成した map No 4")));
    EXPECT_EQ(text1(), QStringLiteral("*MAP004"));
    named<QPushButton>(*form, "Command1")->click();  // appended, nothing overwritten unasked
    EXPECT_EQ(asker.questions.size(), 3u);
    EXPECT_EQ(level().substr(0, original.size()), original);
    EXPECT_NE(level().find("*MAP004"), std::string::npos);
}

TEST_F(Recovering, WhatCannotBeUsedIsSetAsideWithANotice)
{
    form.reset();
    Recovery gone{dir.file("kelmor.cnf"), 7, false, 0, "*MAP007", {}};
    Recovery other = gone;
    other.level = "/elsewhere/kelmor.cnf";
    other.mapNo = 1;
    const struct {
        std::string bytes;
        const char* told;
    } cases[] = {
        {"kelmor-x recovery 1\nlevel 3\n", "壊れている"},
        {encodeRecovery(other), "/elsewhere/kelmor.cnf"},
        {encodeRecovery(gone), "map No 7 がもうない"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.told);
        writeFile(recoveryPath(), c.bytes);
        asker.notices.clear();
        open();
        ASSERT_EQ(asker.notices.size(), 1u);
        EXPECT_TRUE(asker.notices[0].contains(QString::fromUtf8(c.told))) << asker.notices[0].toStdString();
        EXPECT_TRUE(asker.questions.empty());
        EXPECT_EQ(readFile(dir.file(".kelmor.cnf.recover.kept")), c.bytes);
        EXPECT_FALSE(fileExists(recoveryPath()));
        EXPECT_EQ(level(), original);
        std::remove(dir.file(".kelmor.cnf.recover.kept").c_str());
        form.reset();
    }

    // Already saved before the editor died: nothing to ask.
    writeFile(recoveryPath(), encodeRecovery({dir.file("kelmor.cnf"), 3, false, 0, "*MAP003", rowsOf('3')}));
    open();
    EXPECT_TRUE(asker.questions.empty());
    EXPECT_FALSE(fileExists(recoveryPath()));
}

TEST_F(Recovering, TwoEditorsNeverTakeEachOthers)
{
    paint(*form);
    ASSERT_TRUE(kept());
    const std::string mine = readFile(recoveryPath());
    ScriptedAsker otherAsker;
    Form1 other(dir.path(), otherAsker, ops);
    EXPECT_TRUE(otherAsker.questions.empty());
    paint(other);
    other.document().settleRecovery();
    EXPECT_EQ(readFile(recoveryPath()), mine);
    EXPECT_TRUE(fileExists(dir.file(".kelmor.cnf.recover-2")));
}

TEST_F(Recovering, AFailedWriteIsToldOnceAndEditingGoesOn)
{
    form.reset();
    FaultyFileOps failing;
    failing.failAt(FaultyFileOps::Step::Create, EACCES);
    form = std::make_unique<Form1>(dir.path(), asker, ops, &failing);
    for (const QPoint at : {QPoint(37, 20), QPoint(5, 5)}) {
        QTest::mouseClick(named<MapView>(*form, "Picture2"), Qt::LeftButton, Qt::NoModifier, at);
        form->document().settleRecovery();
        QApplication::processEvents();
    }
    ASSERT_EQ(asker.notices.size(), 1u);
    EXPECT_TRUE(asker.notices[0].contains(QStringLiteral(".kelmor.cnf.recover"))) << asker.notices[0].toStdString();
    EXPECT_EQ(form->document().history().count(), 2);
    EXPECT_FALSE(fileExists(recoveryPath()));
}

}  // namespace
}  // namespace kelmor::test
