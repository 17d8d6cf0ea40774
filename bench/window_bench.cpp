// The running clock's wake-up of a second: the clock read, the change's region and the
// repaint of it (offscreen), with the heap allocations it makes.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <ctime>
#include <string>

#include "Unit1.h"
#include "alloc_count.h"

namespace {

void BM_SecondWakeUp(benchmark::State& state) {
    const std::string settings = (QDir::tempPath() + QStringLiteral("/orbalis_bench.ini")).toStdString();
    timespec now{1796817600, 120'000'000};  // 2026-12-09 12:00:00.12 UTC, early in the second
    TForm1 form(settings, [&now] { return now; });
    form.show();
    QCoreApplication::processEvents();
    form.tick.stop();  // the benchmark is the wake-up now
    std::uint64_t allocations = 0;
    for (auto _ : state) {
        ++now.tv_sec;
        if (now.tv_sec % 60 == 0) {  // the minute's work, which this wake-up also does, is timed apart
            state.PauseTiming();
            form.tick.Timer2Timer();
            ++now.tv_sec;
            state.ResumeTiming();
        }
        alloc_count::start();
        form.tick.Timer2Timer();
        allocations += alloc_count::stop();
    }
    form.tick.stop();
    state.counters["allocs"] = benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
    QDir().remove(QString::fromStdString(settings));
}
BENCHMARK(BM_SecondWakeUp)->Unit(benchmark::kMicrosecond);

}  // namespace
