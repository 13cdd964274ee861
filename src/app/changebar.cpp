#include "app/changebar.h"

#include <QAccessible>
#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QToolButton>

namespace kelmor {

namespace {
QToolButton* buttonFor(QAction* action, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    return button;
}
}  // namespace

ChangeBar::ChangeBar(QAction* reload, QAction* keep, QWidget* parent)
    : QWidget(parent),
      text_(new QLabel(this)),
      reload_(reload),
      keep_(keep)
{
    setObjectName(QStringLiteral("changeBar"));
    // Pale yellow, as such notices are, to stand out from the status fields
    // whose line it shares.
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(255, 236, 160));
    colours.setColor(QPalette::WindowText, Qt::black);
    colours.setColor(QPalette::ButtonText, Qt::black);
    setPalette(colours);
    text_->setObjectName(QStringLiteral("changeText"));
    // A file's name is shown as it is, never read as markup.
    text_->setTextFormat(Qt::PlainText);
    // A long text is cut at the line's end rather than widen the window,
    // which would move the palette beside the form; the tool tip has it whole.
    text_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_, 1);
    layout->addWidget(buttonFor(reload_, this));
    layout->addWidget(buttonFor(keep_, this));
}

void ChangeBar::tell(const QString& text, bool canReload)
{
    text_->setText(text);
    // The tool tip guesses markup as labels do; escaped, it shows the text as it is.
    text_->setToolTip(QStringLiteral("<qt>%1</qt>").arg(text.toHtmlEscaped()));
    reload_->setEnabled(canReload);
    reload_->setVisible(canReload);
    keep_->setEnabled(true);
    show();
    QAccessibleEvent alert(text_, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void ChangeBar::dismiss()
{
    hide();
    reload_->setEnabled(false);
    keep_->setEnabled(false);
}

}  // namespace kelmor
