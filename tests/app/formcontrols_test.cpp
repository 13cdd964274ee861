// The form on its own, without the window: the controls where they were
// designed, by their names (the tab order is the window test's, with real keys).
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include "app/formcontrols.h"
#include "view/mapview.h"

namespace kelmor::test {
namespace {

TEST(FormControls, ThirteenControlsInTheirPlacesByTheirNames)
{
    QWidget window;
    const FormControls ui(&window);
    EXPECT_EQ(ui.form->parentWidget(), &window);
    EXPECT_EQ(ui.form->minimumSize(), QSize(565, 329));
    EXPECT_EQ(ui.form->maximumSize(), QSize(565, 329));
    const struct {
        QWidget* widget;
        const char* name;
        QRect place;
    } controls[] = {
        {ui.Label1, "Label1", {8, 0, 65, 17}},         {ui.Command7, "Command7", {80, 0, 33, 25}},
        {ui.Command4, "Command4", {112, 0, 33, 25}},   {ui.Command2, "Command2", {144, 0, 33, 25}},
        {ui.Command6, "Command6", {176, 0, 33, 25}},   {ui.Text1, "Text1", {216, 0, 97, 18}},
        {ui.Label2, "Label2", {328, 0, 225, 17}},      {ui.Picture2, "Picture2", {0, 24, 545, 273}},
        {ui.Picture1, "Picture1", {48, 24, 177, 49}},  {ui.Combo1, "Combo1", {8, 304, 177, 20}},
        {ui.Command1, "Command1", {224, 304, 81, 25}}, {ui.Command5, "Command5", {312, 304, 89, 25}},
        {ui.Command3, "Command3", {432, 304, 73, 25}},
    };
    for (const auto& c : controls) {
        EXPECT_EQ(c.widget->parentWidget(), ui.form) << c.name;
        EXPECT_EQ(window.findChild<QWidget*>(QString::fromLatin1(c.name)), c.widget) << c.name;
        EXPECT_EQ(c.widget->geometry(), c.place) << c.name;
    }
    // A caption that says what it is needs no name; "|<" does not say it.
    EXPECT_TRUE(ui.Command1->accessibleName().isEmpty());
    EXPECT_FALSE(ui.Command7->accessibleName().isEmpty());
    EXPECT_EQ(ui.Text1->maxLength(), 1024);
    EXPECT_TRUE(ui.Combo1->isEditable());
    EXPECT_EQ(ui.Combo1->completer(), nullptr);
}

}  // namespace
}  // namespace kelmor::test
