// The editor's work on level files of 100, 10,000 and 100,000 maps, each
// measured side by side with its physical floor in the same run, and the
// full redraw against one plain image copy, and a map moved in the largest
// file a map number reaches against writing that file once. Prints one table of ratios.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QImage>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <unistd.h>
#include <vector>

#include "levelfile/itemreader.h"
#include "levelfile/levelfile.h"
#include "levelfile/mapcount.h"
#include "levelfile/mapload.h"
#include "levelfile/savelevel.h"
#include "levelgen.h"
#include "model/blanktemplate.h"
#include "model/mapnumber.h"
#include "view/mapimage.h"

using namespace kelmor;

namespace {

std::string dataFolder()
{
    const char* env = std::getenv("KELMOR_BENCH_DATA");
    return env ? env : "bench-data";
}

std::string levelFile(std::int64_t maps)
{
    return bench::ensureLevelFile(dataFolder(), maps);
}

void readFloor(benchmark::State& state)
{
    const std::string path = levelFile(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(bench::readPlainly(path));
}

void loadLast(benchmark::State& state)
{
    const std::string path = levelFile(state.range(0));
    const auto ops = makePosixFileOps();
    for (auto _ : state) {
        int error = 0;
        const auto source = ops->openRead(path, error);
        ItemReader reader(*source);
        LoadedMap m = loadMap(reader, state.range(0));
        if (m.mapNo != state.range(0))
            state.SkipWithError("wrong map");
        benchmark::DoNotOptimize(m);
    }
}

void countMaps(benchmark::State& state)
{
    const std::string path = levelFile(state.range(0));
    const auto ops = makePosixFileOps();
    for (auto _ : state) {
        int error = 0;
        const auto source = ops->openRead(path, error);
        ItemReader reader(*source);
        if (countMapsSkippingRows(reader) != state.range(0))
            state.SkipWithError("wrong count");
    }
}

// A folder of its own holding a copy of the file as kelmor.cnf.
std::string saveFolder(std::int64_t maps)
{
    const std::string folder = dataFolder() + "/save-" + std::to_string(maps);
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(levelFile(maps), folder + "/kelmor.cnf",
                               std::filesystem::copy_options::overwrite_existing);
    return folder;
}

void saveMiddle(benchmark::State& state)
{
    const std::string folder = saveFolder(state.range(0));
    char header[32];
    std::snprintf(header, sizeof header, "*MAP%03lld", static_cast<long long>(state.range(0) / 2));
    MapRows rows;
    for (int r = 0; r < kMapRows; ++r)
        rows[static_cast<std::size_t>(r)] = blankTemplateRow(r);  // same bytes: the file stays the same size
    auto ops = makePosixFileOps();
    // As the window saves: expecting the map it loaded, which the save checks
    // while it copies the file.
    const MapOrigin loaded{false, state.range(0) / 2, RowsDigest::of(rows, kMapRows)};
    for (auto _ : state) {
        const SaveReport report = saveMapToLevel(*ops, folder, header, rows, kLevelFileName, &loaded);
        if (!report.ok() || report.place != SavePlace::Replaced)
            state.SkipWithError("save failed");
    }
}

void writeFloor(benchmark::State& state)
{
    const std::string folder = saveFolder(state.range(0));
    const std::uint64_t size = std::filesystem::file_size(folder + "/kelmor.cnf");
    std::vector<char> bytes(size, '0');
    const std::string scratch = folder + "/floor.tmp";
    const std::string target = folder + "/floor.cnf";
    for (auto _ : state) {
        const int fd = ::open(scratch.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        for (std::size_t done = 0; done < bytes.size();) {
            const ssize_t n = ::write(fd, bytes.data() + done, std::min<std::size_t>(256 * 1024, bytes.size() - done));
            if (n <= 0)
                break;
            done += static_cast<std::size_t>(n);
        }
        ::fsync(fd);
        ::close(fd);
        std::rename(scratch.c_str(), target.c_str());
    }
}

// The last map moved to the front, as --move-map does it: the whole file
// read, put together and written in one step.
void moveMap(benchmark::State& state)
{
    const std::string folder = saveFolder(state.range(0));
    auto ops = makePosixFileOps();
    const LevelFile level(*ops, folder);
    for (auto _ : state)
        if (!level.changeOrder(MapOrderChange::move(state.range(0), 1)).ok())
            state.SkipWithError("move failed");
}

void fullRedraw(benchmark::State& state)
{
    TileSheet sheet;
    QFile file(QStringLiteral(KELMOR_TILE_SHEET));
    file.open(QIODevice::ReadOnly);
    sheet.decode(file.readAll());
    const Catalogue catalogue = standardCatalogue();
    MapRows grid;
    const std::string codes = "ABCDEFGHIJKLMNOPQRSTUVWX0123456789";
    for (int r = 0; r < kMapRows; ++r)
        for (int c = 0; c < kMapColumns; ++c)
            grid[static_cast<std::size_t>(r)] += codes[static_cast<std::size_t>(r * 35 + c) % codes.size()];
    MapImage image;
    for (auto _ : state) {
        image.drawMap(grid, catalogue, sheet);
        benchmark::DoNotOptimize(image.image().constBits());
    }
}

void imageCopyFloor(benchmark::State& state)
{
    QImage from(kViewWidth, kViewHeight, QImage::Format_RGB32);
    from.fill(0xff123456);
    QImage to(kViewWidth, kViewHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        std::memcpy(to.bits(), from.constBits(), static_cast<std::size_t>(from.sizeInBytes()));
        benchmark::DoNotOptimize(to.bits());
        benchmark::ClobberMemory();
    }
}

// The three level files, by their number of maps.
void threeSizes(benchmark::internal::Benchmark* b)
{
    b->Arg(100)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->ReportAggregatesOnly();
}

// Medians of several repetitions: the machine is shared, and a rename over a
// large file now and then takes many times its usual time.
BENCHMARK(readFloor)->Apply(threeSizes)->Repetitions(5);
BENCHMARK(loadLast)->Apply(threeSizes)->Repetitions(5);
BENCHMARK(countMaps)->Apply(threeSizes)->Repetitions(5);
BENCHMARK(writeFloor)->Apply(threeSizes)->UseRealTime()->Repetitions(9);
BENCHMARK(saveMiddle)->Apply(threeSizes)->UseRealTime()->Repetitions(9);
BENCHMARK(writeFloor)
    ->Arg(kLastMapNo)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly();
BENCHMARK(moveMap)
    ->Arg(kLastMapNo)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly();
BENCHMARK(imageCopyFloor)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(fullRedraw)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

// Keeps each run's time per iteration, by name, for the table.
class Collector : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (!run.error_occurred && run.aggregate_name == "median") {
                std::string name = run.run_name.str();
                const std::size_t repeats = name.find("/repeats:");
                if (repeats != std::string::npos)
                    name.erase(repeats, name.find('/', repeats + 1) - repeats);
                times[name] = run.GetAdjustedRealTime();
            }
    }
    std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char* argv[])
{
    for (std::int64_t maps : {std::int64_t{100}, std::int64_t{10000}, std::int64_t{100000}, kLastMapNo})
        levelFile(maps);
    benchmark::Initialize(&argc, argv);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);

