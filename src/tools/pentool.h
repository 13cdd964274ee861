#pragma once

#include "tools/tool.h"

namespace kelmor {

// ペン: a press acts on the pressed cell alone, and every press marks the
// map and is a step of the history; a drag adds nothing.
class PenTool final : public Tool {
public:
    using Tool::Tool;
    static QIcon icon();

protected:
    void begin(const ToolEvent& event) override;
};

}  // namespace kelmor
