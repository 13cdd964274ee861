#pragma once

#include <QObject>
#include <memory>
#include <vector>

#include "tools/keyboardediting.h"
#include "tools/tool.h"

namespace kelmor {

// The tools of the registry, made for one context, and the one chosen. The
// map view hands it pointer events in cells and draws what it previews.
class ToolBox : public QObject {
    Q_OBJECT

public:
    explicit ToolBox(ToolContext context);
    ~ToolBox() override;

    ToolContext& context() { return context_; }
    // What the map's keys do beyond moving the cursor.
    KeyboardEditing& keys() { return keys_; }
    int activeIndex() const { return active_; }
    Tool& active() { return *tools_[static_cast<std::size_t>(active_)]; }
    // A tool chosen in the middle of a gesture ends that gesture.
    void setActive(int index);

    void press(const ToolEvent& event);
    void move(const ToolEvent& event);
    void release(const ToolEvent& event);
    // Ends the gesture under way without its effect; false when none was.
    bool cancel();
    ToolPreview preview() { return active().preview(); }

signals:
    // What the active tool previews may have changed: `before` is what it
    // was, so that the view repaints both.
    void previewChanged(const ToolPreview& before);

private:
    // Runs one event on the active tool and tells of a changed preview.
    template <typename Step>
    void run(Step step);

    ToolContext context_;
    std::vector<std::unique_ptr<Tool>> tools_;
    int active_ = 0;
    KeyboardEditing keys_{context_};
};

}  // namespace kelmor
