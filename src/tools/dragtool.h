#pragma once

#include "tools/tool.h"

namespace kelmor {

// A tool whose gesture is a drag from one cell to another with a left or
// middle button: it follows the pointer from the pressed cell and finishes
// when that button is let go. A cancel ends it without finishing.
class DragTool : public Tool {
public:
    using Tool::Tool;

    void move(const ToolEvent& event) override;
    void release(const ToolEvent& event) override;
    bool cancel() override;

protected:
    void begin(const ToolEvent& event) override;
    bool busy() const override { return dragging_; }
    bool dragging() const { return dragging_; }
    // The pointer is at another cell of the drag (the pressed one first).
    virtual void dragged() {}
    // The button was let go at `last()` (with `event`'s modifiers).
    virtual void finish(const ToolEvent& event) = 0;
    CellPos anchor() const { return anchor_; }
    CellPos last() const { return last_; }
    // The rectangle dragged so far, as an outline; nothing at rest.
    ToolPreview outlinePreview() const;

private:
    bool dragging_ = false;
    CellPos anchor_;
    CellPos last_;
};

}  // namespace kelmor
