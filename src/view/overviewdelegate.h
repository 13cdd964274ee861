#pragma once

#include <QStyledItemDelegate>
#include <array>

#include "model/catalogue.h"
#include "document/tilesheet.h"

namespace kelmor {

// Draws one map of the overview: a small picture of its rows, each cell one
// 2 x 2 block in the colour of its graphic (the average of the block the map
// view would copy), then its number and header, and its damage in red. The
// rows and the state come from the model under the roles given.
class OverviewDelegate : public QStyledItemDelegate {
public:
    OverviewDelegate(const Catalogue& catalogue, const TileSheet& sheet, int rowsRole, int stateRole,
                     QObject* parent = nullptr);

    // The colours again, after the tile sheet changed.
    void setSheet(const Catalogue& catalogue, const TileSheet& sheet);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The picture of 17 rows ended by "\n" (none: a grey picture).
    QImage picture(const QByteArray& rows) const;

private:
    std::array<QRgb, 256> colourOf_{};
    int rowsRole_;
    int stateRole_;
};

}  // namespace kelmor
