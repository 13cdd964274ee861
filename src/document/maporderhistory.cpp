#include "document/maporderhistory.h"

#include "document/mapdocument.h"

namespace kelmor {

void MapOrderHistory::done(const MapOrderChange& change, OrderReport&& report)
{
    steps_.resize(next_);
    const std::int64_t grown = change.kind == MapOrderChange::Kind::Insert   ? 1
                               : change.kind == MapOrderChange::Kind::Delete ? -1
                                                                             : 0;
    steps_.push_back(
        {change, std::move(report.bytesBefore), std::move(report.bytesAfter), report.count, report.count + grown});
    if (steps_.size() > kSteps)
        steps_.erase(steps_.begin());
    next_ = steps_.size();
}

OrderReport MapOrderHistory::undo()
{
    const Step& step = steps_[next_ - 1];
    const MapOrderChange back = step.change.inverse();
    OrderReport report = document_.replaceOrder(step.after, step.before, back, step.countBefore);
    if (report.ok()) {
        --next_;
        lastPlace_ = back.kind == MapOrderChange::Kind::Move ? back.to : back.from;
    }
    return report;
}

OrderReport MapOrderHistory::redo()
{
    const Step& step = steps_[next_];
    OrderReport report = document_.replaceOrder(step.before, step.after, step.change, step.countAfter);
    if (report.ok()) {
        ++next_;
        lastPlace_ = step.change.kind == MapOrderChange::Kind::Move ? step.change.to : step.change.from;
    }
    return report;
}

}  // namespace kelmor
