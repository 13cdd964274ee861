#include "app/selectionactions.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

#include "app/widgetaction.h"
#include "document/editsession.h"
#include "document/mapdocument.h"
#include "edit/cliptext.h"
#include "tools/cellactions.h"
#include "tools/toolbox.h"
#include "view/mapview.h"

namespace kelmor {

SelectionActions::SelectionActions(MapView& view, ToolBox& tools, QObject* parent)
    : QObject(parent),
      view_(view),
      tools_(tools),
      selectAll_(add("selectAllAction", tr("すべて選択(&A)"))),
      clear_(add("clearSelectionAction", tr("選択解除"))),
      copy_(add("copyAction", tr("コピー(&C)"))),
      cut_(add("cutAction", tr("切り取り(&T)"))),
      paste_(add("pasteAction", tr("貼り付け(&P)"))),
      delete_(add("deleteAction", tr("削除(&D)")))
{
    connect(selectAll_, &QAction::triggered, this,
            [this] { tools_.context().session.setSelection(CellRect::wholeMap()); });
    // One Escape does one thing: a gesture, a count, typing mode, the selection.
    connect(clear_, &QAction::triggered, this, [this] {
        if (!tools_.cancel() && !view_.escapeKeys())
            tools_.context().session.setSelection({});
    });
    connect(copy_, &QAction::triggered, this, &SelectionActions::copySelection);
    connect(cut_, &QAction::triggered, this, [this] {
        if (copySelection())
            clearSelection(tools_.context(), tr("切り取り"));
    });
    connect(delete_, &QAction::triggered, this, [this] { clearSelection(tools_.context(), tr("削除")); });
    connect(paste_, &QAction::triggered, this, [this] {
        ToolContext& context = tools_.context();
        pasteText(context, readPasteText(context.clipboardText().toStdU32String()),
                  {view_.cursorColumn(), view_.cursorRow()});
    });
}

QAction* SelectionActions::add(const char* name, const QString& text)
{
    return widgetAction(&view_, this, name, text);
}

bool SelectionActions::copySelection()
{
    const ToolContext& context = tools_.context();
    const CellRect selection = context.session.selection();
    if (selection.empty())
        return false;
    QGuiApplication::clipboard()->setText(QString::fromLatin1(copyText(context.document.rows(), selection)));
    return true;
}

}  // namespace kelmor
