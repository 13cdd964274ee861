// --list and --check on any file: no crash; --list prints a line for each
// map the last-map button counts, numbered in order; every finding of
// --check names a map the file has, and a row and column that map has.
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/levelreport.h"
#include "fs/fileops.h"
#include "fuzzinput.h"
#include "scratchfolder.h"

using namespace kelmor;

namespace {
void mustBe(bool holds)
{
    if (!holds)
        std::abort();
}

// "FILE:map N:row R:column C: message": the three numbers, -1 when absent.
struct Finding {
    long long map = -1, row = -1, column = -1;
};

bool takeNumber(std::string_view& line, std::string_view name, long long& value)
{
    if (!line.starts_with(name))
        return false;
    line.remove_prefix(name.size());
    std::size_t digits = 0;
    value = 0;
    while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9')
        value = value * 10 + (line[digits++] - '0');
    mustBe(digits > 0 && digits < 12);
    line.remove_prefix(digits);
    return true;
}

Finding parseFinding(std::string_view line, const std::string& file)
{
    mustBe(line.starts_with(file));
    line.remove_prefix(file.size());
    Finding finding;
    takeNumber(line, ":map ", finding.map);
    takeNumber(line, ":row ", finding.row);
    takeNumber(line, ":column ", finding.column);
    mustBe(line.starts_with(": ") && line.size() > 2);
    return finding;
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    mustBe(text.empty() || text.back() == '\n');
    return lines;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::unique_ptr<FileOps> ops = makePosixFileOps();
    const LevelFile level(*ops, scratchFolder());
    std::ofstream(level.path(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    const MapCount count = level.countMaps();
    mustBe(!count.failure.failed());
    // Each map's rows as read, to know which places exist.
    std::vector<LoadedMap> maps;
    mustBe(!level.walk([&](const LoadedMap& map) { maps.push_back(map); }, [](std::int64_t, const std::string&) {})
                .failed());
    mustBe(static_cast<std::int64_t>(maps.size()) == count.count);

    std::ostringstream listed, checked, err;
    mustBe(listMaps(level, listed, err) == 0);
    const std::vector<std::string> lines = linesOf(listed.str());
    mustBe(static_cast<std::int64_t>(lines.size()) == count.count);
    for (std::size_t i = 0; i < lines.size(); ++i)
        mustBe(lines[i].starts_with(std::to_string(i + 1) + "\t"));

    const int checkedExit = checkLevel(level, checked, err);
    mustBe(err.str().empty());
    const std::vector<std::string> findings = linesOf(checked.str());
    mustBe(checkedExit == (findings.empty() ? 0 : 1));
    for (const std::string& line : findings) {
        const Finding finding = parseFinding(line, level.path());
        if (finding.map < 0) {
            // Only an item before the first map belongs to none.
            mustBe(finding.row < 0 && finding.column < 0);
            continue;
        }
        mustBe(finding.map >= 1 && finding.map <= count.count);
        const LoadedMap& map = maps[static_cast<std::size_t>(finding.map - 1)];
        mustBe(map.mapNo == finding.map);
        if (finding.row >= 0)
            mustBe(finding.row < map.rowsRead);
        if (finding.column >= 0)
            mustBe(finding.row >= 0 && finding.column < kMapColumns &&
                   static_cast<std::size_t>(finding.column) < map.rows[static_cast<std::size_t>(finding.row)].size());
    }
    return 0;
}
