#pragma once

#include "tools/tool.h"

namespace kelmor {

// 矩形: press at one corner, drag to the other (an outline shows), let go:
// every cell of the rectangle takes the palette's code as one step. Escape
// or a right press while dragging cancels it.
class RectangleTool final : public Tool {
public:
    using Tool::Tool;
    static QIcon icon();

    void move(const ToolEvent& event) override;
    void release(const ToolEvent& event) override;
    bool cancel() override;
    ToolPreview preview() const override;

protected:
    void begin(const ToolEvent& event) override;
    bool busy() const override { return dragging_; }

private:
    bool dragging_ = false;
    CellPos anchor_;
    CellPos last_;
};

}  // namespace kelmor
