#pragma once

#include "tools/dragtool.h"

namespace kelmor {

// 枠: press at one corner, drag to the other (an outline shows), let go: the
// cells on the rectangle's border take the palette's code as one step, the
// inside stays. Escape or a right press while dragging cancels it.
class FrameTool final : public DragTool {
public:
    using DragTool::DragTool;
    static QIcon icon();
    ToolPreview preview() const override;

protected:
    void finish(const ToolEvent& event) override;
};

}  // namespace kelmor
