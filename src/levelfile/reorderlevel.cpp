#include "levelfile/reorderlevel.h"

#include <cerrno>

#include "fs/atomicwrite.h"
#include "fs/bytesource.h"
#include "levelfile/itemreader.h"
#include "levelfile/mapload.h"
#include "levelfile/mapsave.h"
#include "levelfile/savetarget.h"

namespace kelmor {

namespace {

// A level file the editor reads is far smaller; this bounds what is held.
constexpr std::size_t kMostBytes = std::size_t{1} << 30;

// Whether the file is still what the caller read: its stamp, and the map it names.
bool asExpected(std::string_view bytes, const FileFacts& facts, const MapOrderChange& change,
                const OrderExpectation& expected)
{
    if (stampOf(facts) != expected.stamp)
        return false;
    if (!expected.rows)
        return true;
    MemorySource source(bytes);
    ItemReader reader(source);
    const LoadedMap map = loadMap(reader, change.from);
    return map.found && map.mapNo == change.from && RowsDigest::of(map.rows, map.rowsRead) == *expected.rows;
}

// The file, locked and read whole, for a change written in one step.
struct Opened {
    SaveTarget target;
    std::unique_ptr<FolderLock> lock;
    std::unique_ptr<FileBytes> bytes;
};

// Locks the folder and reads the file; false with `report.failure` set.
bool openForChange(FileOps& ops, const std::string& folder, const std::string& levelName, Opened& opened,
                   OrderReport& report)
{
    SaveTarget& target = opened.target;
    target = targetOf(ops, folder, levelName);
    if (isScratchTarget(target)) {
        report.failure = {FileStep::IsScratch, levelName, 0};
        return false;
    }
    int error = 0;
    opened.lock = ops.lockFolder(target.folder, error);
    if (!opened.lock && error == EWOULDBLOCK) {
        report.failure = {FileStep::Lock, levelName, error};
        return false;
    }
    if ((error = ops.inspect(target.level, target.facts)) != 0 || !target.facts.exists) {
        report.failure = {FileStep::Open, levelName, error != 0 ? error : ENOENT};
        return false;
    }
    if (!target.facts.regular) {
        report.failure = {FileStep::NotRegular, levelName, 0};
        return false;
    }
    if (target.facts.notWritable != 0) {
        report.failure = {FileStep::ReadOnly, levelName, target.facts.notWritable};
        return false;
    }
    if (!(opened.bytes = ops.wholeFile(target.level, kMostBytes, error))) {
        report.failure = {FileStep::Read, levelName, error};
        return false;
    }
    report.before = report.stamp = stampOf(target.facts);
    return true;
}

// Writes the new file over the old one in one step, its mode kept.
void writeChange(FileOps& ops, const std::string& levelName, const SaveTarget& target,
                 const std::vector<std::string_view>& pieces, OrderReport& report)
{
    if (const int error = writeAtomically(ops, target.level, pieces, true, &target.facts)) {
        report.failure = {FileStep::Write, levelName, error};
        return;
    }
    FileFacts after;
    if (ops.inspect(target.level, after) == 0)
        report.stamp = stampOf(after);
    // The new file is in place now; only its durability is in doubt.
    if (const int error = ops.syncFolder(target.folder))
        report.failure = {FileStep::Folder, target.folder, error};
}

}  // namespace

OrderReport changeMapOrderInLevel(FileOps& ops, const std::string& folder, const std::string& levelName,
                                  const MapOrderChange& change, const OrderExpectation* expected, bool keepBytes)
{
    OrderReport report;
    Opened opened;
    if (!openForChange(ops, folder, levelName, opened, report))
        return report;
    const std::string_view bytes = opened.bytes->bytes();
    if (expected && !asExpected(bytes, opened.target.facts, change, *expected)) {
        report.changed = true;
        return report;
    }
    const MapOrder order = changeMapOrder(bytes, change);
    report.refusal = order.refusal;
    report.reason = order.reason;
    report.header = order.header;
    report.count = order.count;
    if (order.refusal != OrderRefusal::None || order.unchanged)
        return report;
    if (keepBytes) {
        report.bytesBefore = bytes;
        report.bytesAfter = order.text();
    }
    writeChange(ops, levelName, opened.target, order.pieces, report);
    return report;
}

OrderReport replaceLevelBytes(FileOps& ops, const std::string& folder, const std::string& levelName,
                              std::string_view expected, std::string_view bytes)
{
    OrderReport report;
    Opened opened;
    if (!openForChange(ops, folder, levelName, opened, report))
        return report;
    if (opened.bytes->bytes() != expected) {
        report.changed = true;
        return report;
    }
    writeChange(ops, levelName, opened.target, {bytes}, report);
    return report;
}

}  // namespace kelmor
