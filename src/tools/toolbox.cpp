#include "tools/toolbox.h"

#include "document/mapdocument.h"
#include "tools/toolregistry.h"

namespace kelmor {

ToolBox::ToolBox(ToolContext context) : context_(std::move(context))
{
    for (const ToolInfo& info : toolRegistry())
        tools_.push_back(info.make(context_));
    // A rectangle begun on the map that was replaced would land on the new one.
    connect(&context_.document, &MapDocument::mapReplaced, this, &ToolBox::cancel);
}

ToolBox::~ToolBox() = default;

template <typename Step>
void ToolBox::run(Step step)
{
    const ToolPreview before = active().preview();
    step(active());
    if (!(active().preview() == before))
        emit previewChanged(before);
}

void ToolBox::setActive(int index)
{
    if (index < 0 || index >= static_cast<int>(tools_.size()))
        return;
    cancel();
    active_ = index;
}

void ToolBox::press(const ToolEvent& event)
{
    run([&](Tool& tool) { tool.press(event); });
}

void ToolBox::move(const ToolEvent& event)
{
    run([&](Tool& tool) { tool.move(event); });
}

void ToolBox::release(const ToolEvent& event)
{
    run([&](Tool& tool) { tool.release(event); });
}

bool ToolBox::cancel()
{
    bool cancelled = false;
    run([&](Tool& tool) { cancelled = tool.cancel(); });
    return cancelled;
}

}  // namespace kelmor
