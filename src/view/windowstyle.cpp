#include "view/windowstyle.h"

#include <QPainter>
#include <QPixmap>

namespace kelmor {

namespace {
// Two chevrons pointing right, or down, as the platform's arrows do.
QIcon chevrons(bool down)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(40, 40, 40), 1.5));
    painter.setRenderHint(QPainter::Antialiasing);
    for (const int at : {4, 9}) {
        const QPointF points[3] = {{at + 0.5, 4.5}, {at + 3.5, 8.0}, {at + 0.5, 11.5}};
        if (down) {
            const QPointF turned[3] = {
                {points[0].y(), points[0].x()}, {points[1].y(), points[1].x()}, {points[2].y(), points[2].x()}};
            painter.drawPolyline(turned, 3);
        } else {
            painter.drawPolyline(points, 3);
        }
    }
    painter.end();
    return QIcon(picture);
}
}  // namespace

QIcon WindowStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return chevrons(icon == SP_ToolBarVerticalExtensionButton);
    return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace kelmor
