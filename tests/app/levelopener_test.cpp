// Opening another level file from the window: ファイル > 開く… through a
// test's chooser, the refusals and the unsaved-changes check in their order,
// recent files in a test's settings file, and drops of a file and a folder.
#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QTest>
#include <QUrl>
#include <sys/stat.h>

#include "app/form1.h"
#include "app/leveldialog.h"
#include "app/levelopener.h"
#include "app/recentfiles.h"
#include "support/formfixture.h"
#include "support/maprows.h"

namespace kelmor::test {
namespace {

class Opening : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(dir.file("other"));
        writeFile(dir.file("kelmor.cnf"), levelText({{"*MAP001", uniformRows('1')}}));
        writeFile(dir.file("other/stage2.cnf"), levelText({{"*TWO", uniformRows('2')}}));
        for (const char* sheet : {"kelmor.bmp", "other/kelmor.bmp"})
            std::filesystem::copy_file(KELMOR_TILE_SHEET, dir.file(sheet));
        opener.start(dir.path(), "kelmor.cnf");
    }
    Form1& window() const { return *opener.window(); }
    QString path(const std::string& name) const { return QString::fromStdString(dir.file(name)); }
    void trigger(const char* name) { window().findChild<QAction*>(QString::fromLatin1(name))->trigger(); }
    void drop(const QString& path)
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window(), &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window(), &dropped);
        QCoreApplication::processEvents();
    }

    TempDir dir;
    ScriptedAsker asker;
    FaultyFileOps ops;
    RecentFiles recent{QString::fromStdString(dir.file("recent.ini"))};
    std::vector<std::optional<QString>> chosen;
    LevelOpener opener{asker, ops, recent, [this](QWidget&, const QString&) {
                           std::optional<QString> next = chosen.front();
                           chosen.erase(chosen.begin());
                           return next;
                       }};
};

TEST_F(Opening, TheDialogThenTheRefusalsThenTheCheckAndTheOldFileLeft)
{
    chosen = {std::nullopt, path("missing/x.cnf"), path("other/stage2.cnf"), path("other/stage2.cnf")};
    Form1* first = &window();
    trigger("openAction");  // cancelled: nothing changes
    EXPECT_EQ(&window(), first);
    trigger("openAction");
    ASSERT_EQ(asker.notices.size(), 1u);
    EXPECT_TRUE(asker.notices[0].contains(QStringLiteral("開けません")));
    EXPECT_EQ(&window(), first);

    // Edits on map 1 and a save that fails: the opening stops, the file stays open.
    window().document().writeCell({0, 0}, 'K');
    window().document().markPressed();
    ops.failAt(FaultyFileOps::Step::Write, ENOSPC);
    asker.answer({true});
    trigger("openAction");
    EXPECT_EQ(&window(), first);
    EXPECT_TRUE(fileExists(dir.file(".kelmor.cnf.recover")) ||
                QTest::qWaitFor([&] { return fileExists(dir.file(".kelmor.cnf.recover")); }, 2000));

    // No this time: the edits are let go of, the old recovery file settled.
    ops.failAt(FaultyFileOps::Step::None, 0);
    asker.answer({false});
    trigger("openAction");
    EXPECT_EQ(window().document().levelFile().path(), dir.file("other/stage2.cnf"));
    EXPECT_EQ(window().document().header(), QStringLiteral("*TWO"));
    EXPECT_EQ(named<QLabel>(window(), "levelStatus")->text(), QStringLiteral("stage2.cnf"));
    EXPECT_EQ(named<QLabel>(window(), "levelStatus")->toolTip(), path("other/stage2.cnf"));
    EXPECT_FALSE(fileExists(dir.file(".kelmor.cnf.recover")));
    ASSERT_EQ(window().document().letGo().of(dir.file("kelmor.cnf")).size(), 1u);
    EXPECT_TRUE(window().document().letGo().of(dir.file("other/stage2.cnf")).empty());
    EXPECT_EQ(recent.paths(), (QStringList{path("other/stage2.cnf"), path("kelmor.cnf")}));
    // The old window goes, and its watches with it: a change to the old
    // file is nothing to this one.
    const QPointer<Form1> old(first);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(old.isNull());
}

