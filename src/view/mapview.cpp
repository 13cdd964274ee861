#include "view/mapview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "document/editsession.h"
#include "edit/shapes.h"
#include "tools/cellactions.h"
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
void drawOutline(QPainter& painter, const QRect& pixels, Qt::PenStyle style)
{
    const QRect outline = pixels.adjusted(0, 0, -1, -1);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(outline);
    painter.setPen(QPen(Qt::white, 1, style));
    painter.drawRect(outline);
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
    catalogue_ = &catalogue;
    sheet_ = &sheet;
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

void MapView::setTools(ToolBox* tools)
{
    tools_ = tools;
    connect(tools_, &ToolBox::previewChanged, this, [this](const ToolPreview& before) {
        update(pixelsOf(before));
        update(pixelsOf(tools_->preview()));
    });
    connect(&tools_->context().session, &EditSession::selectionChanged, this, &MapView::showSelection);
}

QRect MapView::pixelsOf(const CellRect& cells)
{
    if (cells.empty())
        return {};
    return QRect(cells.left * kCellSize, cells.top * kCellSize, (cells.right - cells.left + 1) * kCellSize,
                 (cells.bottom - cells.top + 1) * kCellSize);
}

QRect MapView::pixelsOf(const ToolPreview& preview)
{
    QRect pixels = pixelsOf(preview.outline);
    for (const auto& [cell, code] : preview.cells)
        pixels |= pixelsOf(CellRect::spanning(cell, cell));
    return pixels;
}

void MapView::showSelection(const CellRect& cells)
{
    update(pixelsOf(selection_));
    selection_ = cells;
    update(pixelsOf(selection_));
}

ToolEvent MapView::toolEvent(const QMouseEvent* event) const
{
    ToolEvent cellEvent;
    cellEvent.cell = cellAt(event->position().x(), event->position().y());
    cellEvent.button = event->button();
    cellEvent.held = event->buttons();
    cellEvent.modifiers = event->modifiers();
    return cellEvent;
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

void MapView::actOnCursor(bool pick)
{
    if (tools_ == nullptr)
        return;
    ToolContext& context = tools_->context();
    const CellPos cell{cursorColumn_, cursorRow_};
    if (pick)
        pickPress(context, cell);
    else if (context.session.selection().empty())
        penPress(context, cell);
    else
        paintSelection(context);
}

void MapView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area.topLeft(), image_.image(), area);
    if (codesShown_ || gridShown_)
        drawOverlay(painter, rows_, area, gridShown_, codesShown_);
    // The selection dashed, what a tool would draw solid, both in white on
    // black so that they show on every tile.
    if (!selection_.empty())
        drawOutline(painter, pixelsOf(selection_), Qt::DashLine);
    if (tools_ != nullptr)
        drawPreview(painter, tools_->preview());
    if (cursorShown_ && hasFocus()) {
        // White around black: seen on every tile, and unlike the red marker.
        const QRect cell = cursorRect();
        painter.setPen(Qt::white);
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        painter.setPen(Qt::black);
        painter.drawRect(cell.adjusted(1, 1, -2, -2));
    }
}

bool MapView::event(QEvent* event)
{
    // In typing mode, after "/" and for a count, a key's code goes to the map
    // even where a tool's or a command's letter would take it.
    if (event->type() == QEvent::ShortcutOverride && typedKey(static_cast<QKeyEvent*>(event), false)) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

bool MapView::typedKey(QKeyEvent* event, bool act)
{
    if (tools_ == nullptr)
        return false;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    const QString text = event->text();
    if (modifiers != Qt::NoModifier || text.isEmpty() || text.front().unicode() < 0x20 || text.front() == QChar(0x7f))
        return false;
    const char32_t code = text.toUcs4().front();
    KeyboardEditing& keys = tools_->keys();
    const CellPos cursor{cursorColumn_, cursorRow_};
    if (keys.choosing()) {
        if (act)
            if (const std::optional<QString> entry = keys.choose(code))
                tell(*entry);
        return true;
    }
    if (keys.typing()) {
        if (act) {
            showCursor();
            const CellPos next = keys.type(code == U' ' ? U'0' : code, cursor);
            moveCursorTo(next.row, next.column);
            tell({});
        }
        return true;
    }
    if (code == U'/') {
        if (act)
            keys.startChoosing();
        return true;
    }
    if (code >= U'0' && code <= U'9' && !event->modifiers().testFlag(Qt::ShiftModifier)) {
        if (act)
            keys.addDigit(static_cast<int>(code - U'0'));
        return true;
    }
    return false;
}

void MapView::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (typedKey(event, true))
        return;
    const int key = event->key();
    const bool arrow = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    // Other keys with Ctrl or Alt belong to the window (Ctrl+Home is the
    // first map); Ctrl and an arrow jump.
    if ((modifiers & (Qt::AltModifier | Qt::MetaModifier)) || (modifiers.testFlag(Qt::ControlModifier) && !arrow)) {
        event->ignore();
        return;
    }
    if (tools_ != nullptr && tools_->keys().typing()) {
        KeyboardEditing& keys = tools_->keys();
        const CellPos cursor{cursorColumn_, cursorRow_};
        CellPos next = cursor;
        if (key == Qt::Key_Backspace)
            next = keys.backspace(cursor);
        else if (key == Qt::Key_Return || key == Qt::Key_Enter)
            next = keys.enter(cursor);
        if (key == Qt::Key_Backspace || key == Qt::Key_Return || key == Qt::Key_Enter) {
            showCursor();
            moveCursorTo(next.row, next.column);
            tell({});
            return;
        }
    }
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End: moveByKey(key, modifiers); return;
    case Qt::Key_Space:
    case Qt::Key_P:
    case Qt::Key_G:
        // With a selection the key acts at once: it fills what is selected.
        if (cursorShown_ || (key != Qt::Key_G && tools_ != nullptr && !tools_->context().session.selection().empty())) {
            actOnCursor(key == Qt::Key_G);
        } else {
            showCursor();
            emit cursorMoved(cursorRow_, cursorColumn_);
        }
        return;
    default: event->ignore(); return;
    }
}

