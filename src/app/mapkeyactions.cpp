#include "app/mapkeyactions.h"

#include <QAction>

#include "app/widgetaction.h"
#include "document/editsession.h"
#include "tools/cellactions.h"
#include "tools/toolbox.h"
#include "view/mapview.h"

namespace kelmor {

MapKeyActions::MapKeyActions(MapView& view, ToolBox& tools, QObject* parent)
    : QObject(parent),
      view_(view),
      tools_(tools)
{
    typing_ = add("typingAction", tr("入力モード(&I)"));
    typing_->setCheckable(true);
    connect(typing_, &QAction::toggled, &view_, &MapView::setTyping);
    connect(&view_, &MapView::typingChanged, typing_, &QAction::setChecked);
    QAction* choose = add("chooseCodeAction", tr("パレットのコードを選ぶ(&K)"));
    connect(choose, &QAction::triggered, this, [this] {
        tools_.keys().startChoosing();
        tools_.context().showStatus(tr("パレットで選ぶコードを入力してください。"));
    });
    QAction* frame = add("frameSelectionAction", tr("選択範囲の枠を塗る(&O)"));
    connect(frame, &QAction::triggered, this, [this] { frameSelection(tools_.context()); });
    const struct {
        const char* name;
        const char* move;
        const char* copy;
        int right, down;
    } ways[] = {{"Left", QT_TR_NOOP("選択範囲を左へ移動"), QT_TR_NOOP("選択範囲を左へ複製"), -1, 0},
                {"Right", QT_TR_NOOP("選択範囲を右へ移動"), QT_TR_NOOP("選択範囲を右へ複製"), 1, 0},
                {"Up", QT_TR_NOOP("選択範囲を上へ移動"), QT_TR_NOOP("選択範囲を上へ複製"), 0, -1},
                {"Down", QT_TR_NOOP("選択範囲を下へ移動"), QT_TR_NOOP("選択範囲を下へ複製"), 0, 1}};
    for (const bool copy : {false, true})
        for (const auto& [name, moveText, copyText, right, down] : ways) {
            const QByteArray object = (copy ? "copySelection" : "moveSelection") + QByteArray(name) + "Action";
            QAction* action = add(object.constData(), tr(copy ? copyText : moveText));
            // Copied out: clang before 16 cannot capture a structured binding.
            const int columns = right, rows = down;
            connect(action, &QAction::triggered, this, [this, columns, rows, copy] { shift(columns, rows, copy); });
        }
}

QAction* MapKeyActions::add(const char* name, const QString& text)
{
    QAction* action = widgetAction(&view_, this, name, text);
    actions_.append(action);
    return action;
}

void MapKeyActions::shift(int right, int down, bool copy)
{
    const int times = view_.takeCount();
    ToolContext& context = tools_.context();
    const CellRect from = context.session.selection();
    if (from.empty()) {
        context.showStatus(tr("選択範囲がありません。"));
        return;
    }
    right *= times;
    down *= times;
    const CellRect to{from.left + right, from.top + down, from.right + right, from.bottom + down};
    if (!(to.clipped() == to)) {
        context.showStatus(tr("マップの端を越えるため、選択範囲を動かせません。"));
        return;
    }
    moveSelection(context, from, right, down, copy);
    view_.moveCursorTo(view_.cursorRow() + down, view_.cursorColumn() + right);
}

}  // namespace kelmor
