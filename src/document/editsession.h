#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

#include "edit/cellgeometry.h"

namespace kelmor {

class MapDocument;

// What the user has chosen to edit with, beside the map itself: the
// palette's text (whose first character is the code every tool puts) and
// the selection. The palette box and the pictures show the palette and
// write it; the tools read it. The selection belongs to the map on screen,
// so it goes whenever that map is replaced as a whole.
class EditSession : public QObject {
    Q_OBJECT

public:
    explicit EditSession(MapDocument& document);

    MapDocument& document() { return document_; }
    const MapDocument& document() const { return document_; }

    // The palette's entries ("K:…" and the like) and the highest parts
    // number, which turn a cell's code into an entry.
    void setPalette(const QStringList& entries, int partsMax);
    const QStringList& paletteEntries() const { return entries_; }
    // What the palette box shows: an entry, or what was typed in it.
    const QString& paletteText() const { return paletteText_; }
    // Typed in the palette box, or an entry the box chose itself.
    void setPaletteText(const QString& text);
    // An entry chosen (by a pick or a picture): it replaces typed text.
    void choosePalette(int position);
    // The code the tools put: the text's first character, nothing when empty.
    std::optional<char32_t> paletteCode() const;
    // The entry a cell's code stands for, or nothing when its row has no
    // such column or the code has no entry.
    std::optional<int> entryAt(CellPos cell) const;
    // Picks the cell into the palette; false when it stands for no entry.
    bool pick(CellPos cell);

    // The selection in cells; empty for none. Kept inside the grid.
    const CellRect& selection() const { return selection_; }
    void setSelection(const CellRect& cells);

signals:
    // An entry was chosen: the palette box and the pictures show it.
    void paletteChosen(int position);
    void selectionChanged(const CellRect& cells);

private:
    MapDocument& document_;
    QStringList entries_;
    int partsMax_ = 0;
    QString paletteText_;
    CellRect selection_;
};

}  // namespace kelmor
