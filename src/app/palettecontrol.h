#pragma once

#include <QObject>

class QAction;
class QComboBox;
class QDockWidget;
class QMainWindow;

namespace kelmor {

class EditSession;
class PalettePanel;
class TileSheet;
struct Catalogue;

// The palette, in the box under the map (Combo1) and as pictures beside the
// form: both show the session's palette entry, and what is chosen or typed
// in either is what the tools put.
class PaletteControl : public QObject {
    Q_OBJECT

public:
    // The pictures stand in a dock at `window`'s right.
    PaletteControl(QComboBox& box, EditSession& session, QMainWindow& window);

    PalettePanel* panel() const { return panel_; }
    // The 表示 menu's item that shows and hides the pictures.
    QAction* showingAction() const { return showing_; }
    // The entries the catalogue gives, into the session and the box; the
    // first is chosen.
    void fill(const Catalogue& parts);
    // The pictures, drawn from the tile sheet.
    void draw(const Catalogue& parts, const TileSheet& sheet);

private:
    QComboBox& box_;
    EditSession& session_;
    PalettePanel* panel_;
    QDockWidget* dock_;
    QAction* showing_;
};

}  // namespace kelmor
