#pragma once

#include "tools/dragtool.h"

namespace kelmor {

// ライン: press at one end, drag to the other (the cells show as they would
// become), let go: the cells of the straight line between them take the
// palette's code as one step. Escape or a right press while dragging
// cancels it.
class LineTool final : public DragTool {
public:
    using DragTool::DragTool;
    static QIcon icon();
    ToolPreview preview() const override;

protected:
    void finish(const ToolEvent& event) override;
};

}  // namespace kelmor
