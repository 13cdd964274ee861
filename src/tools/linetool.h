#pragma once

#include "tools/tool.h"

namespace kelmor {

// ライン: press at one end, drag to the other (the cells show as they would
// become), let go: the cells of the straight line between them take the
// palette's code as one step. Escape or a right press while dragging
// cancels it.
class LineTool final : public Tool {
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
