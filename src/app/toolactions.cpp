#include "app/toolactions.h"

#include <QAction>
#include <QActionGroup>
#include <QToolBar>

#include "app/widgetaction.h"
#include "tools/toolbox.h"
#include "tools/toolregistry.h"
#include "view/mapview.h"

namespace kelmor {

ToolActions::ToolActions(MapView& view, ToolBox& tools, QWidget& window, std::function<void(const QString&)> chosen)
    : QObject(&window),
      toolBar_(new QToolBar(tr("ツール"), &window))
{
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    auto* group = new QActionGroup(this);
    const std::vector<ToolInfo>& registry = toolRegistry();
    for (std::size_t i = 0; i < registry.size(); ++i) {
        const ToolInfo& tool = registry[i];
        // The map's alone, so the header box and the palette keep their typing keys.
        QAction* action = widgetAction(&view, &window, tool.objectName, tool.name());
        action->setIcon(tool.icon());
        action->setCheckable(true);
        action->setChecked(i == 0);
        group->addAction(action);
        toolBar_->addAction(action);
        actions_.append(action);
        connect(action, &QAction::triggered, this, [&tools, chosen, i] {
            tools.setActive(static_cast<int>(i));
            chosen(toolRegistry()[i].statusText());
        });
    }
}

}  // namespace kelmor
