#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/messageboxasker.h"

namespace kelmor {
namespace {

// Looks at the box once it is up, then presses one of its buttons.
void answerWhenShown(QMessageBox::StandardButton press, QMessageBox::Icon* icon, QString* title,
                     QMessageBox::StandardButton* defaultButton, QString* text)
{
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        *icon = box->icon();
        *title = box->windowTitle();
        *text = box->text();
        *defaultButton = box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::NoButton;
        box->button(press)->click();
    });
}

TEST(MessageBoxAsker, QuestionsHaveNoIconAndYesAsDefault)
{
    MessageBoxAsker asker;
    QMessageBox::Icon icon{};
    QString title, text;
    QMessageBox::StandardButton defaultButton{};
    answerWhenShown(QMessageBox::No, &icon, &title, &defaultButton, &text);
    EXPECT_FALSE(asker.askYesNo(QStringLiteral("map No 1を保存しますか?")));
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(defaultButton, QMessageBox::Yes);
    EXPECT_EQ(title, QApplication::applicationName());
    EXPECT_EQ(text, QStringLiteral("map No 1を保存しますか?"));

    answerWhenShown(QMessageBox::Yes, &icon, &title, &defaultButton, &text);
    EXPECT_TRUE(asker.askYesNo(QStringLiteral("?")));
}

TEST(MessageBoxAsker, NoticesHaveAnOkButtonOnly)
{
    MessageBoxAsker asker;
    bool onlyOk = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        onlyOk = box->standardButtons() == QMessageBox::Ok && box->icon() == QMessageBox::NoIcon;
        box->button(QMessageBox::Ok)->click();
    });
    asker.notify(QStringLiteral("kelmor.bmp is not found"));
    EXPECT_TRUE(onlyOk);
}

}  // namespace
}  // namespace kelmor
