#pragma once

#include <QUndoCommand>

#include "edit/cellpick.h"
#include "model/mapgrid.h"

namespace kelmor {

class MapDocument;

// One placed cell, as a step of the map's history.
class PlaceCellCommand final : public QUndoCommand {
public:
    PlaceCellCommand(MapDocument& document, CellPos cell, char before, char after);
    void redo() override;
    void undo() override;

private:
    MapDocument& document_;
    CellPos cell_;
    char before_;
    char after_;
};

// One erased map, as a step of the map's history.
class EraseMapCommand final : public QUndoCommand {
public:
    EraseMapCommand(MapDocument& document, const MapRows& before);
    void redo() override;
    void undo() override;

private:
    MapDocument& document_;
    MapRows before_;
    MapRows after_;
};

}  // namespace kelmor
