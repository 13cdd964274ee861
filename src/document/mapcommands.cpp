#include "document/mapcommands.h"

#include "document/mapdocument.h"
#include "edit/erase.h"

namespace kelmor {

PlaceCellsCommand::PlaceCellsCommand(MapDocument& document, std::vector<Change> changes, const QString& text,
                                     int stroke)
    : QUndoCommand(text),
      document_(document),
      changes_(std::move(changes)),
      stroke_(stroke)
{}

void PlaceCellsCommand::redo()
{
    for (const Change& change : changes_)
        document_.writeCell(change.cell, change.after);
}

void PlaceCellsCommand::undo()
{
    for (auto change = changes_.rbegin(); change != changes_.rend(); ++change)
        document_.writeCell(change->cell, change->before);
}

bool PlaceCellsCommand::mergeWith(const QUndoCommand* other)
{
    const auto* more = dynamic_cast<const PlaceCellsCommand*>(other);
    if (more == nullptr || more->stroke_ != stroke_)
        return false;
    changes_.insert(changes_.end(), more->changes_.begin(), more->changes_.end());
    return true;
}

EraseMapCommand::EraseMapCommand(MapDocument& document, const MapRows& before)
    : QUndoCommand(tr("マップ消去")),
      document_(document),
      before_(before),
      after_(before)
{
    eraseToTemplate(after_);
}

void EraseMapCommand::redo()
{
    document_.writeRows(after_);
}

void EraseMapCommand::undo()
{
    document_.writeRows(before_);
}

}  // namespace kelmor
