// ">|" in the real window, offscreen, on the largest file a map number
// reaches (32,767 maps), against reading that file once from the page cache.
// The goal is one frame: 16 ms of the window thread's CPU. Also a brush's
// pointer move and a fill of the whole map there, and --list and --check on
// the same file, which read it once as well.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cstdio>
#include <filesystem>
#include <map>
#include <tuple>
#include <sstream>

#include "app/asker.h"
#include "app/form1.h"
#include "app/levelreport.h"
#include "app/overviewwindow.h"
#include "document/mapoverview.h"
#include "view/mapview.h"

#include <QListView>
#include "levelgen.h"

using namespace kelmor;

namespace {

// A control of the window by its object name.
template <class T>
T* named(const QObject& window, const char* name)
{
    return window.findChild<T*>(QString::fromLatin1(name));
}

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
    std::filesystem::remove(data + "/.kelmor.cnf.recover");
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
    for (auto _ : state)
        benchmark::DoNotOptimize(bench::readPlainly(path));
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

// The window on the last map with a tool chosen and a palette entry.
struct Painting {
    explicit Painting(const char* tool) : ops(makePosixFileOps()), form(folder(), asker, *ops)
    {
        form.show();
        form.Command6_Click();
        form.findChild<QAction*>(QString::fromLatin1(tool))->trigger();
    }
    // The edits are let go, leaving no recovery file to offer the next window.
    ~Painting() { form.document().close(); }
    void send(QEvent::Type type, CellPos cell, Qt::MouseButton button, Qt::MouseButtons held)
    {
        const QPointF at(cell.column * 16 + 8, cell.row * 16 + 8);
        QMouseEvent event(type, at, named<MapView>(form, "Picture2")->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(named<MapView>(form, "Picture2"), &event);
        // The cells repainted, as the next frame would show them.
        QApplication::processEvents();
    }
    CountingAsker asker;
    std::unique_ptr<FileOps> ops;
    Form1 form;
};

// One pointer move of a brush stroke, across the whole map each time (35
// cells put, redrawn and merged into the stroke's one step).
void brushMove(benchmark::State& state)
{
    Painting painting("brushAction");
    named<QComboBox>(painting.form, "Combo1")->setCurrentIndex(1);
    painting.send(QEvent::MouseButtonPress, {0, 0}, Qt::LeftButton, Qt::LeftButton);
    bool across = false;
    for (auto _ : state) {
        across = !across;
        painting.send(QEvent::MouseMove, across ? CellPos{34, 16} : CellPos{0, 0}, Qt::NoButton, Qt::LeftButton);
    }
    painting.send(QEvent::MouseButtonRelease, {0, 0}, Qt::LeftButton, Qt::NoButton);
    if (painting.asker.asked != 0)
        state.SkipWithError("something was asked");
}

// One pointer move while the whole map, selected, is dragged: every cell
// previewed where it would land, and the view repainted.
void selectionDrag(benchmark::State& state)
{
    Painting painting("selectAction");
    painting.form.session().setSelection(CellRect::wholeMap());
    painting.send(QEvent::MouseButtonPress, {10, 8}, Qt::LeftButton, Qt::LeftButton);
    bool across = false;
    for (auto _ : state) {
        across = !across;
        painting.send(QEvent::MouseMove, across ? CellPos{12, 9} : CellPos{8, 7}, Qt::NoButton, Qt::LeftButton);
    }
    painting.send(QEvent::MouseButtonRelease, {10, 8}, Qt::LeftButton, Qt::NoButton);
    if (painting.asker.asked != 0)
        state.SkipWithError("something was asked");
}

// One key in typing mode, along a row of 35 codes and again from its start:
// the code put, its cell redrawn, the cursor moved, the run's step merged.
void typingKey(benchmark::State& state)
{
    Painting painting("penAction");
    painting.form.findChild<QAction*>(QStringLiteral("typingAction"))->trigger();
    MapView* view = named<MapView>(painting.form, "Picture2");
    int typed = 0;
    for (auto _ : state) {
        if (typed++ % kMapColumns == 0)
            view->moveCursorTo(8, 0);
        QKeyEvent key(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
        QApplication::sendEvent(view, &key);
        QApplication::processEvents();
    }
    if ((typed >= kMapColumns && painting.form.document().rows()[8] != std::string(kMapColumns, 'B')) ||
        painting.asker.asked != 0)
        state.SkipWithError("the row was not typed");
}

// A fill that changes every cell of the map, with two palette entries in turn.
void fillWholeMap(benchmark::State& state)
{
    Painting painting("fillAction");
    MapRows uniform;
    uniform.fill(std::string(kMapColumns, '1'));
    painting.form.document().writeRows(uniform);
    int entry = 0;
    for (auto _ : state) {
        state.PauseTiming();
        entry = 1 - entry;
        named<QComboBox>(painting.form, "Combo1")->setCurrentIndex(entry);
        state.ResumeTiming();
        painting.send(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
        painting.send(QEvent::MouseButtonRelease, {10, 10}, Qt::LeftButton, Qt::NoButton);
    }
    const MapRows& rows = painting.form.document().rows();
    for (const std::string& row : rows)
        if (row != std::string(kMapColumns, rows[0][0]))
            state.SkipWithError("the map was not filled whole");
    if (painting.asker.asked != 0)
        state.SkipWithError("something was asked");
}

// The editor on the file with マップ一覧 open.
struct OverviewOpen {
    OverviewOpen() : ops(makePosixFileOps()), form(folder(), asker, *ops)
    {
        form.findChild<QAction*>(QStringLiteral("overviewAction"))->trigger();
    }
    OverviewWindow& overview() { return *form.overview(); }
    CountingAsker asker;
    std::unique_ptr<FileOps> ops;
    Form1 form;
};

// マップ一覧 from nothing to its first screen of pictures: the file's first
// maps listed (the rest are listed from the event loop), then the rows of
// the maps in view read and drawn.
void overviewFirstScreen(benchmark::State& state)
{
    OverviewOpen open;
    for (auto _ : state) {
        open.overview().maps().refresh(true);
        // Laid out now, as the window would before painting.
        open.overview().list()->doItemsLayout();
        benchmark::DoNotOptimize(open.overview().list()->viewport()->grab());
    }
    open.overview().maps().listAll();
    if (open.overview().list()->model()->rowCount() != kMaps)
        state.SkipWithError("not every map listed");
}

// From the top of a freshly listed overview to the last screen, drawn.
void overviewToTheEnd(benchmark::State& state)
{
    OverviewOpen open;
    QListView* list = open.overview().list();
    for (auto _ : state) {
        state.PauseTiming();
        open.overview().maps().refresh(true);
        open.overview().maps().listAll();
        list->scrollToTop();
        list->viewport()->grab();
        state.ResumeTiming();
        list->scrollToBottom();
        benchmark::DoNotOptimize(list->viewport()->grab());
    }
}

// The commands' output is made but not printed: their own work is measured.
template <int (*Command)(const LevelFile&, std::ostream&, std::ostream&)>
void command(benchmark::State& state)
{
    const auto ops = makePosixFileOps();
    const LevelFile level(*ops, folder());
    for (auto _ : state) {
        std::ostringstream out, err;
        if (Command(level, out, err) == 2)
            state.SkipWithError("the file could not be read");
        benchmark::DoNotOptimize(out);
    }
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
BENCHMARK(brushMove)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(selectionDrag)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(typingKey)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(fillWholeMap)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(overviewFirstScreen)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(overviewToTheEnd)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(command<listMaps>)->Name("list")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(command<checkLevel>)->Name("check")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    prepareFolder();
    benchmark::Initialize(&argc, argv);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    const auto floor = collector.cpu.find("readOnce");
    if (floor == collector.cpu.end())
        return 1;
    // Rows of the table that bench/run prints: CPU time of the one thread.
    std::printf("\n");
    for (const auto& [name, what, target] :
         {std::tuple{"lastMapInWindow", "\">|\" in the window", "≤ 16 ms"},
          std::tuple{"brushMove", "one pointer move of a brush stroke", "≤ 16 ms"},
          std::tuple{"fillWholeMap", "a fill of the whole map", "≤ 16 ms"},
          std::tuple{"typingKey", "one key in typing mode", "≤ 16 ms"},
          std::tuple{"selectionDrag", "one pointer move dragging a whole-map selection", "≤ 16 ms"},
          std::tuple{"overviewFirstScreen", "マップ一覧, first screen", "a few ×"},
          std::tuple{"overviewToTheEnd", "マップ一覧, scrolled to the end", "≤ 16 ms"},
          std::tuple{"list", "--list", "≤ 4×"}, std::tuple{"check", "--check", "≤ 4×"}}) {
        const auto figure = collector.cpu.find(name);
        if (figure == collector.cpu.end())
            return 1;
        std::printf("| %s, %lld maps (CPU) | %.3f ms | %.3f ms | %.2f | %s |\n", what, static_cast<long long>(kMaps),
                    figure->second, floor->second, figure->second / floor->second, target);
    }
    return 0;
}
