#pragma once

#include "tools/dragtool.h"

namespace kelmor {

// 選択: press and drag to select a rectangle of cells; let go, and the
// keyboard cursor goes to its top left, where a paste would put it back.
// Selecting changes no cell and leaves the unsaved mark alone. A right press
// while selecting picks, and Escape clears the selection, as they do at rest.
//
// A drag that starts inside the selection moves the selected cells (shown
// as they would land); let go, they are put there and the cells they left
// become "0", or, with Ctrl held, they are copied; clipped at the map's edges,
// as one step, and the selection follows them. Escape or a right press
// cancels such a move. A press and release on one cell selects that cell.
class SelectTool final : public DragTool {
public:
    using DragTool::DragTool;
    static QIcon icon();
    bool cancel() override;
    ToolPreview preview() const override;

protected:
    void begin(const ToolEvent& event) override;
    void dragged() override;
    void finish(const ToolEvent& event) override;

private:
    // The selected cells with their codes, moved by the drag so far.
    std::vector<std::pair<CellPos, char>> moved() const;

    bool moving_ = false;
    CellRect from_;
};

}  // namespace kelmor
