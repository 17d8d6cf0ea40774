// The almanac's minute as the window runs it: the minute pass, the searches where they are
// out of date, and the tooltip's and memo's texts, on a stored offset that follows the
// computer's daylight saving (the zone read at each event's instant).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>

#include "almanac_report.h"

namespace {

void BM_AlmanacMinute(benchmark::State& state) {
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    constexpr std::time_t kMoment = 1796817600;  // 2026-12-09 12:00 UTC
    Almanac almanac;
    almanac.start({52.52, 13.4, 34}, PlaceZone(1, true), kMoment);
    for (auto _ : state) {
        almanac.advance(kMoment);
        benchmark::DoNotOptimize(almanac.text(false).size() + almanac.display_texts().age_text.size());
    }
}
BENCHMARK(BM_AlmanacMinute)->Unit(benchmark::kMicrosecond);

}  // namespace
