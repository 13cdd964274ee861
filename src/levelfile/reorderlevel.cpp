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

}  // namespace

OrderReport changeMapOrderInLevel(FileOps& ops, const std::string& folder, const std::string& levelName,
                                  const MapOrderChange& change, const OrderExpectation* expected)
{
    OrderReport report;
    SaveTarget target = targetOf(ops, folder, levelName);
    if (isScratchTarget(target)) {
        report.failure = {FileStep::IsScratch, levelName, 0};
        return report;
    }
    int error = 0;
    const std::unique_ptr<FolderLock> lock = ops.lockFolder(target.folder, error);
    if (!lock && error == EWOULDBLOCK) {
        report.failure = {FileStep::Lock, levelName, error};
        return report;
    }
    if ((error = ops.inspect(target.level, target.facts)) != 0 || !target.facts.exists) {
        report.failure = {FileStep::Open, levelName, error != 0 ? error : ENOENT};
        return report;
    }
    if (!target.facts.regular) {
        report.failure = {FileStep::NotRegular, levelName, 0};
        return report;
    }
    if (target.facts.notWritable != 0) {
        report.failure = {FileStep::ReadOnly, levelName, target.facts.notWritable};
        return report;
    }
    const std::unique_ptr<FileBytes> bytes = ops.wholeFile(target.level, kMostBytes, error);
    if (!bytes) {
        report.failure = {FileStep::Read, levelName, error};
        return report;
    }
    if (expected && !asExpected(bytes->bytes(), target.facts, change, *expected)) {
        report.changed = true;
        return report;
    }
    const MapOrder order = changeMapOrder(bytes->bytes(), change);
    report.refusal = order.refusal;
    report.reason = order.reason;
    report.header = order.header;
    report.count = order.count;
    if (order.refusal != OrderRefusal::None || order.unchanged) {
        report.stamp = stampOf(target.facts);
        return report;
    }
    if ((error = writeAtomically(ops, target.level, order.pieces, true, &target.facts)) != 0) {
        report.failure = {FileStep::Write, levelName, error};
        return report;
    }
    FileFacts after;
    if (ops.inspect(target.level, after) == 0)
        report.stamp = stampOf(after);
    // The new file is in place now; only its durability is in doubt.
    if ((error = ops.syncFolder(target.folder)) != 0)
        report.failure = {FileStep::Folder, target.folder, error};
    return report;
}

}  // namespace kelmor
