#pragma once

#include <QList>

class QAction;
class QMainWindow;
class QMenu;

namespace kelmor {

class CommandActions;
class MapView;

// What the menus offer besides the window's own commands.
struct MenuParts {
    const CommandActions& commands;
    // 編集: the edits let go of, after undo and redo.
    QMenu* letGo;
    // 編集: the clipboard's, the selection's and the map keys' commands.
    QList<QAction*> clipboard;
    QList<QAction*> selecting;
    QList<QAction*> mapKeys;
    // 表示: showing the tool bar and the palette.
    QAction* toolBarShown;
    QAction* paletteShown;
    // ツール, in the registry's order.
    QList<QAction*> tools;
    // What the grid and the codes are drawn over.
    MapView& view;
};

// Fills the window's menu bar: ファイル, 編集, 表示, マップ, ツール, ヘルプ,
// each command with its key. 表示's choices of the status bar, the grid and
// the cell codes are made here, on (the status bar) or off as the editor starts.
void fillMenuBar(QMainWindow& window, const MenuParts& parts);

}  // namespace kelmor
