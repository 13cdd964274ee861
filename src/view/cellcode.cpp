#include "view/cellcode.h"

#include <QFont>
#include <QPainter>
#include <QString>
#include <algorithm>

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

void drawOverlay(QPainter& painter, const MapRows& rows, const QRect& area, bool grid, bool codes)
{
    const int firstRow = std::max(area.top() / kCellSize, 0);
    const int lastRow = std::min(area.bottom() / kCellSize, kLastRow);
    const int firstColumn = std::max(area.left() / kCellSize, 0);
    const int lastColumn = std::min(area.right() / kCellSize, kLastColumn);
    if (grid) {
        // A cell's top and left edges: light, half seen through.
        painter.save();
        painter.setPen(QColor(255, 255, 255, 96));
        for (int r = firstRow; r <= lastRow; ++r)
            for (int c = firstColumn; c <= lastColumn; ++c) {
                const QPoint at(c * kCellSize, r * kCellSize);
                painter.drawLine(at, at + QPoint(kCellSize - 1, 0));
                painter.drawLine(at + QPoint(0, 1), at + QPoint(0, kCellSize - 1));
            }
        painter.restore();
    }
    if (!codes)
        return;
    for (int r = firstRow; r <= lastRow; ++r) {
        const std::string& line = rows[static_cast<std::size_t>(r)];
        for (int c = firstColumn; c <= lastColumn && static_cast<std::size_t>(c) < line.size(); ++c)
            drawCellCode(painter, QPoint(c * kCellSize, r * kCellSize), line[static_cast<std::size_t>(c)]);
    }
}

}  // namespace kelmor
