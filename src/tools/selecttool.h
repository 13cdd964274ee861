#pragma once

#include "tools/tool.h"

namespace kelmor {

// 選択: press and drag to select a rectangle of cells; let go, and the
// keyboard cursor goes to its top left, where a paste would put it back.
// Selecting changes no cell and leaves the unsaved mark alone.
class SelectTool final : public Tool {
public:
    using Tool::Tool;
    static QIcon icon();

    void move(const ToolEvent& event) override;
    void release(const ToolEvent& event) override;

protected:
    void begin(const ToolEvent& event) override;
    bool busy() const override { return dragging_; }

private:
    bool dragging_ = false;
    CellPos anchor_;
};

}  // namespace kelmor
