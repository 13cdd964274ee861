#pragma once

#include "tools/tool.h"

namespace kelmor {

// ブラシ: every cell the pointer passes while the button is held takes the
// palette's code, with no gaps however fast it moves; the stroke is one
// step. A refused code is told once and the rest of the stroke puts nothing.
class BrushTool final : public Tool {
public:
    using Tool::Tool;
    static QIcon icon();

    void move(const ToolEvent& event) override;
    void release(const ToolEvent& event) override;

protected:
    void begin(const ToolEvent& event) override;
    bool busy() const override { return stroking_; }

private:
    void put(const std::vector<CellPos>& cells);

    bool stroking_ = false;
    bool refused_ = false;
    // Each stroke's steps merge into one, and never into the stroke before.
    int stroke_ = 0;
    CellPos last_;
};

}  // namespace kelmor
