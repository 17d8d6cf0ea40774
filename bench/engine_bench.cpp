// The engine's minute pass and its parts, and the trigonometry it cannot avoid.
#include <benchmark/benchmark.h>

#include <cmath>

#include "context.h"
#include "frames.h"
#include "observer.h"
#include "planets.h"
#include "trig_count.h"

namespace {

struct Moment {
    int year = 2026, month = 12, day = 8, hour = 21, minute = 30, second = 15;
};

astro::CalcContext prepared() {
    astro::CalcContext ctx;
    ctx.tz_hours = 9;
    astro::set_observer(ctx, 35, 135, 0);
    const Moment m;
    ctx.delta_t = astro::delta_t_seconds(m.year, m.month, m.day);
    astro::set_time_and_orient(ctx, m.year, m.month, m.day, m.hour, m.minute, m.second);
    return ctx;
}

// What the clock's minute update runs (setting the time runs the frame pass).
void minute_pass(astro::CalcContext& ctx, astro::CPlnt_Data& planets) {
    const Moment m;
    ctx.delta_t = astro::delta_t_seconds(m.year, m.month, m.day);
    astro::set_time_and_orient(ctx, m.year, m.month, m.day, m.hour, m.minute, m.second);
    astro::compute(planets, ctx.t2000);
}

std::uint64_t trig_calls_per_pass() {
    astro::CalcContext ctx = prepared();
    astro::CPlnt_Data planets;
    trig_count::start();
    minute_pass(ctx, planets);
    return trig_count::stop();
}

void BM_MinutePass(benchmark::State& state) {
    astro::CalcContext ctx = prepared();
    astro::CPlnt_Data planets;
    for (auto _ : state) {
        minute_pass(ctx, planets);
        benchmark::DoNotOptimize(planets.moon_age);
    }
    state.counters["trig_calls"] = static_cast<double>(trig_calls_per_pass());
}
BENCHMARK(BM_MinutePass);

// As many cos/sin calls on similar arguments (degrees turned into radians) as one pass makes.
void BM_TrigReference(benchmark::State& state) {
    const std::uint64_t n = trig_calls_per_pass();
    double arg = 0.1;
    for (auto _ : state) {
        double sum = 0;
        for (std::uint64_t i = 0; i < n; ++i) {
            arg += 37.123;  // degrees kept within two turns, like the engine's reduced angles
            if (arg >= 720) arg -= 720;
            sum += (i & 1) ? std::sin(arg * astro::kDegToRad) : std::cos(arg * astro::kDegToRad);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["trig_calls"] = static_cast<double>(n);
}
BENCHMARK(BM_TrigReference);

void BM_ComputeFrames(benchmark::State& state) {
    astro::CalcContext ctx = prepared();
    for (auto _ : state) {
        astro::compute_frames(ctx);
        benchmark::DoNotOptimize(ctx.gast_deg);
    }
}
BENCHMARK(BM_ComputeFrames);

void BM_ComputeSunAndMoon(benchmark::State& state) {
    astro::CalcContext ctx = prepared();
    for (auto _ : state) {
        astro::compute_sun_and_moon(ctx);
        benchmark::DoNotOptimize(ctx.moonrise);
    }
}
BENCHMARK(BM_ComputeSunAndMoon);

void BM_PlanetPass(benchmark::State& state) {
    astro::CalcContext ctx = prepared();
    astro::CPlnt_Data planets;
    for (auto _ : state) {
        astro::compute(planets, ctx.t2000);
        benchmark::DoNotOptimize(planets.moon_age);
    }
}
BENCHMARK(BM_PlanetPass);

}  // namespace
