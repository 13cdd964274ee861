#include "fs/filestamp.h"

namespace kelmor {

FileStamp stampOf(const FileFacts& facts)
{
    if (!facts.exists)
        return {};
    return {true, facts.device, facts.inode, facts.size, facts.modifiedNs, facts.changedNs};
}

int stampFile(FileOps& ops, const std::string& path, FileStamp& stamp)
{
    FileFacts facts;
    const int error = ops.inspect(path, facts);
    stamp = error == 0 ? stampOf(facts) : FileStamp{};
    return error;
}

OutsideChange judgeOutsideChange(const FileStamp& known, const FileStamp& now, int error)
{
    if (error != 0 || !now.exists)
        return known.exists || error != 0 ? OutsideChange::Gone : OutsideChange::None;
    return now == known ? OutsideChange::None : OutsideChange::Changed;
}

}  // namespace kelmor
