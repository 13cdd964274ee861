// Edits let go of by No to the save question, brought back from
// 編集 > 手放した変更, and the status bar telling which of three states the
// map is in.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "support/formfixture.h"
#include "support/maprows.h"

namespace kelmor::test {
namespace {

class LetGo : public FormTest {
protected:
    void SetUp() override { openOnThreeMaps(); }
    QString mark() const { return named<QLabel>(*form, "markStatus")->text(); }
    // The menu's items as it shows them when opened.
    QList<QAction*> letGoItems() const
    {
        QMenu* menu = named<QMenu>(*form, "letGoMenu");
        emit menu->aboutToShow();
        return menu->actions();
    }
    // Paints "A" at row 0, column 0, then No at the save button.
    void editAndDecline()
    {
        press({8, 8});
        asker.answer({false});
        named<QPushButton>(*form, "Command1")->click();
    }
};

TEST_F(LetGo, NoAtTheSaveButtonPageDownAndTheEditsComeBackMarked)
{
    EXPECT_EQ(mark(), QStringLiteral("変更なし"));
    ASSERT_EQ(letGoItems().size(), 1);
    EXPECT_FALSE(letGoItems()[0]->isEnabled());  // （なし）
    press({8, 8});
    EXPECT_EQ(mark(), QStringLiteral("未保存の変更あり"));
    asker.answer({false});
    named<QPushButton>(*form, "Command1")->click();
    EXPECT_EQ(mark(), QStringLiteral("保存しない変更あり（移動すると手放します）"));

    named<QPushButton>(*form, "Command2")->click();  // no question: the mark is clear
    EXPECT_EQ(asker.questions.size(), 1u);
    EXPECT_EQ(form->document().mapNo(), 2);
    EXPECT_EQ(mark(), QStringLiteral("変更なし"));

    const QList<QAction*> items = letGoItems();
    ASSERT_EQ(items.size(), 1);
    EXPECT_TRUE(items[0]->text().startsWith(QStringLiteral("map No 1「*MAP001」 ")));
    items[0]->trigger();
    EXPECT_EQ(form->document().mapNo(), 1);
    EXPECT_EQ(row(0).substr(0, 2), "A1");
    EXPECT_TRUE(form->document().marked());
    EXPECT_EQ(mark(), QStringLiteral("未保存の変更あり"));
    EXPECT_FALSE(letGoItems()[0]->isEnabled());  // taken back

    asker.answer({true});
    named<QPushButton>(*form, "Command1")->click();
    std::vector<std::string> rows = uniformRows('1');
    rows[0][0] = 'A';
    EXPECT_EQ(level(), levelText({{"*MAP001", rows}, {"*MAP002", uniformRows('2')}, {"*MAP003", uniformRows('3')}}));
}

TEST_F(LetGo, AMapChangedSinceAsksBeforeItIsOverwritten)
{
    editAndDecline();
    named<QPushButton>(*form, "Command2")->click();
    // Another program saves map 1 meanwhile.
    writeLevel(
        levelText({{"*MAP001", uniformRows('7')}, {"*MAP002", uniformRows('2')}, {"*MAP003", uniformRows('3')}}));
    letGoItems()[0]->trigger();
    EXPECT_EQ(row(0).substr(0, 2), "A1");  // the edits, not the file's map
    asker.answer({true, false});
    named<QPushButton>(*form, "Command1")->click();
    ASSERT_EQ(asker.questions.size(), 3u);
    EXPECT_TRUE(asker.questions[2].contains(QStringLiteral("上書きしますか")));
    EXPECT_EQ(readFile(dir.file("kelmor.cnf")).substr(9, 1), "7");  // No: the other program's map stays
}

TEST_F(LetGo, TheLastTenAndAMapNoLongerInTheFileComesBackNew)
{
    for (int i = 0; i < 11; ++i) {
        editAndDecline();
        named<QPushButton>(*form, i % 2 == 0 ? "Command2" : "Command4")->click();
    }
    const QList<QAction*> items = letGoItems();
    ASSERT_EQ(items.size(), 10);
    EXPECT_TRUE(items[0]->text().startsWith(QStringLiteral("map No 1「*MAP001」")));  // the newest first
    EXPECT_TRUE(items[1]->text().startsWith(QStringLiteral("map No 2「*MAP002」")));

    // The file now holds one map: map 2's edits come back as a new map.
    writeLevel(levelText({{"*MAP001", uniformRows('1')}}));
    form->subMapload(1);
    letGoItems()[1]->trigger();
    EXPECT_EQ(form->document().mapNo(), 2);
    EXPECT_TRUE(form->document().origin().created);
    EXPECT_EQ(row(0).substr(0, 2), "A2");
    EXPECT_TRUE(form->document().marked());
}

}  // namespace
}  // namespace kelmor::test
