#pragma once

#include <QWidget>

#include "tools/toolbox.h"
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
// into it. Pointer events go, as cells, to the chosen tool; the view names
// no tool, and draws what the tool previews and the selection over the image.
class MapView : public QWidget {
    Q_OBJECT

public:
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

    // Escape's lesser work, after a gesture's cancel: a count being typed is
    // dropped, else typing mode left. False when there was neither.
    bool escapeKeys();
    // The count typed before a move, for a move the window's actions make.
    int takeCount();
    void setTyping(bool on);

    // The tools its pointer events go to (in cells), whose preview it draws
    // with the session's selection; its keys act on cells through them too.
    void setTools(ToolBox* tools);

signals:
    // Every press of a button: button 1 left, 2 right, 4 middle, higher bits
    // for other buttons; shift: 1 Shift, 2 Ctrl, 4 Alt; x, y in pixels from
    // the top left.
    void pressed(int button, int shift, float x, float y);
    void cursorMoved(int row, int column);
    // Typing mode went on or off.
    void typingChanged(bool on);
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
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QRect cursorRect() const;
    void showCursor();
    // The view's pixels of a rectangle of cells, and of what a tool previews.
    static QRect pixelsOf(const CellRect& cells);
    static QRect pixelsOf(const ToolPreview& preview);
    void showSelection(const CellRect& cells);
    ToolEvent toolEvent(const QMouseEvent* event) const;
    void drawPreview(QPainter& painter, const ToolPreview& preview);
    // Space, P or G on the cursor's cell, once the cursor shows.
    void actOnCursor(bool pick);
    // A key that types a code, chooses one after "/", or counts: it is the
    // map's own, ahead of any shortcut of that key. False when it is not.
    bool typedKey(QKeyEvent* event, bool act);
    // The cursor moved by a key: `count` cells one way, a jump, or Home/End.
    void moveByKey(int key, Qt::KeyboardModifiers modifiers);
    // A description for a screen reader after a key changed something.
    void tell(const QString& what);

    MapImage image_;
    // What the image shows, for writing the codes over it.
    MapRows rows_;
    // What the image was drawn with, for drawing a preview's cells alike.
    const Catalogue* catalogue_ = nullptr;
    const TileSheet* sheet_ = nullptr;
    bool codesShown_ = false;
    bool gridShown_ = false;
    ToolBox* tools_ = nullptr;
    // The selection as last drawn, to repaint where it was.
    CellRect selection_;
    CellPos lastMoved_{-1, -1};
    int hoverRow_ = -1;
    int hoverColumn_ = -1;
    int cursorRow_ = 0;
    int cursorColumn_ = 0;
    bool cursorShown_ = false;  // a key has moved the cursor
};

}  // namespace kelmor
