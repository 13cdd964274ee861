#include "support/formfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include "view/mapview.h"
#include "document/tilesheet.h"

namespace kelmor::test {

bool ScriptedAsker::askYesNo(const QString& text)
{
    questions.push_back(text);
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return false;
    }
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
}

void ScriptedAsker::notify(const QString& text)
{
    notices.push_back(text);
}

std::optional<QString> ScriptedAsker::askText(const QString& prompt)
{
    prompts.push_back(prompt);
    if (typed.empty()) {
        ADD_FAILURE() << "unexpected prompt: " << prompt.toStdString();
        return std::nullopt;
    }
    const bool cancel = !typed.front().has_value();
    const QString text = cancel ? QString() : *typed.front();
    typed.pop_front();
    if (cancel)
        return std::nullopt;
    return text;
}

std::string FormTest::threeMaps()
{
    return levelText({{"*MAP001", uniformRows('1')}, {"*MAP002", uniformRows('2')}, {"*MAP003", uniformRows('3')}});
}

std::string FormTest::openOnThreeMaps()
{
    writeSheet(coordinateSheet());
    const std::string bytes = threeMaps();
    writeLevel(bytes);
    open();
    return bytes;
}

void FormTest::writeSheet(const QImage& sheet)
{
    ASSERT_TRUE(sheet.save(QString::fromStdString(dir.file("kelmor.bmp")), "BMP"));
}

Form1& FormTest::open()
{
    form = std::make_unique<Form1>(dir.path(), asker, ops);
    return *form;
}

void FormTest::press(QPointF at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    QWidget* view = named<MapView>(*form, "Picture2");
    QMouseEvent event(QEvent::MouseButtonPress, at, view->mapToGlobal(at), button, button, modifiers);
    QApplication::sendEvent(view, &event);
    QMouseEvent release(QEvent::MouseButtonRelease, at, view->mapToGlobal(at), button, Qt::NoButton, modifiers);
    QApplication::sendEvent(view, &release);
}

void FormTest::setRow(int r, const std::string& text)
{
    MapRows rows = form->document().rows();
    rows[static_cast<std::size_t>(r)] = text;
    form->document().writeRows(rows);
}

QImage FormTest::viewPixels() const
{
    return named<MapView>(*form, "Picture2")->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool FormTest::cellShowsTile(const QImage& view, int row, int column, int tile) const
{
    return cellShowsBlock(view, row, column, TileSheet::blockOrigin(tile));
}

QString FormTest::text1() const
{
    return named<QLineEdit>(*form, "Text1")->text();
}

QString FormTest::label1() const
{
    return named<QLabel>(*form, "Label1")->text();
}

QString FormTest::palette() const
{
    return named<QComboBox>(*form, "Combo1")->currentText();
}

}  // namespace kelmor::test
