#include "levelfile/savelevel.h"

#include <cerrno>
#include <vector>

#include "levelfile/itemreader.h"

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

SaveReport saveMapToLevel(FileOps& ops, const std::string& folder, std::string_view header,
                          const MapRows& rows)
{
    SaveReport report;
    const std::string levelPath = folder + "/" + kLevelFileName;
    const std::string scratchPath = folder + "/" + kScratchFileName;
    auto fail = [&](FileStep step, const std::string& file, int error) {
        report.failure = {step, file, error};
        return report;
    };

    report.header = headerProblem(header);
    if (report.header != HeaderProblem::None)
        return fail(FileStep::Header, kLevelFileName, 0);

    int error = 0;
    std::unique_ptr<WriteFile> scratch = ops.create(scratchPath, error);
    if (!scratch)
        return fail(FileStep::Create, kScratchFileName, error);
    auto failAndClean = [&](FileStep step, const std::string& file, int err) {
        scratch.reset();
        if (const int removeError = ops.remove(scratchPath); removeError != 0 && removeError != ENOENT)
            report.cleanup = {FileStep::Remove, kScratchFileName, removeError};
        return fail(step, file, err);
    };

    std::unique_ptr<ByteSource> old = ops.openRead(levelPath, error);
    MemorySource nothing("");
    if (!old && error != ENOENT)
        return failAndClean(FileStep::Read, kLevelFileName, error);

    BufferedSink sink(*scratch);
    ItemReader reader(old ? *old : static_cast<ByteSource&>(nothing), 256 * 1024);
    report.place = writeLevelWithMap(reader, sink, header, rows);
    if (old && old->error() != 0)
        return failAndClean(FileStep::Read, kLevelFileName, old->error());
    old.reset();
    if (const int err = sink.flush())
        return failAndClean(FileStep::Write, kScratchFileName, err);
    if (const int err = scratch->flushToDisk())
        return failAndClean(FileStep::Flush, kScratchFileName, err);
    if (const int err = scratch->close())
        return failAndClean(FileStep::Close, kScratchFileName, err);
    if (const int err = ops.renameOver(scratchPath, levelPath))
        return failAndClean(FileStep::Rename, kLevelFileName, err);
    scratch.reset();
    // The new content is in place now; only its durability is in doubt.
    if (const int err = ops.syncFolder(folder))
        return fail(FileStep::Folder, folder, err);
    return report;
}

}  // namespace kelmor
