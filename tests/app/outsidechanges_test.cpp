// Following another program's changes to the level file, without the
// editor's window: a plain window with a status bar, the document and the
// bar's choices.
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTest>
#include <filesystem>

#include "app/changebar.h"
#include "app/outsidechanges.h"
#include "document/mapdocument.h"
#include "support/formfixture.h"
#include "support/maprows.h"

namespace kelmor::test {
namespace {

class Outside : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile(dir.file("kelmor.cnf"), levelText({{"*MAP001", uniformRows('1')}, {"*MAP002", uniformRows('2')}}));
        doc.load(1);
        field = new QLabel(QStringLiteral("field"));
        window.statusBar()->addWidget(field);
        changes = new OutsideChanges(doc, asker, window, *window.statusBar(), {field}, {doc.levelFile().path()},
                                     {[this](const MapLoad& result) {
                                          ++shown;
                                          doc.loaded(result);
                                      },
                                      [this] { ++others; }});
        window.show();
    }
    bool settles(const std::function<bool()>& done) { return QTest::qWaitFor(done, 5000); }
    QAction* action(const char* name) { return window.findChild<QAction*>(QString::fromLatin1(name)); }

    TempDir dir;
    FaultyFileOps ops;
    MapDocument doc{ops, dir.path(), "kelmor.cnf"};
    ScriptedAsker asker;
    QMainWindow window;
    QLabel* field = nullptr;
    OutsideChanges* changes = nullptr;
    int shown = 0;
    int others = 0;
};

TEST_F(Outside, AMapWithoutEditsIsReadAgainAndOneWithEditsWaitsForAChoice)
{
    writeFile(dir.file("kelmor.cnf"), levelText({{"*MAP001", uniformRows('7')}}));
    ASSERT_TRUE(settles([&] { return shown == 1; }));
    EXPECT_GE(others, 1);
    EXPECT_EQ(doc.rows()[0][0], '7');
    EXPECT_TRUE(window.statusBar()->currentMessage().contains(QStringLiteral("読み込み直しました")));
    EXPECT_FALSE(changes->bar()->isVisible());

    doc.markPressed();
    doc.putCells({{{0, 0}, 'A'}}, QStringLiteral("pen"));
    writeFile(dir.file("kelmor.cnf"), levelText({{"*MAP001", uniformRows('8')}}));
    ASSERT_TRUE(settles([&] { return changes->bar()->isVisible(); }));
    EXPECT_FALSE(field->isVisible());  // the bar takes the fields' line
    EXPECT_EQ(doc.rows()[0][0], 'A');
    EXPECT_TRUE(action("reloadAction")->isEnabled());
    action("reloadAction")->trigger();
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(doc.rows()[0][0], '8');
    EXPECT_FALSE(doc.marked());  // given up, as by No
    EXPECT_FALSE(changes->bar()->isVisible());
    EXPECT_TRUE(field->isVisible());
}

TEST_F(Outside, AFileGoneIsToldOnceAndNothingOnScreenChanges)
{
    doc.putCells({{{0, 0}, 'A'}}, QStringLiteral("pen"));
    std::filesystem::remove(dir.file("kelmor.cnf"));
    ASSERT_TRUE(settles([&] { return changes->bar()->isVisible(); }));
    EXPECT_TRUE(changes->bar()->text()->text().contains(QStringLiteral("見つからないか")));
    EXPECT_FALSE(action("reloadAction")->isEnabled());  // nothing to read again
    action("keepAction")->trigger();
    EXPECT_FALSE(changes->bar()->isVisible());
    // Something else in the folder: still gone, not told again.
    const int before = others;
    writeFile(dir.file("other.txt"), "x");
    ASSERT_TRUE(settles([&] { return others > before; }));
    EXPECT_FALSE(changes->bar()->isVisible());
    EXPECT_EQ(doc.rows()[0][0], 'A');
    EXPECT_EQ(shown, 0);
    EXPECT_TRUE(asker.notices.empty());
}

}  // namespace
}  // namespace kelmor::test
