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

    MapImage& mapImage() { return image_; }
    const QImage& image() const { return image_.image(); }

    // Call after drawing into mapImage(); repaints only `area`.
    void imageChanged(const QRect& area);

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
