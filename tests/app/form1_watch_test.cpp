// The window when another program changes its files: the bar's choices, a
// file gone, a new tile sheet; none of it moves what a person may click.
// (Reloading an unchanged map, and the save's question after このまま, are
// driven in the end-to-end test.)
#include <QAction>
#include <QLabel>
#include <QRect>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <filesystem>
#include <functional>
#include <sys/stat.h>

#include "app/changebar.h"
#include "support/formfixture.h"
#include "view/mapview.h"
#include "view/palettepanel.h"

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
        return QTest::qWaitFor([&] { return named<ChangeBar>(*form, "changeBar")->isVisible(); }, 5000);
    }
    QAction* action(const char* name) const { return form->findChild<QAction*>(QString::fromLatin1(name)); }
};

TEST_F(Watching, EditsStayUntilTheUserChoosesToReload)
{
    ASSERT_FALSE(named<ChangeBar>(*form, "changeBar")->isVisible());
    press({8, 8});  // "A" at row 0, column 0
    // Where a person may be about to click: it stays put while the bar comes and goes.
    const auto placesOnScreen = [&] {
        return std::vector<QRect>{
            {form->form()->mapToGlobal(QPoint(0, 0)), form->form()->size()},
            {named<MapView>(*form, "Picture2")->mapToGlobal(QPoint(0, 0)), named<MapView>(*form, "Picture2")->size()},
            {named<PalettePanel>(*form, "palettePanel")->mapToGlobal(QPoint(0, 0)),
             named<PalettePanel>(*form, "palettePanel")->size()},
            form->geometry(),
        };
    };
    const std::vector<QRect> places = placesOnScreen();
    writeLevel(levelText({{"*MAP001", uniformRows('7')}}));
    ASSERT_TRUE(barShows());
    EXPECT_TRUE(named<ChangeBar>(*form, "changeBar")
                    ->text()
                    ->text()
                    .contains(QStringLiteral("kelmor.cnf がほかのプログラムで変更されました")));
    EXPECT_EQ(named<ChangeBar>(*form, "changeBar")->text()->textFormat(), Qt::PlainText);  // a file's name is no markup
    EXPECT_EQ(placesOnScreen(), places);
    EXPECT_EQ(row(0)[0], 'A');
    action("keepAction")->trigger();
    EXPECT_FALSE(named<ChangeBar>(*form, "changeBar")->isVisible());
    EXPECT_EQ(placesOnScreen(), places);

    writeLevel(levelText({{"*MAP001", uniformRows('7')}}) + "\r\n");
    ASSERT_TRUE(barShows());

    action("reloadAction")->trigger();
    EXPECT_FALSE(named<ChangeBar>(*form, "changeBar")->isVisible());
    EXPECT_EQ(row(0), std::string(35, '7'));
    EXPECT_FALSE(form->document().marked());

    // Gone: said once, and the edits stay.
    press({8, 8});
    std::filesystem::remove(dir.file("kelmor.cnf"));
    ASSERT_TRUE(barShows());
    EXPECT_TRUE(named<ChangeBar>(*form, "changeBar")->text()->text().contains(QStringLiteral("見つからないか")));
    EXPECT_FALSE(action("reloadAction")->isVisible());
    action("keepAction")->trigger();
    QTest::qWait(800);
    EXPECT_FALSE(named<ChangeBar>(*form, "changeBar")->isVisible());
    EXPECT_EQ(row(0)[0], 'A');
}

TEST_F(Watching, AFileThatCannotBeReadAgainChangesNothingOnScreen)
{
    namespace fs = std::filesystem;
    const std::string path = dir.file("kelmor.cnf");
    const auto message = [&] { return form->statusBar()->currentMessage(); };
    // A folder, a pipe, and a file this editor may not read (root reads
    // anything, so the seam refuses it as well), each in its place in turn.
    const std::function<void()> breakers[] = {
        [&] { fs::remove(path), fs::create_directory(path); },
        [&] { fs::remove(path), ::mkfifo(path.c_str(), 0644); },
        [&] {
            ops.failAt(FaultyFileOps::Step::OpenRead, EACCES);
            fs::permissions(path, fs::perms::none);  // a change of permissions alone
        },
    };
    char fill = '4';
    for (const auto& breakIt : breakers) {
        SCOPED_TRACE(fill);
        const std::string shown = row(0);
        breakIt();
        ASSERT_TRUE(QTest::qWaitFor([&] { return message().contains(QStringLiteral("読み込めません")); }, 5000));
        EXPECT_EQ(label1(), QStringLiteral("map No 1"));
        EXPECT_EQ(row(0), shown);
        EXPECT_FALSE(form->document().marked());
        EXPECT_FALSE(named<ChangeBar>(*form, "changeBar")->isVisible());

        // Readable again, with map 1 changed: the map had no edits, so it is loaded.
        ops.failAt(FaultyFileOps::Step::None, 0);
        fs::remove_all(path);
        writeLevel(levelText({{"*MAP001", uniformRows(fill)}, {"*MAP002", uniformRows('2')}}));
        ASSERT_TRUE(QTest::qWaitFor([&] { return row(0)[0] == fill; }, 5000));
        EXPECT_EQ(label1(), QStringLiteral("map No 1"));
        EXPECT_FALSE(form->document().marked());
        EXPECT_FALSE(named<ChangeBar>(*form, "changeBar")->isVisible());
        ++fill;
    }
    // Nothing claims edits that were never made: saving asks only the save question.
    asker.answer({true});
    named<QPushButton>(*form, "Command1")->click();
    EXPECT_EQ(asker.questions, std::vector<QString>{QStringLiteral("map No 1を保存しますか?")});
    EXPECT_TRUE(asker.notices.empty());
    EXPECT_EQ(level(), levelText({{"*MAP001", uniformRows('6')}, {"*MAP002", uniformRows('2')}}));
}

TEST_F(Watching, ANewTileSheetIsDrawn)
{
    QImage sheet = coordinateSheet();
    sheet.invertPixels();
    writeSheet(sheet);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !cellShowsTile(viewPixels(), 0, 0, standardCatalogue().tileOf(101)); }, 5000));
    EXPECT_EQ(viewPixels().pixel(0, 0), sheet.pixel(TileSheet::blockOrigin(standardCatalogue().tileOf(101))));
    EXPECT_FALSE(named<ChangeBar>(*form, "changeBar")->isVisible());
}

}  // namespace
}  // namespace kelmor::test
