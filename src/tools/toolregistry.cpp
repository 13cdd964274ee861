#include "tools/toolregistry.h"

#include "tools/brushtool.h"
#include "tools/filltool.h"
#include "tools/frametool.h"
#include "tools/linetool.h"
#include "tools/pentool.h"
#include "tools/rectangletool.h"
#include "tools/selecttool.h"
#include "tools/stamptool.h"

namespace kelmor {

namespace {
template <typename T>
std::unique_ptr<Tool> make(ToolContext& context)
{
    return std::make_unique<T>(context);
}
}  // namespace

QString ToolInfo::statusText() const
{
    return QStringLiteral("ツール: ") + name;
}

const std::vector<ToolInfo>& toolRegistry()
{
    static const std::vector<ToolInfo> tools{
        {"penAction", QStringLiteral("ペン"), &PenTool::icon, &make<PenTool>},
        {"brushAction", QStringLiteral("ブラシ"), &BrushTool::icon, &make<BrushTool>},
        {"rectangleAction", QStringLiteral("矩形"), &RectangleTool::icon, &make<RectangleTool>},
        {"fillAction", QStringLiteral("塗りつぶし"), &FillTool::icon, &make<FillTool>},
        {"selectAction", QStringLiteral("選択"), &SelectTool::icon, &make<SelectTool>},
        {"lineAction", QStringLiteral("ライン"), &LineTool::icon, &make<LineTool>},
        {"frameAction", QStringLiteral("枠"), &FrameTool::icon, &make<FrameTool>},
        {"stampAction", QStringLiteral("スタンプ"), &StampTool::icon, &make<StampTool>},
    };
    return tools;
}

}  // namespace kelmor
