#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QToolBar;
class QWidget;

namespace kelmor {

class MapView;
class ToolBox;

// The tools as commands: one checkable action a tool, from the registry, in
// one exclusive group and on the tool bar; their keys work while the map
// has the focus. Choosing one makes it the ToolBox's active tool.
class ToolActions : public QObject {
    Q_OBJECT

public:
    // `chosen` is told the chosen tool's status text.
    ToolActions(MapView& view, ToolBox& tools, QWidget& window, std::function<void(const QString&)> chosen);

    // As the ツール menu shows them.
    const QList<QAction*>& actions() const { return actions_; }
    QToolBar* toolBar() const { return toolBar_; }

private:
    QList<QAction*> actions_;
    QToolBar* toolBar_;
};

}  // namespace kelmor