    struct Row {
        std::string what, figure, floor, unit;
        double target;
    };
    std::vector<Row> rows;
    for (const char* n : {"100", "10000", "100000"}) {
        const std::string s = n;
        rows.push_back({"load last map, " + s + " maps", "loadLast/" + s, "readFloor/" + s, "ms", 2.5});
        rows.push_back({"count maps, " + s + " maps", "countMaps/" + s, "readFloor/" + s, "ms", 2.0});
        rows.push_back({"save middle map, " + s + " maps", "saveMiddle/" + s + "/real_time",
                        "writeFloor/" + s + "/real_time", "ms", 1.5});
    }
    const std::string most = std::to_string(kLastMapNo);
    rows.push_back({"move the last map to the front, " + most + " maps", "moveMap/" + most + "/real_time",
                    "writeFloor/" + most + "/real_time", "ms", 3.0});
    rows.push_back({"full redraw", "fullRedraw", "imageCopyFloor", "µs", 3.0});

    std::printf("\n| figure | time | floor | ratio | target |\n|---|---|---|---|---|\n");
    for (const Row& r : rows) {
        const auto f = collector.times.find(r.figure);
        const auto g = collector.times.find(r.floor);
        if (f == collector.times.end() || g == collector.times.end())
            continue;
        std::printf("| %s | %.3f %s | %.3f %s | %.2f | ≤ %.1f |\n", r.what.c_str(), f->second, r.unit.c_str(),
                    g->second, r.unit.c_str(), f->second / g->second, r.target);
    }
    return 0;
}
