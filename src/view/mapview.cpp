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
// The cells from `a` to `b`, both corners included, whichever way round.
QRect spanning(QPoint a, QPoint b)
{
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
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

void MapView::setTool(Tool tool)
{
    cancelRectangle();
    dragging_ = false;
    tool_ = tool;
}

QRect MapView::pixelsOf(const QRect& cells)
{
    return QRect(cells.x() * kCellSize, cells.y() * kCellSize, cells.width() * kCellSize, cells.height() * kCellSize);
}

void MapView::setSelection(const QRect& cells)
{
    const QRect kept = cells.intersected(QRect(0, 0, kMapColumns, kMapRows));
    if (kept == selection_)
        return;
    update(pixelsOf(selection_));
    selection_ = kept;
    update(pixelsOf(selection_));
    emit selectionChanged(selection_);
}

void MapView::setPreview(const QRect& cells)
{
    update(pixelsOf(preview_));
    preview_ = cells;
    update(pixelsOf(preview_));
}

bool MapView::cancelRectangle()
{
    if (tool_ != Tool::Rectangle || !dragging_)
        return false;
    dragging_ = false;
    setPreview({});
    return true;
}

QPoint MapView::cellUnder(const QPointF& at) const
{
    return {std::clamp(static_cast<int>(at.x()) / kCellSize, 0, kLastColumn),
            std::clamp(static_cast<int>(at.y()) / kCellSize, 0, kLastRow)};
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
    // The selection dashed, the rectangle to be drawn solid, both in white
    // on black so that they show on every tile.
    for (const auto& [cells, style] : {std::pair{selection_, Qt::DashLine}, std::pair{preview_, Qt::SolidLine}}) {
        if (cells.isEmpty())
            continue;
        const QRect outline = pixelsOf(cells).adjusted(0, 0, -1, -1);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(outline);
        painter.setPen(QPen(Qt::white, 1, style));
        painter.drawRect(outline);
    }
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
    const bool extend = modifiers.testFlag(Qt::ShiftModifier);
    const QPoint from(cursorColumn_, cursorRow_);
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
        if (cursorShown_ && event->key() == Qt::Key_G) {
            pressCursorCell(2);
        } else if (cursorShown_ && selection_.isEmpty()) {
            pressCursorCell(1);
        } else if (cursorShown_) {
            emit putPressed();
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
    if (extend) {
        // From the corner opposite the cursor, or from where it was.
        QPoint anchor = from;
        if (!selection_.isEmpty() && selection_.contains(from))
            anchor = QPoint(from.x() == selection_.left() ? selection_.right() : selection_.left(),
                            from.y() == selection_.top() ? selection_.bottom() : selection_.top());
        setSelection(spanning(anchor, QPoint(cursorColumn_, cursorRow_)));
    }
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
    if (dragging_) {
        const QPoint cell = cellUnder(event->position());
        if (cell != last_) {
            const QPoint from = last_;
            last_ = cell;
            if (tool_ == Tool::Brush) {
                // Every cell on the way from the last one: no gaps however fast.
                QList<QPoint> cells;
                const int steps = std::max(std::abs(cell.x() - from.x()), std::abs(cell.y() - from.y()));
                for (int i = 1; i <= steps; ++i)
                    cells.append(QPoint(from.x() + (cell.x() - from.x()) * i / steps,
                                        from.y() + (cell.y() - from.y()) * i / steps));
                emit brushed(cells, false);
            } else if (tool_ == Tool::Rectangle) {
                setPreview(spanning(anchor_, cell));
            } else if (tool_ == Tool::Select) {
                setSelection(spanning(anchor_, cell));
            }
        }
    }
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
    const QPoint cell = cellUnder(at);
    const bool putting = event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton;
    event->accept();
    if (event->button() == Qt::RightButton && cancelRectangle())
        return;  // nothing picked, nothing marked
    if (tool_ == Tool::Pen || !putting || dragging_) {
        if (!dragging_ || !putting)
            emit pressed(buttonCode(event->button()), shiftCode(event->modifiers()), static_cast<float>(at.x()),
                         static_cast<float>(at.y()));
        return;
    }
    moveCursorTo(cell.y(), cell.x());
    anchor_ = last_ = cell;
    switch (tool_) {
    case Tool::Pen: break;
    case Tool::Brush:
        dragging_ = true;
        emit brushed({cell}, true);
        break;
    case Tool::Rectangle:
        dragging_ = true;
        setPreview(QRect(cell, cell));
        break;
    case Tool::Fill: emit fillPressed(cell); break;
    case Tool::Select:
        dragging_ = true;
        setSelection(QRect(cell, cell));
        break;
    }
}

void MapView::mouseReleaseEvent(QMouseEvent* event)
{
    const bool putting = event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton;
    if (!dragging_ || !putting) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    dragging_ = false;
    const QRect cells = spanning(anchor_, last_);
    if (tool_ == Tool::Rectangle) {
        setPreview({});
        emit rectangleDrawn(cells);
    } else if (tool_ == Tool::Select) {
        moveCursorTo(cells.top(), cells.left());
    }
    event->accept();
}

}  // namespace kelmor
