#include "tools/toolicon.h"

#include <QPainter>
#include <QPixmap>

namespace kelmor {

QIcon drawToolIcon(const std::function<void(QPainter&, const QColor& ink)>& draw)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const QColor ink(40, 40, 40);
    painter.setPen(ink);
    draw(painter, ink);
    painter.end();
    return QIcon(picture);
}

}  // namespace kelmor
