#pragma once

#include <QListWidget>

#include "model/catalogue.h"
#include "model/palette.h"
#include "document/tilesheet.h"

namespace kelmor {

// The palette as pictures: each entry drawn as a cell holding its code is
// drawn in the view (its code, without a tile sheet), named by the entry's
// text ("A:ハキュラ") for its tool tip and for a screen reader. The arrow keys
// move through it; choosing an entry, by a click or a key, says which.
class PalettePanel : public QListWidget {
    Q_OBJECT

public:
    explicit PalettePanel(QWidget* parent = nullptr);

    void setEntries(const Palette& palette, const Catalogue& catalogue, const TileSheet& sheet);
    // Marks the entry the palette has chosen, without telling it back.
    void select(int position);

signals:
    void chosen(int position);
};

}  // namespace kelmor
