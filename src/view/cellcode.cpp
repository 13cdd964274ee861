#include "view/cellcode.h"

#include <QFont>
#include <QPainter>
#include <QString>

#include "model/mapgrid.h"

namespace kelmor {

void drawCellCode(QPainter& painter, QPoint topLeft, char code)
{
    if (code == ' ')
        return;
    const bool printable = code > ' ' && code < 0x7f;
    const QString text = printable ? QString(QLatin1Char(code)) : QStringLiteral("?");
    QFont font(QStringLiteral("monospace"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(12);
    font.setBold(true);
    painter.save();
    painter.setFont(font);
    const QRect cell(topLeft, QSize(kCellSize, kCellSize));
    painter.setPen(Qt::black);
    for (const QPoint edge : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
        painter.drawText(cell.translated(edge), Qt::AlignCenter, text);
    painter.setPen(Qt::white);
    painter.drawText(cell, Qt::AlignCenter, text);
    painter.restore();
}

}  // namespace kelmor
