#include "view/toolicons.h"

#include <QPainter>
#include <QPixmap>

namespace kelmor {

QIcon toolIcon(MapView::Tool tool)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    const QColor ink(40, 40, 40);
    p.setPen(ink);
    switch (tool) {
    case MapView::Tool::Pen:
        p.fillRect(6, 6, 4, 4, ink);  // one cell
        break;
    case MapView::Tool::Brush:
        for (int i = 0; i < 10; ++i)
            p.fillRect(2 + i, 11 - i / 2 - (i % 3), 3, 3, ink);  // a stroke
        break;
    case MapView::Tool::Rectangle: p.drawRect(2, 3, 11, 9); break;
    case MapView::Tool::Fill:
        p.fillRect(2, 3, 12, 10, QColor(90, 140, 220));
        p.drawRect(2, 3, 11, 9);
        break;
    case MapView::Tool::Select:
        p.setPen(QPen(ink, 1, Qt::DashLine));
        p.drawRect(2, 3, 11, 9);
        break;
    }
    return QIcon(picture);
}

}  // namespace kelmor
