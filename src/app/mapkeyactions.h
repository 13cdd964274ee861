#pragma once

#include <QList>
#include <QObject>

class QAction;

namespace kelmor {

class MapView;
class ToolBox;

// The map's editing keys that are commands of the 編集 menu too: typing
// mode (Insert), choosing a code in the palette ("/"), a frame of the
// selection (Shift+P), and moving or copying the selected cells a cell at a
// time (Alt and Alt+Shift with an arrow, as many times as a count says).
// Their keys work while the map has the focus.
class MapKeyActions : public QObject {
    Q_OBJECT

public:
    MapKeyActions(MapView& view, ToolBox& tools, QObject* parent);

    // In the order the 編集 menu shows them.
    const QList<QAction*>& actions() const { return actions_; }
    QAction* typingAction() const { return typing_; }

private:
    QAction* add(const char* name, const QString& text);
    // The selected cells moved, or copied, a count of cells one way.
    void shift(int right, int down, bool copy);

    MapView& view_;
    ToolBox& tools_;
    QList<QAction*> actions_;
    QAction* typing_ = nullptr;
};

}  // namespace kelmor
