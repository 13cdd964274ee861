#pragma once

#include <QCoreApplication>
#include <QIcon>
#include <QString>
#include <Qt>
#include <functional>
#include <utility>
#include <vector>

#include "edit/cellgeometry.h"
#include "edit/placepick.h"

namespace kelmor {

// The context the tools' words are translated in: their names, their steps
// in the history and what they say in the status bar.
struct ToolWords {
    Q_DECLARE_TR_FUNCTIONS(ToolWords)
};

class EditSession;
class MapDocument;

// A pointer event as a tool sees it: the cell, never a pixel.
struct ToolEvent {
    CellPos cell;
    // The button pressed or let go; none for a move.
    Qt::MouseButton button = Qt::NoButton;
    // The buttons held after the event.
    Qt::MouseButtons held;
    Qt::KeyboardModifiers modifiers;

    // A press as the map view's press handler gets it: button 1 left, 2
    // right, 4 middle, other values other buttons; shift 1 Shift, 2 Ctrl, 4 Alt.
    static ToolEvent press(int button, int shift, CellPos cell);
};

// A code that a cell may not take, and where a pasted text has it (line and
// column from 1; 0 when the code came from the palette).
struct CodeRefused {
    char32_t code = 0;
    CodeRefusal why = CodeRefusal::None;
    int line = 0;
    int column = 0;
};

// What a tool may reach: the map, the palette and the selection, the
// clipboard's text, and the window's ways of telling the user and of moving
// the keyboard cursor.
struct ToolContext {
    MapDocument& document;
    EditSession& session;
    // Told as a notice; nothing was changed.
    std::function<void(const CodeRefused&)> refuse = [](const CodeRefused&) {};
    std::function<void(CellPos)> moveCursor = [](CellPos) {};
    // The clipboard's text as it stands now.
    std::function<QString()> clipboardText = [] { return QString(); };
    // A passing message in the status bar.
    std::function<void(const QString&)> showStatus = [](const QString&) {};
};

// What a tool wants drawn over the map while a gesture is under way: a
// rectangle's outline, or cells with the codes they would take ("\0" where
// the palette's code could not be put, drawn as an outline).
struct ToolPreview {
    CellRect outline;
    std::vector<std::pair<CellPos, char>> cells;

    bool empty() const { return outline.empty() && cells.empty(); }
    bool operator==(const ToolPreview&) const = default;
};

// A tool of the map view. A right press picks the cell into the palette in
// every tool (or, while a gesture can be cancelled, cancels it); a left or
// middle press starts what the tool does; any other button places the
// palette's code as the pen does. Each gesture that changes the map is one
// step of the history.
class Tool {
public:
    explicit Tool(ToolContext& context) : context_(context) {}
    virtual ~Tool() = default;
    Tool(const Tool&) = delete;
    Tool& operator=(const Tool&) = delete;

    void press(const ToolEvent& event);
    // The pointer went to another cell, a button held or not.
    virtual void move(const ToolEvent& /*event*/) {}
    virtual void release(const ToolEvent& /*event*/) {}
    // Ends a gesture under way without its effect: nothing put, picked or
    // marked. False when there was none to cancel.
    virtual bool cancel() { return false; }
    virtual ToolPreview preview() const { return {}; }

protected:
    // A left or middle press; `event.cell` has the keyboard cursor already.
    virtual void begin(const ToolEvent& event) = 0;
    // While true, a second left or middle press starts nothing.
    virtual bool busy() const { return false; }

    ToolContext& context_;
};

}  // namespace kelmor
