// The window when another program changes its files: the bar's choices, a
// file gone, a new tile sheet. (Reloading an unchanged map, and the save's
// question after このまま, are driven in the end-to-end test.)
#include <QAction>
#include <QLabel>
#include <QTest>
#include <QToolBar>
#include <filesystem>

#include "support/formfixture.h"

namespace kelmor::test {
namespace {

class Watching : public FormTest {
protected:
    void SetUp() override
    {
        openOnThreeMaps();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    bool barShows()
    {
        return QTest::qWaitFor([&] { return form->changeBar()->isVisible(); }, 5000);
    }
    QAction* action(const char* name) const { return form->findChild<QAction*>(QString::fromLatin1(name)); }
};

TEST_F(Watching, EditsStayUntilTheUserChoosesToReload)
{
    ASSERT_FALSE(form->changeBar()->isVisible());
    press({8, 8});  // "A" at row 0, column 0
    const QPoint formAt = form->form()->pos();
    writeLevel(levelText({{"*MAP001", uniformRows('7')}}));
    ASSERT_TRUE(barShows());
    EXPECT_TRUE(form->changeText()->text().contains(QStringLiteral("kelmor.cnf がほかのプログラムで変更されました")));
    EXPECT_GT(form->form()->pos().y(), formAt.y());  // above the form, never over it
    EXPECT_EQ(row(0)[0], 'A');

    action("reloadAction")->trigger();
    EXPECT_FALSE(form->changeBar()->isVisible());
    EXPECT_EQ(row(0), std::string(35, '7'));
    EXPECT_FALSE(form->document().marked());

    // Gone: said once, and the edits stay.
    press({8, 8});
    std::filesystem::remove(dir.file("kelmor.cnf"));
    ASSERT_TRUE(barShows());
    EXPECT_TRUE(form->changeText()->text().contains(QStringLiteral("見つからないか")));
    EXPECT_FALSE(action("reloadAction")->isVisible());
    action("keepAction")->trigger();
    QTest::qWait(800);
    EXPECT_FALSE(form->changeBar()->isVisible());
    EXPECT_EQ(row(0)[0], 'A');
}

TEST_F(Watching, ANewTileSheetIsDrawn)
{
    QImage sheet = coordinateSheet();
    sheet.invertPixels();
    writeSheet(sheet);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !cellShowsTile(viewPixels(), 0, 0, standardCatalogue().tileOf(101)); }, 5000));
    EXPECT_EQ(viewPixels().pixel(0, 0), sheet.pixel(TileSheet::blockOrigin(standardCatalogue().tileOf(101))));
    EXPECT_FALSE(form->changeBar()->isVisible());
}

}  // namespace
}  // namespace kelmor::test
