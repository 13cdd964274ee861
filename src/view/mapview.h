#pragma once

#include <QWidget>

#include "view/mapimage.h"

namespace kelmor {

// The map view: shows its off-screen image and reports mouse presses. It
// repaints from the image, never by drawing the map again.
class MapView : public QWidget {
    Q_OBJECT

public:
    explicit MapView(QWidget* parent = nullptr);

    // Draws the whole map and the marker, and repaints the view.
    void showMap(const MapGrid& grid, const Catalogue& catalogue, const TileSheet& sheet);
    // Draws one cell again and repaints that cell alone.
    void redrawCell(int row, int column, const MapGrid& grid, const Catalogue& catalogue,
                    const TileSheet& sheet);

signals:
    // button: 1 left, 2 right, 4 middle, higher bits for other buttons;
    // shift: 1 Shift, 2 Ctrl, 4 Alt; x, y in pixels from the top left.
    void pressed(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    MapImage image_;
};

}  // namespace kelmor
