#include "app/mapcommands.h"

#include "app/form1.h"

namespace kelmor {

PlaceCellCommand::PlaceCellCommand(Form1& form, CellPos cell, char before, char after)
    : form_(form), cell_(cell), before_(before), after_(after)
{
}

void PlaceCellCommand::redo()
{
    form_.writeCell(cell_, after_);
}

void PlaceCellCommand::undo()
{
    form_.writeCell(cell_, before_);
}

EraseMapCommand::EraseMapCommand(Form1& form, const MapGrid& before) : form_(form), before_(before) {}

void EraseMapCommand::redo()
{
    form_.clearmap();
}

void EraseMapCommand::undo()
{
    form_.writeRows(before_);
}

}  // namespace kelmor
