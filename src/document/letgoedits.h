#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "recovery/recovery.h"

namespace kelmor {

// A map left while it differed from the level file: its header and rows as
// they were on screen, and when.
struct LetGoEdit {
    Recovery edits;  // the level file's path, the map's number, header and rows
    std::chrono::system_clock::time_point when;
    std::uint64_t id = 0;  // given by keep, one a kept edit
};

// The edits let go of since the editor started, so that none is lost by a
// No to the save question or a page turned after one: the last ten, kept
// until the editor closes.
class LetGoEdits {
public:
    static constexpr std::size_t kKept = 10;

    void keep(Recovery edits, std::chrono::system_clock::time_point when);
    // Those of the level file at `levelPath`, the newest first.
    std::vector<LetGoEdit> of(const std::string& levelPath) const;
    // Takes out the one of `id`; nothing when it is no longer kept.
    std::optional<LetGoEdit> take(std::uint64_t id);
    std::size_t size() const { return edits_.size(); }
    // Puts `older` (another file's window's, say) before these, the last
    // ten of all kept.
    void takeOlder(LetGoEdits&& older);

private:
    std::deque<LetGoEdit> edits_;  // the oldest first
    std::uint64_t lastId_ = 0;
};

}  // namespace kelmor
