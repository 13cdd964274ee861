#include "levelfile/savelevel.h"

#include <cerrno>
#include <vector>

#include "levelfile/itemreader.h"
#include "levelfile/mapload.h"
#include "levelfile/savetarget.h"

namespace kelmor {

namespace {

// Gathers output into large writes; the first failed write stops the save.
class BufferedSink final : public ByteSink {
public:
    explicit BufferedSink(WriteFile& file) : file_(file) { buffer_.reserve(kCapacity); }

    void append(std::string_view bytes) override
    {
        if (error_ != 0)
            return;
        // Large pieces (whole runs of lines) are written straight through.
        if (bytes.size() >= kDirect || buffer_.size() + bytes.size() > kCapacity) {
            flush();
            if (bytes.size() >= kDirect) {
                if (error_ == 0)
                    error_ = file_.write(bytes.data(), bytes.size());
                return;
            }
        }
        buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
    }

    bool ok() const override { return error_ == 0; }

    int flush()
    {
        if (error_ == 0 && !buffer_.empty())
            error_ = file_.write(buffer_.data(), buffer_.size());
        buffer_.clear();
        return error_;
    }

private:
    static constexpr std::size_t kCapacity = 256 * 1024;
    static constexpr std::size_t kDirect = 16 * 1024;
    WriteFile& file_;
    std::vector<char> buffer_;
    int error_ = 0;
};

// Writes the level file's next content into the scratch file and forces it
// to disk; returns what failed, if anything. A missing level file counts as
// an empty one.
FileFailure writeNextContent(FileOps& ops, const std::string& levelPath, const std::string& levelName,
                             const FileFacts& facts, WriteFile& scratch, std::string_view header, const MapRows& rows,
                             WrittenMap& written)
{
    // The level file keeps what it was: its permission bits, owner and group.
    if (facts.exists)
        if (const int err = scratch.adopt(facts))
            return {FileStep::Create, kScratchFileName, err};
    int error = 0;
    const std::unique_ptr<ByteSource> old = ops.openRead(levelPath, error);
    if (!old && error != ENOENT)
        return {FileStep::Read, levelName, error};
    MemorySource nothing("");
    BufferedSink sink(scratch);
    ItemReader reader(old ? *old : static_cast<ByteSource&>(nothing), 256 * 1024);
    written = writeLevelWithMap(reader, sink, header, rows);
    if (old && old->error() != 0)
        return {FileStep::Read, levelName, old->error()};
    if (const int err = sink.flush())
        return {FileStep::Write, kScratchFileName, err};
    if (const int err = scratch.flushToDisk())
        return {FileStep::Flush, kScratchFileName, err};
    if (const int err = scratch.close())
        return {FileStep::Close, kScratchFileName, err};
    return {};
}

}  // namespace

HeaderProblem headerProblem(std::string_view header)
{
    if (header.find('*') == std::string_view::npos)
        return HeaderProblem::NoStar;
    if (header.front() == '"')
        return HeaderProblem::LeadingQuote;
    if (header.front() == ' ')
        return HeaderProblem::LeadingBlank;
    if (header.find_first_of("\r\n") != std::string_view::npos)
        return HeaderProblem::LineBreak;
    if (header.find(',') != std::string_view::npos)
        return HeaderProblem::Comma;
    return HeaderProblem::None;
}

namespace {

// Checks everything that can be known before the scratch file is made.
FileFailure prepare(FileOps& ops, const std::string& levelName, SaveTarget& target)
{
    if (const int err = ops.inspect(target.level, target.facts))
        return {FileStep::Read, levelName, err};
    if (target.facts.exists && !target.facts.regular)
        return {FileStep::NotRegular, levelName, 0};
    if (target.facts.exists && target.facts.notWritable != 0)
        return {FileStep::ReadOnly, levelName, target.facts.notWritable};
    // Whatever stands at the scratch file's name goes first: a link there
    // would lead the save into another file, and a file another user planted
    // would become the level file. The new one is made where nothing stands.
    if (const int err = ops.remove(target.scratch); err != 0 && err != ENOENT)
        return {FileStep::Create, kScratchFileName, err};
    return {};
}

// Whether the map the header found is not the one the save is meant for.
bool overwritesAnother(const WrittenMap& written, const MapOrigin& origin)
{
    if (written.place == SavePlace::Appended)
        return false;
    return origin.created || written.mapNo != origin.mapNo || written.oldRows != origin.rows;
}

// Whether the scratch file gives the map back as loading will find it: by the
// number it was written under, with its header and rows. One that does not
// (an earlier map cut off would take it for its rows, a disk that returns
// other bytes) must not take the place of a level file that still reads.
FileFailure readBack(FileOps& ops, const std::string& scratch, const WrittenMap& written, std::string_view header,
                     const MapRows& rows)
{
    int error = 0;
    const std::unique_ptr<ByteSource> source = ops.openRead(scratch, error);
    if (!source)
        return {FileStep::ReadBack, kScratchFileName, error};
    ItemReader reader(*source, 256 * 1024);
    const LoadedMap map = loadMap(reader, written.mapNo);
    if (source->error() != 0)
        return {FileStep::ReadBack, kScratchFileName, source->error()};
    if (map.mapNo != written.mapNo || map.header != header || map.rowsRead != kMapRows || map.rows != rows)
        return {FileStep::ReadBack, kScratchFileName, 0};
    return {};
}

// One try at the save, with the folder locked. `changed`: another program
// changed the level file while this try read it and wrote the scratch file;
// nothing was renamed, and the save starts again from the file as it is now.
SaveReport saveOnce(FileOps& ops, const std::string& levelName, SaveTarget& target, std::string_view header,
                    const MapRows& rows, const MapOrigin* expected, bool& changed)
{
    SaveReport report;
    changed = false;
    if ((report.failure = prepare(ops, levelName, target)).failed())
        return report;
    int error = 0;
    // Private until it has the level file's own permission bits.
    std::unique_ptr<WriteFile> scratch = ops.create(target.scratch, target.facts.exists ? 0600 : 0666, error);
    if (!scratch) {
        report.failure = {FileStep::Create, kScratchFileName, error};
        return report;
    }
    const auto abandon = [&] {
        if (const int err = ops.remove(target.scratch); err != 0 && err != ENOENT)
            report.cleanup = {FileStep::Remove, kScratchFileName, err};
        return report;
    };
    WrittenMap written;
    report.failure = writeNextContent(ops, target.level, levelName, target.facts, *scratch, header, rows, written);
    scratch.reset();
    report.place = written.place;
    if (report.failure.failed())
        return abandon();
    if (expected && overwritesAnother(written, *expected)) {
        report.conflict = MapOrigin{false, written.mapNo, written.oldRows};
        return abandon();
    }
    if ((report.failure = readBack(ops, target.scratch, written, header, rows)).failed())
        return abandon();
    FileFacts ours;
    if (const int err = ops.inspect(target.scratch, ours)) {
        report.failure = {FileStep::ReadBack, kScratchFileName, err};
        return abandon();
    }
    // The last look before the rename. A program that takes no lock can still
    // replace the file between this look and the rename; nothing short of a
    // rename that compares could close that gap.
    FileFacts now;
    if (const int err = ops.inspect(target.level, now)) {
        report.failure = {FileStep::Read, levelName, err};
        return abandon();
    }
    if (stampOf(now) != stampOf(target.facts)) {
        changed = true;
        return abandon();
    }
    if (const int err = ops.renameOver(target.scratch, target.level)) {
        report.failure = {FileStep::Rename, levelName, err};
        return abandon();
    }
    report.saved = {false, written.mapNo, RowsDigest::of(rows, kMapRows)};
    // The rename gives the file a new change time, so its stamp is taken
    // after it; a file that is not the one renamed there is another's, and
    // keeps the scratch file's stamp, which tells a change later.
    FileFacts after;
    report.stamp = stampOf(ours);
    if (ops.inspect(target.level, after) == 0 && after.exists && after.device == ours.device &&
        after.inode == ours.inode)
        report.stamp = stampOf(after);
    return report;
}

// How often a save starts again while another program keeps changing the file.
constexpr int kSaveAttempts = 3;

}  // namespace

bool isScratchFile(FileOps& ops, const std::string& folder, const std::string& levelName)
{
    return isScratchTarget(targetOf(ops, folder, levelName));
}

void removeStaleScratch(FileOps& ops, const std::string& folder, const std::string& levelName)
{
    const SaveTarget target = targetOf(ops, folder, levelName);
    if (isScratchTarget(target))
        return;  // that is the level file itself
    int error = 0;
    const std::unique_ptr<FolderLock> lock = ops.lockFolder(target.folder, error);
    if (lock)
        ops.remove(target.scratch);
}

SaveReport saveMapToLevel(FileOps& ops, const std::string& folder, std::string_view header, const MapRows& rows,
                          const std::string& levelName, const MapOrigin* expected)
{
    SaveReport report;
    report.header = headerProblem(header);
    if (report.header != HeaderProblem::None) {
        report.failure = {FileStep::Header, levelName, 0};
        return report;
    }
    SaveTarget target = targetOf(ops, folder, levelName);
    if (isScratchTarget(target)) {
        report.failure = {FileStep::IsScratch, levelName, 0};
        return report;
    }
    int error = 0;
    // Another editor's save into the same file waits for this one, or gives
    // up. A folder that cannot be opened to be locked (one without read
    // permission) is still saved into, as before, unlocked.
    const std::unique_ptr<FolderLock> lock = ops.lockFolder(target.folder, error);
    if (!lock && error == EWOULDBLOCK) {
        report.failure = {FileStep::Lock, levelName, error};
        return report;
    }
    for (int attempt = 1;; ++attempt) {
        bool changed = false;
        report = saveOnce(ops, levelName, target, header, rows, expected, changed);
        if (!changed)
            break;
        if (attempt == kSaveAttempts) {
            report.failure = {FileStep::Changing, levelName, 0};
            return report;
        }
    }
    if (!report.ok())
        return report;
    // The new content is in place now; only its durability is in doubt.
    if (const int err = ops.syncFolder(target.folder))
        report.failure = {FileStep::Folder, target.folder, err};
    return report;
}

}  // namespace kelmor
