#pragma once

#include <QCoreApplication>
#include <functional>

namespace kelmor {

class Asker;
class MapDocument;

// Saving the map on screen as the save button does: the question, the
// overwrite question when the file's map is not the one it was read from,
// and what went wrong. And the unsaved-changes check every action that
// leaves the map makes first.
class MapSaving {
    Q_DECLARE_TR_FUNCTIONS(MapSaving)

public:
    enum class Outcome { Saved, Declined, Failed };

    // `saved` is told after each save that wrote the file.
    MapSaving(MapDocument& document, Asker& asker, std::function<void()> saved);

    Outcome save();
    // False when a save was asked for and failed, so that the action must
    // not go on and drop the edits.
    bool saveIfEdited();

private:
    MapDocument& document_;
    Asker& asker_;
    std::function<void()> saved_;
};

}  // namespace kelmor