TEST_F(Opening, RecentFilesAVanishedOneAndClearing)
{
    ASSERT_TRUE(opener.open(path("other/stage2.cnf")));
    ASSERT_TRUE(opener.open(path("kelmor.cnf")));
    EXPECT_EQ(recent.paths(), (QStringList{path("kelmor.cnf"), path("other/stage2.cnf")}));
    QMenu* menu = named<QMenu>(window(), "recentMenu");
    emit menu->aboutToShow();
    ASSERT_GE(menu->actions().size(), 2);
    menu->actions()[1]->trigger();  // stage2.cnf
    EXPECT_EQ(window().document().levelFile().path(), dir.file("other/stage2.cnf"));

    std::filesystem::remove(dir.file("kelmor.cnf"));
    opener.openRecent(path("kelmor.cnf"));
    ASSERT_EQ(asker.notices.size(), 1u);
    EXPECT_TRUE(asker.notices[0].contains(QStringLiteral("一覧から外しました")));
    EXPECT_EQ(recent.paths(), QStringList{path("other/stage2.cnf")});
    EXPECT_EQ(window().document().levelFile().path(), dir.file("other/stage2.cnf"));
    trigger("clearRecentAction");
    EXPECT_TRUE(recent.paths().isEmpty());
    // A save puts the file back in front.
    window().document().markPressed();
    asker.answer({true});
    trigger("saveAction");
    EXPECT_EQ(recent.paths(), QStringList{path("other/stage2.cnf")});
    recent.clear();
    // Remembered between runs: another reader of the settings sees it.
    recent.add(path("a.cnf"));
    EXPECT_EQ(RecentFiles(QString::fromStdString(dir.file("recent.ini"))).paths(), QStringList{path("a.cnf")});
    // What stands in front already is not written again, as every start
    // puts its file there.
    struct stat before {};
    struct stat after {};
    ASSERT_EQ(::stat(dir.file("recent.ini").c_str(), &before), 0);
    recent.add(path("a.cnf"));
    ASSERT_EQ(::stat(dir.file("recent.ini").c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
}

TEST_F(Opening, AFileOrAFolderDroppedOnTheWindow)
{
    drop(path("other/stage2.cnf"));
    EXPECT_EQ(window().document().levelFile().path(), dir.file("other/stage2.cnf"));
    drop(QString::fromStdString(dir.path()));  // a folder: its kelmor.cnf
    EXPECT_EQ(window().document().levelFile().path(), dir.file("kelmor.cnf"));
    EXPECT_EQ(window().document().header(), QStringLiteral("*MAP001"));
    // A file that cannot be read is refused, and the open file stays.
    ops.failAt(FaultyFileOps::Step::OpenRead, EACCES);
    EXPECT_FALSE(opener.open(path("other/stage2.cnf")));
    ops.failAt(FaultyFileOps::Step::None, 0);
    EXPECT_TRUE(asker.notices.back().contains(QStringLiteral("読み込めないため")));
    EXPECT_EQ(window().document().levelFile().path(), dir.file("kelmor.cnf"));
}

// The real dialog: a level file, or a game's folder chosen as a file is.
TEST_F(Opening, TheDialogTakesALevelFileOrAGamesFolder)
{
    for (const std::string& pick : {dir.file("other/stage2.cnf"), dir.path()}) {
        LevelFileDialog dialog(&window(), QString::fromStdString(dir.path()));
        dialog.selectFile(QString::fromStdString(pick));
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << pick;
        EXPECT_EQ(dialog.chosen(), QString::fromStdString(pick));
    }
    // A folder without a level file is entered, not chosen.
    LevelFileDialog dialog(&window(), QString::fromStdString(dir.path()));
    dialog.selectFile(path("other"));
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosen(), std::nullopt);
}

}  // namespace
}  // namespace kelmor::test
