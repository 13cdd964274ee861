#pragma once

#include <QUndoCommand>

#include "edit/cellpick.h"
#include "model/mapgrid.h"

namespace kelmor {

class Form1;

// One placed cell, as a step of the map's history.
class PlaceCellCommand final : public QUndoCommand {
public:
    PlaceCellCommand(Form1& form, CellPos cell, char before, char after);
    void redo() override;
    void undo() override;

private:
    Form1& form_;
    CellPos cell_;
    char before_;
    char after_;
};

// One erased map, as a step of the map's history.
class EraseMapCommand final : public QUndoCommand {
public:
    EraseMapCommand(Form1& form, const MapGrid& before);
    void redo() override;
    void undo() override;

private:
    Form1& form_;
    MapGrid before_;
};

}  // namespace kelmor
