#pragma once

#include "tools/dragtool.h"

namespace kelmor {

// 矩形: press at one corner, drag to the other (an outline shows), let go:
// every cell of the rectangle takes the palette's code as one step. Escape
// or a right press while dragging cancels it.
class RectangleTool final : public DragTool {
public:
    using DragTool::DragTool;
    static QIcon icon();
    ToolPreview preview() const override;

protected:
    void finish(const ToolEvent& event) override;
};

}  // namespace kelmor
