// The menu bar: every command there with its key, doing what its button does.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "support/formfixture.h"

namespace kelmor::test {
namespace {

class Menus : public FormTest {
protected:
    void SetUp() override { openOnThreeMaps(); }
    QAction* item(const QString& menu, const QString& text) const
    {
        for (QAction* m : form->menuBar()->actions())
            if (m->text().startsWith(menu))
                for (QAction* a : m->menu()->actions())
                    if (a->text().startsWith(text))
                        return a;
        ADD_FAILURE() << "no item " << text.toStdString() << " in " << menu.toStdString();
        return nullptr;
    }
};

TEST_F(Menus, EveryCommandWithItsKey)
{
    const struct {
        const char* menu;
        const char* item;
        QKeySequence key;
    } table[] = {
        {"ファイル", "保存", QKeySequence::Save},
        {"ファイル", "閉じる", QKeySequence(QStringLiteral("Ctrl+Q"))},
        {"編集", "元に戻す", QKeySequence::Undo},
        {"編集", "やり直し", QKeySequence(QStringLiteral("Ctrl+Y"))},
        {"マップ", "最初のマップ", QKeySequence(QStringLiteral("Ctrl+Home"))},
        {"マップ", "前のマップ", QKeySequence(QStringLiteral("PgUp"))},
        {"マップ", "次のマップ", QKeySequence(QStringLiteral("PgDown"))},
        {"マップ", "最後のマップ", QKeySequence(QStringLiteral("Ctrl+End"))},
        {"マップ", "マップへ移動", QKeySequence(QStringLiteral("Ctrl+G"))},
        {"マップ", "マップ作成", QKeySequence(QStringLiteral("Ctrl+N"))},
        {"マップ", "マップ複製", QKeySequence(QStringLiteral("Ctrl+D"))},
        {"編集", "入力モード", QKeySequence(QStringLiteral("Ins"))},
        {"編集", "パレットのコードを選ぶ", QKeySequence(QStringLiteral("/"))},
        {"編集", "選択範囲の枠を塗る", QKeySequence(QStringLiteral("Shift+P"))},
        {"編集", "選択範囲を左へ移動", QKeySequence(QStringLiteral("Alt+Left"))},
        {"編集", "選択範囲を下へ複製", QKeySequence(QStringLiteral("Alt+Shift+Down"))},
        {"マップ", "マップ消去", {}},
        {"ヘルプ", "キー一覧", {}},
        {"ヘルプ", "バージョン情報", {}},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.item);
        QAction* action = item(QString::fromUtf8(row.menu), QString::fromUtf8(row.item));
        ASSERT_NE(action, nullptr);
        if (row.key.isEmpty())
            EXPECT_TRUE(action->shortcuts().isEmpty());
        else
            EXPECT_TRUE(action->shortcuts().contains(row.key));
    }
    EXPECT_TRUE(item(QStringLiteral("編集"), QStringLiteral("やり直し"))
                    ->shortcuts()
                    .contains(QKeySequence(QStringLiteral("Ctrl+Shift+Z"))));
}

TEST_F(Menus, AnItemDoesWhatItsButtonDoes)
{
    item(QStringLiteral("マップ"), QStringLiteral("最後のマップ"))->trigger();
    EXPECT_EQ(form->document().mapNo(), 3);
    press({1, 1});
    asker.answer({false});
    item(QStringLiteral("マップ"), QStringLiteral("前のマップ"))->trigger();
    EXPECT_EQ(asker.questions.back(), QStringLiteral("map No 3を保存しますか?"));
    EXPECT_EQ(form->document().mapNo(), 2);

    // While a map loads, its buttons and their items are off together.
    QAction* next = item(QStringLiteral("マップ"), QStringLiteral("次のマップ"));
    next->setEnabled(false);
    EXPECT_FALSE(named<QPushButton>(*form, "Command2")->isEnabled());
    named<QPushButton>(*form, "Command2")->click();
    EXPECT_EQ(form->document().mapNo(), 2);
    next->setEnabled(true);

    item(QStringLiteral("ヘルプ"), QStringLiteral("バージョン情報"))->trigger();
    ASSERT_FALSE(asker.notices.empty());
    EXPECT_TRUE(asker.notices.back().contains(QStringLiteral(KELMOR_VERSION)));
    item(QStringLiteral("ヘルプ"), QStringLiteral("キー一覧"))->trigger();
    EXPECT_TRUE(asker.notices.back().contains(QStringLiteral("Ctrl+S")));
}

TEST_F(Menus, ClosingGoesThroughTheUnsavedCheck)
{
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    press({1, 1});
    asker.answer({true});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(asker.questions.back(), QStringLiteral("map No 1を保存しますか?"));
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(level().substr(0, 10), "*MAP001\r\nA");  // saved before it closed
}

}  // namespace
}  // namespace kelmor::test