void MapView::moveByKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool extend = modifiers.testFlag(Qt::ShiftModifier);
    const bool jump = modifiers.testFlag(Qt::ControlModifier);
    const CellPos from{cursorColumn_, cursorRow_};
    CellPos step;
    switch (key) {
    case Qt::Key_Left: step = {-1, 0}; break;
    case Qt::Key_Right: step = {1, 0}; break;
    case Qt::Key_Up: step = {0, -1}; break;
    case Qt::Key_Down: step = {0, 1}; break;
    default: break;
    }
    CellPos to = from;
    if (key == Qt::Key_Home)
        to.column = 0;
    else if (key == Qt::Key_End)
        to.column = kLastColumn;
    const int times = tools_ != nullptr ? tools_->keys().takeCount() : 1;
    for (int i = 0; i < times && !(step == CellPos{}); ++i)
        to = jump && tools_ != nullptr ? jumpTarget(tools_->context().document.rows(), to, step)
                                       : CellPos{to.column + step.column, to.row + step.row};
    showCursor();
    to = {std::clamp(to.column, 0, kLastColumn), std::clamp(to.row, 0, kLastRow)};
    if (to == from)
        emit cursorMoved(to.row, to.column);  // at the edge: the key still says where it is
    else
        moveCursorTo(to.row, to.column);
    if (tools_ == nullptr)
        return;
    EditSession& session = tools_->context().session;
    if (!extend) {
        // As in a text editor: a plain move lets the selection go.
        session.setSelection({});
        return;
    }
    // From the corner opposite the cursor, or from where it was.
    const CellRect selection = session.selection();
    CellPos anchor = from;
    if (selection.contains(from))
        anchor = {from.column == selection.left ? selection.right : selection.left,
                  from.row == selection.top ? selection.bottom : selection.top};
    session.setSelection(CellRect::spanning(anchor, to));
}

bool MapView::escapeKeys()
{
    if (tools_ == nullptr)
        return false;
    KeyboardEditing& keys = tools_->keys();
    if (keys.dropCount())
        return true;
    if (!keys.typing())
        return false;
    setTyping(false);
    return true;
}

int MapView::takeCount()
{
    return tools_ != nullptr ? tools_->keys().takeCount() : 1;
}

void MapView::setTyping(bool on)
{
    if (tools_ == nullptr || tools_->keys().typing() == on)
        return;
    tools_->keys().setTyping(on);
    emit typingChanged(on);
    tell(on ? tr("入力モード") : tr("入力モード終了"));
}

void MapView::tell(const QString& what)
{
    // The window writes the cell into the description; this adds what happened.
    emit cursorMoved(cursorRow_, cursorColumn_);
    if (!what.isEmpty())
        setAccessibleDescription(what + tr("、") + accessibleDescription());
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
    const ToolEvent moved = toolEvent(event);
    if (tools_ != nullptr && !(moved.cell == lastMoved_)) {
        lastMoved_ = moved.cell;
        tools_->move(moved);
    }
    const QPointF at = event->position();
    if (at.x() >= 0 && at.y() >= 0 && (moved.cell.row != hoverRow_ || moved.cell.column != hoverColumn_)) {
        hoverRow_ = moved.cell.row;
        hoverColumn_ = moved.cell.column;
        emit hovered(hoverRow_, hoverColumn_);
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
    event->accept();
    lastMoved_ = cellAt(at.x(), at.y());
    emit pressed(buttonCode(event->button()), shiftCode(event->modifiers()), static_cast<float>(at.x()),
                 static_cast<float>(at.y()));
}

void MapView::mouseReleaseEvent(QMouseEvent* event)
{
    if (tools_ != nullptr)
        tools_->release(toolEvent(event));
    event->accept();
}

void MapView::drawPreview(QPainter& painter, const ToolPreview& preview)
{
    if (!preview.outline.empty())
        drawOutline(painter, pixelsOf(preview.outline), Qt::SolidLine);
    for (const auto& [cell, code] : preview.cells) {
        const QRect pixels = pixelsOf(CellRect::spanning(cell, cell));
        if (code != '\0' && catalogue_ != nullptr && sheet_ != nullptr)
            painter.drawImage(pixels.topLeft(), MapImage::cellPicture(code, *catalogue_, *sheet_));
        else
            drawOutline(painter, pixels, Qt::SolidLine);
    }
}

}  // namespace kelmor
