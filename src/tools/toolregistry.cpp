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

QString ToolInfo::name() const
{
    return ToolWords::tr(source);
}

QString ToolInfo::statusText() const
{
    return ToolWords::tr("ツール: %1").arg(name());
}

const std::vector<ToolInfo>& toolRegistry()
{
    static const std::vector<ToolInfo> tools{
        {"penAction", QT_TRANSLATE_NOOP("ToolWords", "ペン"), &PenTool::icon, &make<PenTool>},
        {"brushAction", QT_TRANSLATE_NOOP("ToolWords", "ブラシ"), &BrushTool::icon, &make<BrushTool>},
        {"rectangleAction", QT_TRANSLATE_NOOP("ToolWords", "矩形"), &RectangleTool::icon, &make<RectangleTool>},
        {"fillAction", QT_TRANSLATE_NOOP("ToolWords", "塗りつぶし"), &FillTool::icon, &make<FillTool>},
        {"selectAction", QT_TRANSLATE_NOOP("ToolWords", "選択"), &SelectTool::icon, &make<SelectTool>},
        {"lineAction", QT_TRANSLATE_NOOP("ToolWords", "ライン"), &LineTool::icon, &make<LineTool>},
        {"frameAction", QT_TRANSLATE_NOOP("ToolWords", "枠"), &FrameTool::icon, &make<FrameTool>},
        {"stampAction", QT_TRANSLATE_NOOP("ToolWords", "スタンプ"), &StampTool::icon, &make<StampTool>},
    };
    return tools;
}

}  // namespace kelmor
