#pragma once

#include "tools/tool.h"

namespace kelmor {

// 塗りつぶし: the pressed cell and every cell joined to it sideways that
// holds the same code take the palette's code, as one step.
class FillTool final : public Tool {
public:
    using Tool::Tool;
    static QIcon icon();

protected:
    void begin(const ToolEvent& event) override;
};

}  // namespace kelmor
