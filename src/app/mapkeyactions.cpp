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
    typing_ = add("typingAction", QStringLiteral("入力モード(&I)"));
    typing_->setCheckable(true);
    connect(typing_, &QAction::toggled, &view_, &MapView::setTyping);
    connect(&view_, &MapView::typingChanged, typing_, &QAction::setChecked);
    QAction* choose = add("chooseCodeAction", QStringLiteral("パレットのコードを選ぶ(&K)"));
    connect(choose, &QAction::triggered, this, [this] {
        tools_.keys().startChoosing();
        tools_.context().showStatus(QStringLiteral("パレットで選ぶコードを入力してください。"));
    });
    QAction* frame = add("frameSelectionAction", QStringLiteral("選択範囲の枠を塗る(&O)"));
    connect(frame, &QAction::triggered, this, [this] { frameSelection(tools_.context()); });
    const struct {
        const char* name;
        const char* text;
        int right, down;
    } ways[] = {{"Left", "左", -1, 0}, {"Right", "右", 1, 0}, {"Up", "上", 0, -1}, {"Down", "下", 0, 1}};
    for (const bool copy : {false, true})
        for (const auto& [name, text, right, down] : ways) {
            const QByteArray object = (copy ? "copySelection" : "moveSelection") + QByteArray(name) + "Action";
            QAction* action = add(object.constData(), QStringLiteral("選択範囲を%1へ%2")
                                                          .arg(QString::fromUtf8(text),
                                                               copy ? QStringLiteral("複製") : QStringLiteral("移動")));
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
        context.showStatus(QStringLiteral("選択範囲がありません。"));
        return;
    }
    right *= times;
    down *= times;
    const CellRect to{from.left + right, from.top + down, from.right + right, from.bottom + down};
    if (!(to.clipped() == to)) {
        context.showStatus(QStringLiteral("マップの端を越えるため、選択範囲を動かせません。"));
        return;
    }
    moveSelection(context, from, right, down, copy);
    view_.moveCursorTo(view_.cursorRow() + down, view_.cursorColumn() + right);
}

}  // namespace kelmor
