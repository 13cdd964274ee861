#pragma once

#include <QString>
#include <optional>

namespace kelmor {

// How the window asks the user and tells the user things: a modal box in
// production, a scripted one in tests.
class Asker {
public:
    virtual ~Asker();
    // True for Yes; anything but No counts as Yes.
    virtual bool askYesNo(const QString& text) = 0;
    // A notice with an OK button only.
    virtual void notify(const QString& text) = 0;
    // A line of text, or nothing when the user cancels.
    virtual std::optional<QString> askText(const QString& prompt) = 0;
};

}  // namespace kelmor
