#pragma once

#include <QList>
#include <QObject>

#include "model/mapnumber.h"

class QLabel;
class QStatusBar;

namespace kelmor {

class EditSession;
class MapDocument;
class MapView;
struct CellPos;

// The status bar's fields under the form: the cell under the pointer or the
// keyboard cursor (whichever moved last) and what it holds, the map's
// number, the unsaved mark and the tool in hand. It also tells a screen
// reader, through the view's description, what the cursor's cell holds.
class StatusLine : public QObject {
    Q_OBJECT

public:
    StatusLine(QStatusBar& bar, const MapDocument& document, const EditSession& session, MapView& view);

    QLabel* cellField() const { return cell_; }
    QLabel* mapField() const { return map_; }
    QLabel* markField() const { return mark_; }
    QLabel* toolField() const { return tool_; }
    QList<QLabel*> fields() const { return {cell_, map_, mark_, tool_, level_}; }

    void showTool(const QString& text);
    // The map was drawn again: what its cells hold may have changed.
    void refresh();

private:
    void showCell(int row, int column);
    void showMark();
    void describeCursor();
    // "列 3、行 2: K:…", what the cell holds by its palette entry or its code.
    QString cellText(const CellPos& cell) const;

    const MapDocument& document_;
    const EditSession& session_;
    MapView& view_;
    QLabel* cell_;
    QLabel* map_;
    QLabel* mark_;
    QLabel* tool_;
    QLabel* level_;
    int row_ = 0;
    int column_ = 0;
};

}  // namespace kelmor
