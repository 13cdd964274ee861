#pragma once

#include <QWidget>

#include "view/mapimage.h"

namespace kelmor {

// The map view: shows its off-screen image and reports mouse presses. It
// repaints from the image, never by drawing the map again.
//
// It also keeps a keyboard cursor on one cell: the arrow keys move it, Home
// and End go to the row's ends, and Space or P and G report a left or right
// press on that cell. The cursor is drawn over the image, never into it, and
// only while the view has the focus and once a key has moved it, so the view
// looks as it always did to a user who never touches the keys. While it is
// hidden, the first Space, P or G only shows it: a key never acts on a cell
// the user cannot see.
//
// On demand it draws the grid and every cell's code over the image, never
// into it.
class MapView : public QWidget {
    Q_OBJECT

public:
    // What a left or middle press does; a right press gets in every tool.
    enum class Tool { Pen, Brush, Rectangle, Fill, Select };
    explicit MapView(QWidget* parent = nullptr);

    // Draws the whole map and the marker, and repaints the view.
    void showMap(const MapRows& grid, const Catalogue& catalogue, const TileSheet& sheet);
    // Draws one cell again and repaints that cell alone.
    void redrawCell(int row, int column, const MapRows& grid, const Catalogue& catalogue, const TileSheet& sheet);

    int cursorRow() const { return cursorRow_; }
    int cursorColumn() const { return cursorColumn_; }
    // Moves the keyboard cursor, kept inside the grid.
    void moveCursorTo(int row, int column);
    bool cursorShown() const { return cursorShown_; }

    void setCodesShown(bool shown);
    bool codesShown() const { return codesShown_; }
    void setGridShown(bool shown);

    Tool tool() const { return tool_; }
    // A tool chosen in the middle of a gesture ends that gesture.
    void setTool(Tool tool);
    // The selection in cells (x column, y row); empty for none. Drawn over
    // the image, as the rectangle's preview is.
    QRect selection() const { return selection_; }
    void setSelection(const QRect& cells);
    // Ends a rectangle being dragged without drawing it; false when there was none.
    bool cancelRectangle();

signals:
    // button: 1 left, 2 right, 4 middle, higher bits for other buttons;
    // shift: 1 Shift, 2 Ctrl, 4 Alt; x, y in pixels from the top left.
    void pressed(int button, int shift, float x, float y);
    void cursorMoved(int row, int column);
    // The brush passed over these cells (in order, without gaps); `first`
    // when the stroke starts with them.
    void brushed(const QList<QPoint>& cells, bool first);
    // A rectangle dragged with the rectangle tool and let go.
    void rectangleDrawn(const QRect& cells);
    void fillPressed(const QPoint& cell);
    // Space or P with a selection: a put into every cell of it (without one
    // they press the cursor's cell, as a left press).
    void putPressed();
    void selectionChanged(const QRect& cells);
    // The pointer went over another cell, or left the view.
    void hovered(int row, int column);
    void hoverLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QRect cursorRect() const;
    void showCursor();
    QPoint cellUnder(const QPointF& at) const;
    // The view's pixels of a rectangle of cells.
    static QRect pixelsOf(const QRect& cells);
    void setPreview(const QRect& cells);
    // A press on the cursor's cell, as the mouse would give it.
    void pressCursorCell(int button);

    MapImage image_;
    // What the image shows, for writing the codes over it.
    MapRows rows_;
    bool codesShown_ = false;
    bool gridShown_ = false;
    Tool tool_ = Tool::Pen;
    QRect selection_;
    QRect preview_;
    // The gesture the held button makes: its start and its last cell.
    bool dragging_ = false;
    QPoint anchor_;
    QPoint last_;
    int hoverRow_ = -1;
    int hoverColumn_ = -1;
    int cursorRow_ = 0;
    int cursorColumn_ = 0;
    bool cursorShown_ = false;  // a key has moved the cursor
};

}  // namespace kelmor
