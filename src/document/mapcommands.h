#pragma once

#include <QUndoCommand>
#include <vector>

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

// Cells put at once (a stroke, a rectangle, a fill, a paste), as one step of
// the history. The steps of one brush stroke merge into one.
class PlaceCellsCommand final : public QUndoCommand {
public:
    struct Change {
        CellPos cell;
        char before;
        char after;
    };
    // `stroke`: 0, or the stroke whose steps merge.
    PlaceCellsCommand(MapDocument& document, std::vector<Change> changes, const QString& text, int stroke);
    void redo() override;
    void undo() override;
    int id() const override { return stroke_ != 0 ? 1 : -1; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    MapDocument& document_;
    std::vector<Change> changes_;
    int stroke_;
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
