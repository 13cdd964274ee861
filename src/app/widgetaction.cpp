#include "app/widgetaction.h"

#include <QAction>
#include <QWidget>

namespace kelmor {

QAction* widgetAction(QWidget* widget, QObject* owner, const char* name, const QString& text, const QKeySequence& key)
{
    auto* action = new QAction(text, owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetShortcut);
    widget->addAction(action);
    return action;
}

}  // namespace kelmor
