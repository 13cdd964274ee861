#pragma once

#include "edit/cliptext.h"
#include "tools/tool.h"

namespace kelmor {

// スタンプ: the clipboard's cells, read as a paste reads them, follow the
// pointer with their top left at its cell; a press puts them there, and a
// drag at every cell it passes, with no gaps, as one step. They are clipped
// at the map's edges and leave the selection as it was. A clipboard that a
// paste would refuse is told at the press; an empty one in the status bar.
class StampTool final : public Tool {
public:
    using Tool::Tool;
    static QIcon icon();

    void move(const ToolEvent& event) override;
    void release(const ToolEvent& event) override;
    ToolPreview preview() const override;

protected:
    void begin(const ToolEvent& event) override;
    bool busy() const override { return stamping_; }

private:
    void stampAt(CellPos cell);

    bool stamping_ = false;
    // Each drag's steps merge into one, and never into the drag before.
    int stroke_ = 0;
    PasteText text_;
    CellPos at_{-1, -1};
};

}  // namespace kelmor
