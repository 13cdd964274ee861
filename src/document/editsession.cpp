#include "document/editsession.h"

#include "document/mapdocument.h"
#include "edit/placepick.h"

namespace kelmor {

EditSession::EditSession(MapDocument& document) : QObject(nullptr), document_(document)
{
    connect(&document_, &MapDocument::mapReplaced, this, [this] { setSelection({}); });
}

void EditSession::setPalette(const QStringList& entries, int partsMax)
{
    entries_ = entries;
    partsMax_ = partsMax;
}

void EditSession::setPaletteText(const QString& text)
{
    paletteText_ = text;
}

void EditSession::choosePalette(int position)
{
    if (position < 0 || position >= entries_.size())
        return;
    paletteText_ = entries_[position];
    emit paletteChosen(position);
}

std::optional<char32_t> EditSession::paletteCode() const
{
    if (paletteText_.isEmpty())
        return std::nullopt;
    return paletteText_.toUcs4().front();
}

std::optional<int> EditSession::entryAt(CellPos cell) const
{
    return pickPosition(document_.rows(), cell, partsMax_, static_cast<int>(entries_.size()));
}

bool EditSession::pick(CellPos cell)
{
    const std::optional<int> position = entryAt(cell);
    if (position)
        choosePalette(*position);
    return position.has_value();
}

void EditSession::setSelection(const CellRect& cells)
{
    const CellRect kept = cells.clipped();
    if (kept == selection_)
        return;
    selection_ = kept;
    emit selectionChanged(selection_);
}

}  // namespace kelmor
