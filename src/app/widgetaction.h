#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QObject;
class QWidget;

namespace kelmor {

// A command whose key works only while `widget` has the focus, so the other
// controls keep their own typing and editing keys; owned by `owner`.
QAction* widgetAction(QWidget* widget, QObject* owner, const char* name, const QString& text, const QKeySequence& key);

}  // namespace kelmor
