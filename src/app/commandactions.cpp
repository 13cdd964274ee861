#include "app/commandactions.h"

#include <QAction>
#include <QUndoStack>
#include <QWidget>

#include "app/widgetaction.h"

namespace kelmor {

namespace {
// Window-wide: seen before the focused control unless it claims the key.
QAction* windowAction(QWidget& window, QAction* action, const char* name)
{
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(shortcutsOf(name));
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    return action;
}
}  // namespace

CommandActions::CommandActions(QWidget& window, QUndoStack& history) : QObject(&window)
{
    const struct {
        Command command;
        const char* name;
        const char* text;
    } commands[] = {{Save, "saveAction", "保存(&S)"},
                    {First, "firstAction", "最初のマップ(&F)"},
                    {Previous, "previousAction", "前のマップ(&P)"},
                    {Next, "nextAction", "次のマップ(&N)"},
                    {Last, "lastAction", "最後のマップ(&L)"},
                    {GoTo, "goToAction", "マップへ移動(&G)..."},
                    {Overview, "overviewAction", "マップ一覧(&O)..."},
                    {Create, "createAction", "マップ作成(&C)"},
                    {Duplicate, "duplicateAction", "マップ複製(&D)"},
                    {Erase, "eraseAction", "マップ消去(&E)"},
                    {Close, "closeAction", "閉じる(&Q)"},
                    {Keys, "keysAction", "キー一覧(&K)"},
                    {About, "aboutAction", "バージョン情報(&A)"}};
    for (const auto& [command, name, text] : commands)
        actions_[command] = windowAction(window, new QAction(QString::fromUtf8(text), &window), name);
    actions_[Undo] = windowAction(window, history.createUndoAction(&window, QStringLiteral("元に戻す")), "undoAction");
    actions_[Redo] = windowAction(window, history.createRedoAction(&window, QStringLiteral("やり直し")), "redoAction");
}

void CommandActions::setMapCommandsEnabled(bool enabled)
{
    for (const Command command : {Save, Next, Erase, Previous, Create, Last, First, GoTo})
        actions_[command]->setEnabled(enabled);
}

}  // namespace kelmor
