#include "app/messageboxasker.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>

namespace kelmor {

namespace {
// Every text is shown as plain text: a notice may quote what the user typed
// or a file's name, and Qt would take "<img src=…>" in either for markup and
// load what it names.

// A window that is not yet shown would make a poor parent: the box would be
// placed against an invisible window.
QWidget* visibleOrNull(QWidget* w)
{
    return (w != nullptr && w->isVisible()) ? w : nullptr;
}

// A question with Yes and No takes only those two answers, as the platform's
// own such boxes do: Qt would take Escape or the title bar's close button
// for No, and No gives up the edits.
class YesNoBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Cancel)) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);  // Enter, and the buttons' letters
    }
    void closeEvent(QCloseEvent* event) override
    {
        if (clickedButton() == nullptr) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }
};
}  // namespace

bool MessageBoxAsker::askYesNo(const QString& text)
{
    YesNoBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Yes | QMessageBox::No,
                 visibleOrNull(parent_));
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() != QMessageBox::No;
}

void MessageBoxAsker::notify(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                    visibleOrNull(parent_));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::optional<QString> MessageBoxAsker::askText(const QString& prompt)
{
    bool ok = false;
    const QString text = QInputDialog::getText(visibleOrNull(parent_), QCoreApplication::applicationName(), prompt,
                                               QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

}  // namespace kelmor
