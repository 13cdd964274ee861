#pragma once

#include <QWidget>

#include "model/mapnumber.h"

class QLineEdit;
class QListView;
class QSortFilterProxyModel;

namespace kelmor {

class MapOverview;
class OverviewDelegate;

// マップ一覧: every map of the level file as a small picture with its number
// and header, in a window of its own. The search field keeps the maps whose
// header holds the typed text; Enter or a double-click asks to go to a map.
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

signals:
    void chosen(MapNumber mapNo);

private:
    void choose(const QModelIndex& index);

    MapOverview& maps_;
    QSortFilterProxyModel* filter_ = nullptr;
    QLineEdit* search_ = nullptr;
    QListView* list_ = nullptr;
};

}  // namespace kelmor
