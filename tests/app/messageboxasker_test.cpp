#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "app/messageboxasker.h"

namespace kelmor {
namespace {

QMessageBox* shownBox()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box != nullptr && box->isVisible())
            return box;
    return nullptr;
}

// Waits for the asker's box, lets `look` inspect it, then presses `press`.
// When no box comes up within seconds, or it lacks that button, the test
// fails there and then and whatever modal window is up is closed: a broken
// box must never leave the test waiting for CTest's timeout.
class BoxAnswerer {
public:
    BoxAnswerer(QMessageBox::StandardButton press, std::function<void(QMessageBox&)> look)
    {
        const QDeadlineTimer deadline(5000);
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this, press, look, deadline] {
            if (QMessageBox* box = shownBox()) {
                timer_.stop();
                answered_ = true;
                look(*box);
                if (QAbstractButton* button = box->button(press)) {
                    button->click();
                } else {
                    ADD_FAILURE() << "the box has no button " << press;
                    box->done(0);
                }
            } else if (deadline.hasExpired()) {
                timer_.stop();
                ADD_FAILURE() << "no message box came up";
                if (QWidget* modal = QApplication::activeModalWidget())
                    modal->close();
            }
        });
        timer_.start();
    }
    bool answered() const { return answered_; }

private:
    QTimer timer_;
    bool answered_ = false;
};

TEST(MessageBoxAsker, QuestionsHaveNoIconAndYesAsDefault)
{
    MessageBoxAsker asker;
    QMessageBox::Icon icon{};
    QString title, text;
    QMessageBox::StandardButton defaultButton{};
    {
        BoxAnswerer answerer(QMessageBox::No, [&](QMessageBox& box) {
            icon = box.icon();
            title = box.windowTitle();
            text = box.text();
            defaultButton = box.defaultButton() ? box.standardButton(box.defaultButton()) : QMessageBox::NoButton;
        });
        EXPECT_FALSE(asker.askYesNo(QStringLiteral("map No 1を保存しますか?")));
        EXPECT_TRUE(answerer.answered());
    }
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(defaultButton, QMessageBox::Yes);
    EXPECT_EQ(title, QApplication::applicationName());
    EXPECT_EQ(text, QStringLiteral("map No 1を保存しますか?"));

    BoxAnswerer answerer(QMessageBox::Yes, [](QMessageBox&) {});
    EXPECT_TRUE(asker.askYesNo(QStringLiteral("?")));
    EXPECT_TRUE(answerer.answered());
}

void sendKey(QWidget& widget, int key)
{
    const QString text = key < 0x10000 ? QString(QChar(key)).toLower() : QString();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&widget, &release);
}

// Escape and the title bar's close button would otherwise answer No, and
// No gives up the edits.
TEST(MessageBoxAsker, QuestionsTakeOnlyYesOrNo)
{
    MessageBoxAsker asker;
    bool stayed = false;
    {
        BoxAnswerer answerer(QMessageBox::Yes, [&](QMessageBox& box) {
            sendKey(box, Qt::Key_Escape);
            QCloseEvent close;
            QApplication::sendEvent(&box, &close);
            stayed = box.isVisible() && box.clickedButton() == nullptr && !close.isAccepted();
        });
        EXPECT_TRUE(asker.askYesNo(QStringLiteral("map No 1を保存しますか?")));
        EXPECT_TRUE(answerer.answered());
    }
    EXPECT_TRUE(stayed);

    // The buttons' letters still answer.
    for (const auto& [key, yes] : {std::pair{Qt::Key_N, false}, std::pair{Qt::Key_Y, true}}) {
        QTimer typist;
        int ticks = 0;
        QObject::connect(&typist, &QTimer::timeout, [&, key = key] {
            if (QMessageBox* box = shownBox(); box != nullptr && ticks++ == 0) {
                sendKey(*box, key);
            } else if (box != nullptr && ticks > 500) {
                ADD_FAILURE() << "the letter did not answer";
                box->done(0);
            }
        });
        typist.start(10);
        EXPECT_EQ(asker.askYesNo(QStringLiteral("?")), yes) << key;
    }
}

TEST(MessageBoxAsker, NoticesHaveAnOkButtonOnly)
{
    MessageBoxAsker asker;
    bool onlyOk = false;
    BoxAnswerer answerer(QMessageBox::Ok, [&](QMessageBox& box) {
        onlyOk = box.standardButtons() == QMessageBox::Ok && box.icon() == QMessageBox::NoIcon;
    });
    asker.notify(QStringLiteral("kelmor.bmp is not found"));
    EXPECT_TRUE(answerer.answered());
    EXPECT_TRUE(onlyOk);
}

// A notice quotes what was typed and files' names: shown as they are, never
// read as markup (an image it names would be loaded, a pipe for good).
TEST(MessageBoxAsker, TextIsShownAsTyped)
{
    MessageBoxAsker asker;
    const QString typed = QStringLiteral("map No <b>12</b> x <img src=\"/dev/zero\"> はありません。");
    for (const bool question : {false, true}) {
        QLabel* label = nullptr;
        QString shown;
        BoxAnswerer answerer(question ? QMessageBox::Yes : QMessageBox::Ok, [&](QMessageBox& box) {
            label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            if (label != nullptr && label->textFormat() == Qt::PlainText)
                shown = label->text();
        });
        if (question)
            asker.askYesNo(typed);
        else
            asker.notify(typed);
        EXPECT_TRUE(answerer.answered());
        EXPECT_NE(label, nullptr);
        EXPECT_EQ(shown, typed);
    }
}

}  // namespace
}  // namespace kelmor
