// A search over the whole list of places, as each keystroke in the dialog's Place field
// runs it: the goal is well under 5 ms.
#include <benchmark/benchmark.h>

#include "places.h"

namespace {

void BM_FindPlaces(benchmark::State& state, const char* typed) {
    constexpr std::size_t kListed = 12;  // as the dialog lists them
    for (auto _ : state) benchmark::DoNotOptimize(places::find_places(typed, kListed));
}

BENCHMARK_CAPTURE(BM_FindPlaces, two_letters, "Pa")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FindPlaces, accented, "Zürich")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FindPlaces, with_country, "Springfield, united")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FindPlaces, nothing_found, "Xqzzyville")->Unit(benchmark::kMicrosecond);

}  // namespace
