#include "app/formcontrols.h"

#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/keyclaim.h"
#include "levelfile/mapload.h"
#include "view/mapview.h"

namespace kelmor {

namespace {
constexpr int kClientWidth = 565;
constexpr int kClientHeight = 329;

template <class W>
W* place(W* widget, const char* name, int left, int top, int width, int height, const QString& accessibleName)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
    widget->setAccessibleName(accessibleName);
    return widget;
}

QWidget* fixedForm(QWidget* parent)
{
    auto* form = new QWidget(parent);
    form->setObjectName(QStringLiteral("form"));
    form->setFixedSize(kClientWidth, kClientHeight);
    // Small enough for every caption to fit its fixed box, Japanese included.
    QFont small = form->font();
    small.setPixelSize(12);
    form->setFont(small);
    return form;
}
}  // namespace

// Only controls whose text does not say what they are get an accessible
// name: a name replaces what a screen reader would read of the text.
FormControls::FormControls(QWidget* parent)
    : form(fixedForm(parent)),
      Label1(place(new QLabel(QStringLiteral("1"), form), "Label1", 8, 0, 65, 17, {})),
      Command7(place(new QPushButton(QStringLiteral("|<"), form), "Command7", 80, 0, 33, 25, tr("最初のマップ"))),
      Command4(place(new QPushButton(QStringLiteral("<"), form), "Command4", 112, 0, 33, 25, tr("前のマップ"))),
      Command2(place(new QPushButton(QStringLiteral(">"), form), "Command2", 144, 0, 33, 25, tr("次のマップ"))),
      Command6(place(new QPushButton(QStringLiteral(">|"), form), "Command6", 176, 0, 33, 25, tr("最後のマップ"))),
      Text1(place(new QLineEdit(QStringLiteral("Text1"), form), "Text1", 216, 0, 97, 18, tr("マップのヘッダー"))),
      Label2(place(new QLabel(tr("[左クリック]=PUT ／ 　[右クリック]=GET"), form), "Label2", 328, 0, 225, 17, {})),
      Picture2(place(new MapView(form), "Picture2", 0, 24, 545, 273, tr("マップ表示"))),
      Picture1(place(new QWidget(form), "Picture1", 48, 24, 177, 49, tr("タイル画像"))),
      Combo1(place(new QComboBox(form), "Combo1", 8, 304, 177, 20, tr("パレット"))),
      Command1(place(new QPushButton(tr("マップ保存"), form), "Command1", 224, 304, 81, 25, {})),
      Command5(place(new QPushButton(tr("マップ作成"), form), "Command5", 312, 304, 89, 25, {})),
      Command3(place(new QPushButton(tr("マップ消去"), form), "Command3", 432, 304, 73, 25, {}))
{
    QFont hintFont = form->font();
    hintFont.setPixelSize(11);
    Label2->setFont(hintFont);
    // As long as the loader takes a header: a long paste is cut where it is
    // pasted, never held whole (the document keeps the bytes within it too).
    Text1->setMaxLength(static_cast<int>(kMaxHeaderBytes));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    // Typed text stays as typed: no completion, no change of case.
    Combo1->setCompleter(nullptr);
    Combo1->setEditText(QStringLiteral("Combo1"));
    for (QPushButton* b : {Command1, Command2, Command3, Command4, Command5, Command6, Command7})
        b->setAutoDefault(false);
    // The window's keys reach a text box's own undo and redo, and the
    // palette's own paging, only when the box claims them first.
    claimEditingKeys(Text1);
    claimEditingKeys(Combo1);
    claimPagingKeys(Combo1);

    QWidget::setTabOrder(Picture2, Text1);
    QWidget::setTabOrder(Text1, Combo1);
    QWidget::setTabOrder(Combo1, Command1);
    QWidget::setTabOrder(Command1, Command2);
    QWidget::setTabOrder(Command2, Command3);
    QWidget::setTabOrder(Command3, Command4);
    QWidget::setTabOrder(Command4, Command5);
    QWidget::setTabOrder(Command5, Command6);
    QWidget::setTabOrder(Command6, Command7);
    Picture2->setFocus();
}

}  // namespace kelmor
