// マップ一覧 on the real window: opening it at the map on screen, the search,
// Enter, the question before leaving an edited map, and following a save.
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include "app/overviewwindow.h"
#include "document/mapoverview.h"
#include "support/formfixture.h"

namespace kelmor::test {
namespace {

class OverviewWindowTest : public FormTest {
protected:
    void SetUp() override
    {
        openOnThreeMaps();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    OverviewWindow* openOverview()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::ControlModifier);
        OverviewWindow* overview = form->overview();
        return overview != nullptr && QTest::qWaitForWindowActive(overview) ? overview : nullptr;
    }
    static qint64 current(OverviewWindow* overview)
    {
        return overview->list()->currentIndex().data(MapOverview::MapNoRole).toLongLong();
    }
};

TEST_F(OverviewWindowTest, SearchEnterAndTheQuestionBeforeLeavingAnEditedMap)
{
    named<QPushButton>(*form, "Command2")->click();  // map 2
    OverviewWindow* overview = openOverview();
    ASSERT_NE(overview, nullptr);
    EXPECT_EQ(overview->list()->model()->rowCount(), 3);
    EXPECT_EQ(current(overview), 2);  // at the map on screen

    QTest::keyClicks(overview->search(), QStringLiteral("map003"));
    ASSERT_EQ(overview->list()->model()->rowCount(), 1);
    QTest::keyClick(overview->search(), Qt::Key_Return);
    EXPECT_EQ(form->document().mapNo(), 3);
    EXPECT_TRUE(asker.questions.empty());  // nothing edited: nothing asked

    // An edited map: the save question first, as the navigation buttons ask.
    press({8, 8});
    overview->search()->clear();
    overview->list()->setFocus();
    overview->highlight(1);
    asker.answer({false});
    QTest::keyClick(overview->list(), Qt::Key_Return);
    EXPECT_EQ(asker.questions, std::vector<QString>{QStringLiteral("map No 3を保存しますか?")});
    EXPECT_EQ(form->document().mapNo(), 1);
    EXPECT_EQ(current(overview), 1);
}

TEST_F(OverviewWindowTest, ItFollowsEverySave)
{
    OverviewWindow* overview = openOverview();
    ASSERT_NE(overview, nullptr);
    form->activateWindow();
    // A new header saves as an added map, which the list then shows.
    named<QLineEdit>(*form, "Text1")->setText(QStringLiteral("*ADDED"));
    press({8, 8});
    asker.answer({true});
    named<QPushButton>(*form, "Command1")->click();
    ASSERT_EQ(overview->list()->model()->rowCount(), 4);
    EXPECT_EQ(overview->list()->model()->index(3, 0).data().toString(), QStringLiteral("map No 4: *ADDED"));
}

}  // namespace
}  // namespace kelmor::test
