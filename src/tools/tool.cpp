#include "tools/tool.h"

#include "tools/cellactions.h"

namespace kelmor {

ToolEvent ToolEvent::press(int button, int shift, CellPos cell)
{
    ToolEvent event;
    event.cell = cell;
    switch (button) {
    case 1: event.button = Qt::LeftButton; break;
    case 2: event.button = Qt::RightButton; break;
    case 4: event.button = Qt::MiddleButton; break;
    default: event.button = static_cast<Qt::MouseButton>(button); break;
    }
    event.held = event.button;
    if (shift & 1)
        event.modifiers |= Qt::ShiftModifier;
    if (shift & 2)
        event.modifiers |= Qt::ControlModifier;
    if (shift & 4)
        event.modifiers |= Qt::AltModifier;
    return event;
}

void Tool::press(const ToolEvent& event)
{
    if (event.button == Qt::RightButton) {
        if (!cancel())
            pickPress(context_, event.cell);
        return;
    }
    if (event.button != Qt::LeftButton && event.button != Qt::MiddleButton) {
        penPress(context_, event.cell);
        return;
    }
    if (busy())
        return;
    context_.moveCursor(event.cell);
    begin(event);
}

}  // namespace kelmor
