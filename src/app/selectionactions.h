#pragma once

#include <QList>
#include <QObject>

class QAction;

namespace kelmor {

class MapView;
class ToolBox;

// The selection's and the clipboard's commands on the map: cut, copy,
// paste at the cursor, delete, select all, and Escape's one thing at a time.
// Their keys work while the map has the focus, so the header box and the
// palette keep their own.
class SelectionActions : public QObject {
    Q_OBJECT

public:
    SelectionActions(MapView& view, ToolBox& tools, QObject* parent);

    // Cut, copy, paste and delete, as the 編集 menu shows them.
    QList<QAction*> clipboardActions() const { return {cut_, copy_, paste_, delete_}; }
    // Select all and clear the selection.
    QList<QAction*> selectingActions() const { return {selectAll_, clear_}; }

private:
    QAction* add(const char* name, const QString& text);
    // The selection's cells as text on the clipboard; false without a selection.
    bool copySelection();

    MapView& view_;
    ToolBox& tools_;
    QAction* selectAll_;
    QAction* clear_;
    QAction* copy_;
    QAction* cut_;
    QAction* paste_;
    QAction* delete_;
};

}  // namespace kelmor
