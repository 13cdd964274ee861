#include "levelfile/savetarget.h"

#include "levelfile/savelevel.h"

namespace kelmor {

SaveTarget targetOf(FileOps& ops, const std::string& folder, const std::string& levelName)
{
    SaveTarget target;
    target.level = ops.resolve(folder + "/" + levelName);
    const std::size_t slash = target.level.rfind('/');
    target.folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.level.substr(0, slash);
    target.scratch = target.folder + "/" + kScratchFileName;
    return target;
}

bool isScratchTarget(const SaveTarget& target)
{
    const std::size_t slash = target.level.rfind('/');
    return target.level.substr(slash == std::string::npos ? 0 : slash + 1) == kScratchFileName;
}

}  // namespace kelmor
