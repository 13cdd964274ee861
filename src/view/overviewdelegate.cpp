#include "view/overviewdelegate.h"

#include <QApplication>
#include <QPainter>

#include "view/cellcolours.h"

namespace kelmor {

namespace {
constexpr int kDot = 2;  // pixels a cell
constexpr int kPictureWidth = kMapColumns * kDot;
constexpr int kPictureHeight = kMapRows * kDot;
constexpr int kMargin = 3;

}  // namespace

OverviewDelegate::OverviewDelegate(const Catalogue& catalogue, const TileSheet& sheet, int rowsRole, int stateRole,
                                   QObject* parent)
    : QStyledItemDelegate(parent),
      rowsRole_(rowsRole),
      stateRole_(stateRole)
{
    setSheet(catalogue, sheet);
}

void OverviewDelegate::setSheet(const Catalogue& catalogue, const TileSheet& sheet)
{
    colourOf_ = cellColours(catalogue, sheet);
}

QImage OverviewDelegate::picture(const QByteArray& rows) const
{
    if (rows.isEmpty()) {
        QImage unknown(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
        unknown.fill(qRgb(128, 128, 128));
        return unknown;
    }
    MapRows map;
    std::size_t r = 0;
    for (const QByteArray& line : rows.split('\n'))
        if (r < map.size())
            map[r++] = line.toStdString();
    return colourPicture(map, colourOf_).scaled(kPictureWidth, kPictureHeight);
}

void OverviewDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    const QRect area = option.rect.adjusted(kMargin, kMargin, -kMargin, -kMargin);
    painter->drawImage(area.topLeft(), picture(index.data(rowsRole_).toByteArray()));
    const bool damaged = index.data(stateRole_).toInt() != 0;
    painter->save();
    painter->setPen(damaged ? QColor(Qt::red)
                            : item.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                                       : QPalette::Text));
    painter->drawText(area.adjusted(kPictureWidth + 2 * kMargin, 0, 0, 0), Qt::AlignVCenter | Qt::TextSingleLine, text);
    painter->restore();
}

QSize OverviewDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& /*index*/) const
{
    const int text = option.fontMetrics.height() + 2;
    return {kPictureWidth + 3 * kMargin + 300, qMax(kPictureHeight, text) + 2 * kMargin};
}

}  // namespace kelmor
