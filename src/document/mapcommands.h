#pragma once

#include <QCoreApplication>
#include <QUndoCommand>
#include <vector>

#include "edit/cellgeometry.h"
#include "model/mapgrid.h"

namespace kelmor {

class MapDocument;

// Cells put at once (a pen press, a stroke, a shape, a fill, a paste), as
// one step of the history. The steps of one brush stroke merge into one.
class PlaceCellsCommand final : public QUndoCommand {
public:
    // What QUndoStack asks before it merges: steps of strokes may merge,
    // other steps never.
    static constexpr int kStrokeMergeId = 1;

    struct Change {
        CellPos cell;
        char before;
        char after;
    };
    // `stroke`: 0, or the stroke whose steps merge.
    PlaceCellsCommand(MapDocument& document, std::vector<Change> changes, const QString& text, int stroke);
    void redo() override;
    void undo() override;
    int id() const override { return stroke_ != 0 ? kStrokeMergeId : -1; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    MapDocument& document_;
    std::vector<Change> changes_;
    int stroke_;
};

// One erased map, as a step of the map's history.
class EraseMapCommand final : public QUndoCommand {
    Q_DECLARE_TR_FUNCTIONS(EraseMapCommand)

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
