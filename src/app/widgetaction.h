#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

class QAction;
class QObject;
class QWidget;

namespace kelmor {

// A command whose key works only while `widget` has the focus, so the other
// controls keep their own typing and editing keys; owned by `owner`.
// Its keys are the key table's for `name`.
QAction* widgetAction(QWidget* widget, QObject* owner, const char* name, const QString& text);

// The key table's keys of command `name`, as shortcuts.
QList<QKeySequence> shortcutsOf(const char* name);

}  // namespace kelmor
