#include "document/mapcommands.h"

#include "document/mapdocument.h"
#include "edit/erase.h"

namespace kelmor {

PlaceCellCommand::PlaceCellCommand(MapDocument& document, CellPos cell, char before, char after)
    : QUndoCommand(QStringLiteral("セルの配置")),
      document_(document),
      cell_(cell),
      before_(before),
      after_(after)
{}

void PlaceCellCommand::redo()
{
    document_.writeCell(cell_, after_);
}

void PlaceCellCommand::undo()
{
    document_.writeCell(cell_, before_);
}

EraseMapCommand::EraseMapCommand(MapDocument& document, const MapRows& before)
    : QUndoCommand(QStringLiteral("マップ消去")),
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
