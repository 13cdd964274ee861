// マップ一覧 kept for a window, without the editor's window: made when first
// shown, current with the file, and a chosen map gone to through the check.
#include <QAbstractItemModel>
#include <QListView>
#include <QWidget>
#include <gtest/gtest.h>

#include "app/overviewcontrol.h"
#include "app/overviewwindow.h"
#include "document/mapdocument.h"
#include "document/mapoverview.h"
#include "model/catalogue.h"
#include "support/formfixture.h"
#include "support/maprows.h"
#include "document/tilesheet.h"

namespace kelmor::test {
namespace {

class OverviewAlone : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile(dir.file("kelmor.cnf"), levelText({{"*MAP001", uniformRows('1')}, {"*MAP002", uniformRows('2')}}));
        doc.load(2);
        control = new OverviewControl(doc, asker, parts, sheet, window,
                                      {{[this] { return ++checks, allowed; },
                                        [this](MapNumber mapNo) {
                                            loads.push_back(mapNo);
                                            doc.load(mapNo);
                                        },
                                        [](const QString&) {}},
                                       [this] { ++overflows; }});
    }

    TempDir dir;
    FaultyFileOps ops;
    MapDocument doc{ops, dir.path(), "kelmor.cnf"};
    ScriptedAsker asker;
    Catalogue parts = standardCatalogue();
    TileSheet sheet;
    QWidget window;
    OverviewControl* control = nullptr;
    int checks = 0;
    bool allowed = true;
    std::vector<MapNumber> loads;
    int overflows = 0;
};

TEST_F(OverviewAlone, MadeWhenShownKeptCurrentAndAChoiceGoesThroughTheCheck)
{
    EXPECT_EQ(control->window(), nullptr);
    control->show();
    OverviewWindow* overview = control->window();
    ASSERT_NE(overview, nullptr);
    EXPECT_TRUE(overview->isVisible());
    EXPECT_EQ(overview->current(), 2);  // at the map on screen
    control->show();
    EXPECT_EQ(control->window(), overview);  // one window, shown again

    allowed = false;
    emit overview->chosen(1);
    EXPECT_EQ(checks, 1);
    EXPECT_TRUE(loads.empty());  // the check said stay
    allowed = true;
    emit overview->chosen(1);
    EXPECT_EQ(loads, std::vector<MapNumber>{1});
    EXPECT_EQ(overview->current(), 1);  // it follows the map on screen
    emit overview->chosen(kLastMapNo + 1);
    EXPECT_EQ(overflows, 1);
    EXPECT_EQ(loads.size(), 1u);

    writeFile(dir.file("kelmor.cnf"),
              levelText({{"*MAP001", uniformRows('1')}, {"*MAP002", uniformRows('2')}, {"*MAP003", uniformRows('3')}}));
    control->followLevel();
    overview->maps().listAll();
    EXPECT_EQ(overview->list()->model()->rowCount(), 3);
}

}  // namespace
}  // namespace kelmor::test
