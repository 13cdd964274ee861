#include "document/letgoedits.h"

#include <algorithm>
#include <utility>

namespace kelmor {

void LetGoEdits::keep(Recovery edits, std::chrono::system_clock::time_point when)
{
    edits_.push_back({std::move(edits), when, ++lastId_});
    while (edits_.size() > kKept)
        edits_.pop_front();
}

void LetGoEdits::takeOlder(LetGoEdits&& older)
{
    std::deque<LetGoEdit> all = std::move(older.edits_);
    all.insert(all.end(), edits_.begin(), edits_.end());
    edits_.clear();
    for (LetGoEdit& edit : all)
        keep(std::move(edit.edits), edit.when);
}

std::vector<LetGoEdit> LetGoEdits::of(const std::string& levelPath) const
{
    std::vector<LetGoEdit> found;
    for (auto it = edits_.rbegin(); it != edits_.rend(); ++it)
        if (it->edits.level == levelPath)
            found.push_back(*it);
    return found;
}

std::optional<LetGoEdit> LetGoEdits::take(std::uint64_t id)
{
    const auto it = std::find_if(edits_.begin(), edits_.end(), [id](const LetGoEdit& edit) { return edit.id == id; });
    if (it == edits_.end())
        return std::nullopt;
    LetGoEdit taken = std::move(*it);
    edits_.erase(it);
    return taken;
}

}  // namespace kelmor
