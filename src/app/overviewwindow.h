#pragma once

#include <QWidget>

#include "levelfile/maporder.h"
#include "model/mapnumber.h"

class QAction;
class QLineEdit;
class QListView;
class QSortFilterProxyModel;

namespace kelmor {

class MapOverview;
class OverviewDelegate;

// マップ一覧: every map of the level file as a small picture with its number
// and header, in a window of its own. The search field keeps the maps whose
// header holds the typed text; Enter or a double-click asks to go to a map.
// On the highlighted map, its keys, its menu and a drag in the list ask to
// move, insert or delete maps, and to undo or redo that.
class OverviewWindow : public QWidget {
    Q_OBJECT

public:
    OverviewWindow(MapOverview& maps, OverviewDelegate* delegate, QWidget* parent);

    MapOverview& maps() const { return maps_; }
    QLineEdit* search() const { return search_; }
    QListView* list() const { return list_; }
    // Lists the file again if it changed, and shows map `mapNo` highlighted.
    void showAt(MapNumber mapNo);
    // Highlights map `mapNo`, when the list shows it.
    void highlight(MapNumber mapNo);

    // The map highlighted in the list, or 0.
    MapNumber current() const;
    // Turns the keys and menu items of undo and redo on or off.
    void setUndoable(bool undo, bool redo);

signals:
    void chosen(MapNumber mapNo);
    // Move, insert or delete, as asked on the highlighted map.
    void changeAsked(const MapOrderChange& change);
    void undoAsked();
    void redoAsked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choose(const QModelIndex& index);
    void createActions();
    QAction* listAction(const char* name, const QString& text);
    // A map dragged in the list and let go over another.
    bool dropped(QEvent* event);

    MapOverview& maps_;
    QSortFilterProxyModel* filter_ = nullptr;
    QLineEdit* search_ = nullptr;
    QListView* list_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};

}  // namespace kelmor
