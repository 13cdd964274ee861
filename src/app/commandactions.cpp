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
    } commands[] = {{Save, "saveAction", QT_TR_NOOP("保存(&S)")},
                    {First, "firstAction", QT_TR_NOOP("最初のマップ(&F)")},
                    {Previous, "previousAction", QT_TR_NOOP("前のマップ(&P)")},
                    {Next, "nextAction", QT_TR_NOOP("次のマップ(&N)")},
                    {Last, "lastAction", QT_TR_NOOP("最後のマップ(&L)")},
                    {GoTo, "goToAction", QT_TR_NOOP("マップへ移動(&G)...")},
                    {Overview, "overviewAction", QT_TR_NOOP("マップ一覧(&O)...")},
                    {Create, "createAction", QT_TR_NOOP("マップ作成(&C)")},
                    {Duplicate, "duplicateAction", QT_TR_NOOP("マップ複製(&D)")},
                    {Erase, "eraseAction", QT_TR_NOOP("マップ消去(&E)")},
                    {Close, "closeAction", QT_TR_NOOP("閉じる(&Q)")},
                    {Keys, "keysAction", QT_TR_NOOP("キー一覧(&K)")},
                    {About, "aboutAction", QT_TR_NOOP("バージョン情報(&A)")}};
    for (const auto& [command, name, text] : commands)
        actions_[command] = windowAction(window, new QAction(tr(text), &window), name);
    actions_[Undo] = windowAction(window, history.createUndoAction(&window, tr("元に戻す")), "undoAction");
    actions_[Redo] = windowAction(window, history.createRedoAction(&window, tr("やり直し")), "redoAction");
}

void CommandActions::setMapCommandsEnabled(bool enabled)
{
    for (const Command command : {Save, Next, Erase, Previous, Create, Last, First, GoTo})
        actions_[command]->setEnabled(enabled);
}

}  // namespace kelmor
