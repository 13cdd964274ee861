#include "app/messageboxasker.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace kelmor {

namespace {
// A window that is not yet shown would make a poor parent: the box would be
// placed against an invisible window.
QWidget* visibleOrNull(QWidget* w)
{
    return (w != nullptr && w->isVisible()) ? w : nullptr;
}
}  // namespace

bool MessageBoxAsker::askYesNo(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text,
                    QMessageBox::Yes | QMessageBox::No, visibleOrNull(parent_));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() != QMessageBox::No;
}

void MessageBoxAsker::notify(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text,
                    QMessageBox::Ok, visibleOrNull(parent_));
    box.exec();
}

}  // namespace kelmor
