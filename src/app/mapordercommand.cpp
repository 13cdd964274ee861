#include "app/mapordercommand.h"

#include <cstring>

#include "app/levelreport.h"

namespace kelmor {

int changeMapOrderCommand(const LevelFile& level, const MapOrderChange& change, std::ostream& out, std::ostream& err)
{
    const OrderReport report = level.changeOrder(change);
    const FileFailure& failure = report.failure;
    const std::string path = escapeField(level.path());
    switch (failure.step) {
    case FileStep::None: break;
    case FileStep::Open:
    case FileStep::Read:
    case FileStep::NotRegular: tellReadFailure(level, failure, err); return 2;
    case FileStep::Lock:
        err << "kelmor-edit: " << path << ": another editor kept saving into its folder; nothing was changed\n";
        return 2;
    case FileStep::Folder:
        err << "kelmor-edit: " << path << ": the maps were changed, but the folder could not be forced to disk ("
            << std::strerror(failure.error) << "): a power cut now could undo the change\n";
        return 2;
    default:
        err << "kelmor-edit: cannot write " << path << ": " << std::strerror(failure.error)
            << "; nothing was changed\n";
        return 2;
    }
    if (report.refusal != OrderRefusal::None) {
        err << "kelmor-edit: " << path << ": " << report.reason << "; nothing was changed\n";
        return 2;
    }
    if (change.kind == MapOrderChange::Kind::Insert)
        out << escapeField(report.header) << "\n";
    return 0;
}

}  // namespace kelmor
