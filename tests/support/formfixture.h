#pragma once

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPointF>
#include <QString>
#include <deque>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "app/asker.h"
#include "app/form1.h"
#include "support/coordinatesheet.h"
#include "support/faultyfileops.h"
#include "support/tempdir.h"
#include "view/mapview.h"

namespace kelmor::test {

// A control of the window by its object name (the names the program has
// always used: Command1 … Picture2), as a person's tools find it.
template <class T>
T* named(const QObject& window, const char* name)
{
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Answers questions from a script and records every text it was shown.
class ScriptedAsker final : public Asker {
public:
    bool askYesNo(const QString& text) override;
    void notify(const QString& text) override;
    std::optional<QString> askText(const QString& prompt) override;

    void answer(std::initializer_list<bool> yesOrNo) { answers.insert(answers.end(), yesOrNo); }
    // Nothing answers as Cancel does.
    void type(std::optional<QString> text) { typed.push_back(std::move(text)); }

    std::deque<bool> answers;
    std::deque<std::optional<QString>> typed;
    std::vector<QString> prompts;
    std::vector<QString> questions;
    std::vector<QString> notices;
};

class FormTest : public ::testing::Test {
protected:
    // Three maps "*MAP001".."*MAP003", filled with "1", "2" and "3".
    static std::string threeMaps();
    // Opens the window on those three maps and the coordinate sheet; returns the level file's bytes.
    std::string openOnThreeMaps();
    void writeLevel(const std::string& bytes) { writeFile(dir.file("kelmor.cnf"), bytes); }
    std::string level() const { return readFile(dir.file("kelmor.cnf")); }
    void writeSheet(const QImage& sheet);
    Form1& open();

    // A real mouse press on the map view at a position in view pixels.
    void press(QPointF at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // What the view shows, rendered through its own paint.
    QImage viewPixels() const;
    // True when the view's cell shows the sheet's block for `tile`.
    bool cellShowsTile(const QImage& view, int row, int column, int tile) const;
    // Rows and cells put straight into the map on screen, past the history.
    void setRow(int r, const std::string& text);
    void setCell(int r, int column, char code) { form->document().writeCell({column, r}, code); }
    std::string row(int r) const { return form->document().rows()[static_cast<std::size_t>(r)]; }
    QString text1() const;
    QString label1() const;
    QString palette() const;

    TempDir dir;
    ScriptedAsker asker;
    FaultyFileOps ops;
    std::unique_ptr<Form1> form;
};

}  // namespace kelmor::test
