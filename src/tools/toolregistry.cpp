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
        {"penAction", QStringLiteral("ペン"), Qt::Key_E, &PenTool::icon, &make<PenTool>},
        {"brushAction", QStringLiteral("ブラシ"), Qt::Key_B, &BrushTool::icon, &make<BrushTool>},
        {"rectangleAction", QStringLiteral("矩形"), Qt::Key_R, &RectangleTool::icon, &make<RectangleTool>},
        {"fillAction", QStringLiteral("塗りつぶし"), Qt::Key_F, &FillTool::icon, &make<FillTool>},
        {"selectAction", QStringLiteral("選択"), Qt::Key_S, &SelectTool::icon, &make<SelectTool>},
        {"lineAction", QStringLiteral("ライン"), Qt::Key_L, &LineTool::icon, &make<LineTool>},
        {"frameAction", QStringLiteral("枠"), Qt::Key_O, &FrameTool::icon, &make<FrameTool>},
        {"stampAction", QStringLiteral("スタンプ"), Qt::Key_T, &StampTool::icon, &make<StampTool>},
    };
    return tools;
}

}  // namespace kelmor
