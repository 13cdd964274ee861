#pragma once

#include <QObject>
#include <array>

class QAction;
class QUndoStack;
class QWidget;

namespace kelmor {

// The window's commands, each one action whether a button, a key or the
// menu bar triggers it, with the key table's keys, working wherever the
// focus is unless the focused control claims the key. Undo and redo are
// the history's own, following what there is to undo and redo.
class CommandActions : public QObject {
    Q_OBJECT

public:
    enum Command {
        Save,
        First,
        Previous,
        Next,
        Last,
        GoTo,
        Overview,
        Create,
        Duplicate,
        Erase,
        Close,
        Keys,
        About,
        Undo,
        Redo,
        Count
    };
    CommandActions(QWidget& window, QUndoStack& history);

    QAction* operator[](Command command) const { return actions_[command]; }
    // Disables, or enables again, what a map's loading must not be
    // interrupted by: the seven buttons' commands and going to a map.
    void setMapCommandsEnabled(bool enabled);

private:
    std::array<QAction*, Count> actions_{};
};

}  // namespace kelmor
