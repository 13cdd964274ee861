#include "view/overviewdelegate.h"

#include <QApplication>
#include <QPainter>

#include "view/mapimage.h"

namespace kelmor {

namespace {
constexpr int kDot = 2;  // pixels a cell
constexpr int kPictureWidth = kMapColumns * kDot;
constexpr int kPictureHeight = kMapRows * kDot;
constexpr int kMargin = 3;

QRgb averageOf(const QImage& cell)
{
    qint64 r = 0, g = 0, b = 0;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x) {
            const QRgb p = cell.pixel(x, y);
            r += qRed(p);
            g += qGreen(p);
            b += qBlue(p);
        }
    const qint64 n = qMax<qint64>(1, qint64(cell.width()) * cell.height());
    return qRgb(int(r / n), int(g / n), int(b / n));
}
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
    // Without a sheet each code still gets a colour of its own, apart from
    // the blanks and "0"s that fill most maps.
    for (int code = 0; code < 256; ++code) {
        const char c = static_cast<char>(code);
        QRgb colour = qRgb(0, 0, 0);
        if (sheet.isLoaded())
            colour = averageOf(MapImage::cellPicture(c, catalogue, sheet));
        else if (c != ' ' && c != '0')
            colour = QColor::fromHsv((code * 47) % 360, 160, 230).rgb();
        colourOf_[static_cast<std::size_t>(code)] = colour;
    }
}

QImage OverviewDelegate::picture(const QByteArray& rows) const
{
    QImage image(kMapColumns, kMapRows, QImage::Format_RGB32);
    image.fill(rows.isEmpty() ? qRgb(128, 128, 128) : qRgb(0, 0, 0));
    int r = 0;
    int c = 0;
    for (const char byte : rows) {
        if (byte == '\n') {
            ++r;
            c = 0;
            continue;
        }
        if (r < kMapRows && c < kMapColumns)
            image.setPixel(c, r, colourOf_[static_cast<unsigned char>(byte)]);
        ++c;
    }
    return image.scaled(kPictureWidth, kPictureHeight);
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
