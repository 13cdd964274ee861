#include "view/mapview.h"

#include <QMouseEvent>
#include <QPainter>

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
    if (modifiers & Qt::ShiftModifier) code |= 1;
    if (modifiers & Qt::ControlModifier) code |= 2;
    if (modifiers & Qt::AltModifier) code |= 4;
    return code;
}
}  // namespace

MapView::MapView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void MapView::showMap(const MapGrid& grid, const Catalogue& catalogue, const TileSheet& sheet)
{
    image_.drawMap(grid, catalogue, sheet);
    update();
}

void MapView::redrawCell(int row, int column, const MapGrid& grid, const Catalogue& catalogue,
                         const TileSheet& sheet)
{
    image_.drawCell(row, column, grid, catalogue, sheet);
    update(column * kCellSize, row * kCellSize, kCellSize, kCellSize);
}

void MapView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area.topLeft(), image_.image(), area);
}

void MapView::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    emit pressed(buttonCode(event->button()), shiftCode(event->modifiers()),
                 static_cast<float>(at.x()), static_cast<float>(at.y()));
    event->accept();
}

}  // namespace kelmor
