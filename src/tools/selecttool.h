#pragma once

#include "tools/dragtool.h"

namespace kelmor {

// 選択: press and drag to select a rectangle of cells; let go, and the
// keyboard cursor goes to its top left, where a paste would put it back.
// Selecting changes no cell and leaves the unsaved mark alone. A right press
// while dragging picks, and Escape clears the selection, as they do at rest.
class SelectTool final : public DragTool {
public:
    using DragTool::DragTool;
    static QIcon icon();
    bool cancel() override { return false; }

protected:
    void dragged() override;
    void finish() override;
};

}  // namespace kelmor
