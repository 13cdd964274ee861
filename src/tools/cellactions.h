#pragma once

#include <QString>
#include <vector>

#include "document/mapdocument.h"
#include "edit/cliptext.h"
#include "tools/tool.h"

namespace kelmor {

// What the tools and the keys do to cells, each the same whichever way the
// user came: a refusal, the unsaved mark and a step of the history alike.

// Puts the palette's code into `cells` as one step, when every one of them
// may take it; else nothing, and the first refusal is told. Nothing either
// when the palette is empty. False when nothing was put.
bool putPalette(ToolContext& context, const std::vector<CellPos>& cells, const QString& step, int stroke = 0,
                MapDocument::StepWhen when = MapDocument::StepWhen::Changed);

// A press that places (a left press of the pen, Space or P): marks the map,
// moves the cursor there and puts the palette's code, as a step even when
// the cell holds it already.
void penPress(ToolContext& context, CellPos cell);

// A press that gets (a right press, G): marks the map, moves the cursor there
// and picks the cell into the palette.
void pickPress(ToolContext& context, CellPos cell);

// Space or P with a selection: the palette's code into every cell of it.
void paintSelection(ToolContext& context);

// Delete or the cut: "0" into every cell of the selection. Nothing without one.
void clearSelection(ToolContext& context, const QString& step);

// Shift+P: the palette's code on the border cells of the selection alone.
void frameSelection(ToolContext& context);

// The selected cells moved by (`right`, `down`), or copied with `copy`, as
// one step: what would leave the map is clipped away, the cells they left
// become "0" (unless one lands there), and the selection follows them.
void moveSelection(ToolContext& context, const CellRect& from, int right, int down, bool copy);

// A new id for steps that merge (a stroke, a stamp's drag, a run of typing):
// never the same twice, so no two gestures ever merge into one.
int newStroke();

// Pasted text put with its top left at `at`, as one step; the selection then
// covers what it put. A refused text is told and changes nothing.
void pasteText(ToolContext& context, const PasteText& text, CellPos at);

}  // namespace kelmor
