#include "view/mapview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "view/cellcode.h"

namespace kelmor {

namespace {
int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return static_cast<int>(button);
    }
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    int code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= 1;
    if (modifiers & Qt::ControlModifier)
        code |= 2;
    if (modifiers & Qt::AltModifier)
        code |= 4;
    return code;
}
}  // namespace

MapView::MapView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    // The window tells which cell is under the pointer.
    setMouseTracking(true);
}

void MapView::showMap(const MapRows& grid, const Catalogue& catalogue, const TileSheet& sheet)
{
    image_.drawMap(grid, catalogue, sheet);
    rows_ = grid;
    update();
}

void MapView::redrawCell(int row, int column, const MapRows& grid, const Catalogue& catalogue, const TileSheet& sheet)
{
    image_.drawCell(row, column, grid, catalogue, sheet);
    rows_[static_cast<std::size_t>(row)] = grid[static_cast<std::size_t>(row)];
    update(column * kCellSize, row * kCellSize, kCellSize, kCellSize);
}

void MapView::setCodesShown(bool shown)
{
    if (shown == codesShown_)
        return;
    codesShown_ = shown;
    update();
}

void MapView::setGridShown(bool shown)
{
    if (shown == gridShown_)
        return;
    gridShown_ = shown;
    update();
}

void MapView::moveCursorTo(int row, int column)
{
    row = std::clamp(row, 0, kLastRow);
    column = std::clamp(column, 0, kLastColumn);
    if (row == cursorRow_ && column == cursorColumn_)
        return;
    update(cursorRect());
    cursorRow_ = row;
    cursorColumn_ = column;
    update(cursorRect());
    emit cursorMoved(row, column);
}

QRect MapView::cursorRect() const
{
    return QRect(cursorColumn_ * kCellSize, cursorRow_ * kCellSize, kCellSize, kCellSize);
}

void MapView::pressCursorCell(int button)
{
    const float half = kCellSize / 2.0f;
    emit pressed(button, 0, static_cast<float>(cursorColumn_ * kCellSize) + half,
                 static_cast<float>(cursorRow_ * kCellSize) + half);
}

void MapView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area.topLeft(), image_.image(), area);
    if (codesShown_ || gridShown_)
        drawOverlay(painter, rows_, area, gridShown_, codesShown_);
    if (cursorShown_ && hasFocus()) {
        // White around black: seen on every tile, and unlike the red marker.
        const QRect cell = cursorRect();
        painter.setPen(Qt::white);
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        painter.setPen(Qt::black);
        painter.drawRect(cell.adjusted(1, 1, -2, -2));
    }
}

void MapView::keyPressEvent(QKeyEvent* event)
{
    // Keys with Ctrl or Alt belong to the window (Ctrl+Home is the first map).
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        event->ignore();
        return;
    }
    int row = cursorRow_;
    int column = cursorColumn_;
    switch (event->key()) {
    case Qt::Key_Left: --column; break;
    case Qt::Key_Right: ++column; break;
    case Qt::Key_Up: --row; break;
    case Qt::Key_Down: ++row; break;
    case Qt::Key_Home: column = 0; break;
    case Qt::Key_End: column = kLastColumn; break;
    case Qt::Key_Space:
    case Qt::Key_P:
    case Qt::Key_G:
        if (cursorShown_) {
            pressCursorCell(event->key() == Qt::Key_G ? 2 : 1);
        } else {
            showCursor();
            emit cursorMoved(cursorRow_, cursorColumn_);
        }
        return;
    default: event->ignore(); return;
    }
    showCursor();
    if (row == cursorRow_ && column == cursorColumn_)
        emit cursorMoved(row, column);  // at the edge: the key still says where it is
    else
        moveCursorTo(row, column);
}

void MapView::showCursor()
{
    cursorShown_ = true;
    update(cursorRect());
}

void MapView::focusInEvent(QFocusEvent* event)
{
    update(cursorRect());
    QWidget::focusInEvent(event);
}

void MapView::focusOutEvent(QFocusEvent* event)
{
    update(cursorRect());
    QWidget::focusOutEvent(event);
}

void MapView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const int row = std::clamp(at.y() / kCellSize, 0, kLastRow);
    const int column = std::clamp(at.x() / kCellSize, 0, kLastColumn);
    if (at.x() >= 0 && at.y() >= 0 && (row != hoverRow_ || column != hoverColumn_)) {
        hoverRow_ = row;
        hoverColumn_ = column;
        emit hovered(row, column);
    }
    QWidget::mouseMoveEvent(event);
}

void MapView::leaveEvent(QEvent* event)
{
    hoverRow_ = hoverColumn_ = -1;
    emit hoverLeft();
    QWidget::leaveEvent(event);
}

void MapView::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    emit pressed(buttonCode(event->button()), shiftCode(event->modifiers()), static_cast<float>(at.x()),
                 static_cast<float>(at.y()));
    event->accept();
}

}  // namespace kelmor
