#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "levelfile/reorderlevel.h"

namespace kelmor {

class MapDocument;

// The changes of the maps' order made from this editor, to undo and do
// again. Each keeps the file's bytes before and after it: an undo writes the
// old bytes back only while the file is byte for byte what the change wrote,
// so that no other write (this editor's own saves included) is ever lost.
class MapOrderHistory {
public:
    explicit MapOrderHistory(MapDocument& document) : document_(document) {}

    // A change made: its report kept the bytes before and after it.
    void done(const MapOrderChange& change, OrderReport&& report);
    bool canUndo() const { return next_ > 0; }
    bool canRedo() const { return next_ < steps_.size(); }
    // The change taken back or made again, through the document, so the map
    // on screen follows it; `changed` in the report when the file is not
    // what it must be.
    OrderReport undo();
    OrderReport redo();
    // The map that the last undo or redo put in the place it named, to
    // highlight: the map moved, inserted, or the one after a deleted one.
    std::int64_t lastPlace() const { return lastPlace_; }

private:
    struct Step {
        MapOrderChange change;
        std::string before;
        std::string after;
        std::int64_t countBefore = 0;
        std::int64_t countAfter = 0;
    };

    // Each step holds the file twice; a few are enough to take back a slip.
    static constexpr std::size_t kSteps = 16;
    MapDocument& document_;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    std::int64_t lastPlace_ = 0;
};

}  // namespace kelmor
