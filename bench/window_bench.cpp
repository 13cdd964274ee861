// ">|" in the real window, offscreen, on the largest file a map number
// reaches (32,767 maps), against reading that file once from the page cache.
// The goal is one frame: 16 ms of the window thread's CPU.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <unistd.h>
#include <vector>

#include "app/asker.h"
#include "app/form1.h"
#include "levelgen.h"

using namespace kelmor;

namespace {

constexpr std::int64_t kMaps = kLastMapNo;

std::string folder()
{
    const char* env = std::getenv("KELMOR_BENCH_DATA");
    return std::string(env ? env : "bench-data") + "/window";
}

// A window of its own on a copy of the file, beside our tile sheet.
void prepareFolder()
{
    const std::string data = folder();
    const std::string level = bench::ensureLevelFile(data + "/..", kMaps);
    std::filesystem::create_directories(data);
    std::filesystem::copy_file(level, data + "/kelmor.cnf", std::filesystem::copy_options::overwrite_existing);
    std::filesystem::copy_file(KELMOR_TILE_SHEET, data + "/kelmor.bmp",
                               std::filesystem::copy_options::overwrite_existing);
}

// Nothing should be asked or told: anything that is makes the run an error.
class CountingAsker final : public Asker {
public:
    bool askYesNo(const QString&) override { return ++asked, false; }
    void notify(const QString&) override { ++asked; }
    std::optional<QString> askText(const QString&) override { return ++asked, std::nullopt; }
    int asked = 0;
};

void readOnce(benchmark::State& state)
{
    const std::string path = folder() + "/kelmor.cnf";
    std::vector<char> buffer(64 * 1024);
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        std::size_t total = 0;
        for (ssize_t n; (n = ::read(fd, buffer.data(), buffer.size())) > 0;)
            total += static_cast<std::size_t>(n);
        ::close(fd);
        benchmark::DoNotOptimize(total);
    }
}

void lastMapInWindow(benchmark::State& state)
{
    CountingAsker asker;
    const auto ops = makePosixFileOps();
    Form1 form(folder(), asker, *ops);
    // On the last map already, ">|" reads the file and loads that map again.
    for (auto _ : state)
        form.Command6_Click();
    if (form.document().mapNo() != kMaps || asker.asked != 0)
        state.SkipWithError("not on the last map, or something was asked");
}

class Collector : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (!run.error_occurred && run.aggregate_name == "median")
                cpu[run.run_name.function_name] = run.GetAdjustedCPUTime();
    }
    std::map<std::string, double> cpu;
};

}  // namespace

BENCHMARK(readOnce)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(lastMapInWindow)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    prepareFolder();
    benchmark::Initialize(&argc, argv);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    const auto window = collector.cpu.find("lastMapInWindow");
    const auto floor = collector.cpu.find("readOnce");
    if (window == collector.cpu.end() || floor == collector.cpu.end())
        return 1;
    // One row of the table that bench/run prints: CPU time of the window's thread.
    std::printf("\n| \">|\" in the window, %lld maps (CPU) | %.3f ms | %.3f ms | %.2f | ≤ 16 ms |\n",
                static_cast<long long>(kMaps), window->second, floor->second, window->second / floor->second);
    return 0;
}
