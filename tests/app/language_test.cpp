// The window in English and in Japanese: which language start-up chooses, and
// every text a person sees or hears in English, with the usual actions' questions.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QUndoStack>

#include "app/language.h"
#include "app/messages.h"
#include "support/formfixture.h"

namespace kelmor::test {
namespace {

// Kana, kanji and full-width forms: what no English text holds.
bool isJapanese(const QString& text)
{
    for (const char32_t c : text.toUcs4())
        if ((c >= 0x3000 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
            (c >= 0xFF00 && c <= 0xFFEF))
            return true;
    return false;
}

// Every text a widget shows or gives a screen reader, and its actions'.
void collect(const QWidget& widget, std::vector<QString>& texts)
{
    texts.insert(texts.end(), {widget.windowTitle(), widget.toolTip(), widget.statusTip(), widget.whatsThis(),
                               widget.accessibleName(), widget.accessibleDescription()});
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        texts.push_back(button->text());
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        texts.push_back(label->text());
    if (const auto* field = qobject_cast<const QLineEdit*>(&widget))
        texts.insert(texts.end(), {field->text(), field->placeholderText()});
    if (const auto* menu = qobject_cast<const QMenu*>(&widget))
        texts.push_back(menu->title());
    if (const auto* box = qobject_cast<const QComboBox*>(&widget))
        for (int i = 0; i < box->count(); ++i)
            texts.push_back(box->itemText(i));
    if (const auto* list = qobject_cast<const QListWidget*>(&widget))
        for (int i = 0; i < list->count(); ++i)
            texts.insert(texts.end(), {list->item(i)->text(), list->item(i)->toolTip(),
                                       list->item(i)->data(Qt::AccessibleTextRole).toString()});
    if (const auto* view = qobject_cast<const QListView*>(&widget); view && view->model())
        for (int i = 0; i < view->model()->rowCount(); ++i)
            texts.push_back(view->model()->index(i, 0).data().toString());
    if (const auto* window = qobject_cast<const QMainWindow*>(&widget))
        texts.push_back(window->statusBar()->currentMessage());
    for (const QAction* action : widget.actions())
        texts.insert(texts.end(),
                     {action->text(), action->iconText(), action->toolTip(), action->statusTip(), action->whatsThis()});
}

std::vector<QString> shownTexts()
{
    std::vector<QString> texts;
    for (const QWidget* top : QApplication::topLevelWidgets()) {
        collect(*top, texts);
        for (const QWidget* child : top->findChildren<QWidget*>())
            collect(*child, texts);
        for (const QAction* action : top->findChildren<QAction*>())
            texts.insert(texts.end(), {action->text(), action->toolTip(), action->statusTip()});
    }
    return texts;
}

std::vector<QString> japaneseAmong(const std::vector<QString>& texts)
{
    std::vector<QString> found;
    for (const QString& text : texts)
        if (isJapanese(text))
            found.push_back(text);
    return found;
}

std::string listed(const std::vector<QString>& texts)
{
    return QStringList(texts.begin(), texts.end()).join(QStringLiteral(" | ")).toStdString();
}

TEST(Language, AskedForOrTheSystemsFirstUiLanguage)
{
    EXPECT_EQ(languageNamed("ja"), Language::Japanese);
    EXPECT_EQ(languageNamed("en"), Language::English);
    EXPECT_EQ(languageNamed("fr"), std::nullopt);
    EXPECT_EQ(languageNamed(""), std::nullopt);
    const struct {
        QStringList system;
        Language chosen;
    } cases[] = {
        {{QStringLiteral("en-US"), QStringLiteral("ja-JP")}, Language::English},
        {{QStringLiteral("ja-JP"), QStringLiteral("en-US")}, Language::Japanese},
        {{QStringLiteral("ja")}, Language::Japanese},
        {{QStringLiteral("de-DE")}, Language::English},
        {{QStringLiteral("C")}, Language::Japanese},
        {{QStringLiteral("POSIX")}, Language::Japanese},
        {{}, Language::Japanese},
    };
    for (const auto& c : cases)
        EXPECT_EQ(languageFor(c.system), c.chosen) << c.system.join(u',').toStdString();
}

class WindowLanguageTest : public FormTest {
protected:
    void TearDown() override { form.reset(); }

    // Every text of the window and of マップ一覧, then of what an edit, leaving
    // it (No), saving it (Yes), creating and erasing a map, a refused paste, a
    // map number that is none, the keys, the version and a refused typed
    // character show, ask and tell.
    std::vector<QString> textsOfCommonActions()
    {
        openOnThreeMaps();
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->findChild<QAction*>(QStringLiteral("overviewAction"))->trigger();
        auto* view = named<MapView>(*form, "Picture2");
        view->setFocus();
        std::vector<QString> texts = shownTexts();

        asker.answer({false, true, true, true});
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(8, 8));
        texts.push_back(form->document().history().undoText());
        form->findChild<QAction*>(QStringLiteral("undoAction"))->trigger();
        form->findChild<QAction*>(QStringLiteral("redoAction"))->trigger();
        texts.push_back(form->findChild<QAction*>(QStringLiteral("undoAction"))->text());
        QTest::keyClick(view, Qt::Key_PageDown);
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(8, 8));
        named<QPushButton>(*form, "Command1")->click();
        named<QPushButton>(*form, "Command5")->click();
        named<QPushButton>(*form, "Command3")->click();
        QGuiApplication::clipboard()->setText(QStringLiteral("12\n3*"));
        QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
        asker.type(QStringLiteral("99"));
        form->findChild<QAction*>(QStringLiteral("goToAction"))->trigger();
        form->findChild<QAction*>(QStringLiteral("keysAction"))->trigger();
        form->findChild<QAction*>(QStringLiteral("aboutAction"))->trigger();
        view->setTyping(true);
        QTest::keyClick(view, Qt::Key_Comma);

        EXPECT_EQ(asker.questions.size(), 4u);
        EXPECT_GE(asker.notices.size(), 4u);
        for (const std::vector<QString>* told : {&asker.questions, &asker.notices, &asker.prompts})
            texts.insert(texts.end(), told->begin(), told->end());
        const std::vector<QString> after = shownTexts();
        texts.insert(texts.end(), after.begin(), after.end());
        return texts;
    }
};

// Run by ctest under LANG=en_US.UTF-8, ja_JP.UTF-8 and C.UTF-8, each with the
// language expected: the window as start-up makes it without --language.
TEST_F(WindowLanguageTest, TheSystemsLanguageWhenNoneIsAskedFor)
{
    const QByteArray expected = qgetenv("KELMOR_EXPECTED_LANGUAGE");
    if (expected.isEmpty())
        GTEST_SKIP() << "run by ctest with a LANG of its own";
    const WindowLanguage language(languageFor(QLocale::system().uiLanguages()));
    ASSERT_EQ(currentLanguage(), expected == "en" ? Language::English : Language::Japanese)
        << QLocale::system().uiLanguages().join(u',').toStdString();
    const std::vector<QString> japanese = japaneseAmong(textsOfCommonActions());
    if (expected == "en") {
        EXPECT_TRUE(japanese.empty()) << listed(japanese);
        EXPECT_EQ(named<QPushButton>(*form, "Command1")->text(), QStringLiteral("Save map"));
    } else {
        EXPECT_EQ(named<QPushButton>(*form, "Command1")->text(), QStringLiteral("マップ保存"));
        EXPECT_EQ(asker.questions.front(), QStringLiteral("map No 1を保存しますか?"));
    }
}

TEST_F(WindowLanguageTest, InEnglishNothingShownOrAskedIsJapanese)
{
    const WindowLanguage english(Language::English);
    const std::vector<QString> texts = textsOfCommonActions();
    EXPECT_TRUE(japaneseAmong(texts).empty()) << listed(japaneseAmong(texts));
    EXPECT_EQ(named<QComboBox>(*form, "Combo1")->itemText(0), QStringLiteral("A:Hakyura"));
    EXPECT_EQ(asker.questions.front(), QStringLiteral("Save map No 1?"));
    EXPECT_TRUE(keysText().contains(QStringLiteral("move the keyboard cursor one cell")));
}

}  // namespace
}  // namespace kelmor::test
