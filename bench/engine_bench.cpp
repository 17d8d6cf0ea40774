// The engine's minute pass and its parts, and the trigonometry it cannot avoid.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "almanac.h"
#include "apsides.h"
#include "seasons.h"
#include "sun_bands.h"
#include "eclipses.h"
#include "next_crossing.h"
#include "frames.h"
#include "observer.h"
#include "planets.h"
#include "trig_count.h"

namespace {

constexpr astro::CivilMoment kMoment{2026, 12, 8, 21, 30, 15};

astro::CalcContext prepared() {
    astro::CalcContext ctx;
    astro::CPlnt_Data planets;
    ctx.tz_hours = 9;
    astro::set_observer(ctx, 35, 135, 0);
    astro::minute_pass(ctx, planets, kMoment);
    return ctx;
}

void minute_pass(astro::CalcContext& ctx, astro::CPlnt_Data& planets) { astro::minute_pass(ctx, planets, kMoment); }

std::uint64_t trig_calls_per_pass() {
    astro::CalcContext ctx = prepared();
    astro::CPlnt_Data planets;
    trig_count::start();
    minute_pass(ctx, planets);
    return trig_count::stop();
}

// The trigonometric calls of one pass, in order, with their arguments.
std::vector<trig_count::Call> trig_calls_of_pass() {
    trig_calls_per_pass();
    return trig_count::recorded();
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

// The trigonometry the pass cannot avoid: its own cos, sin and sincos calls, replayed on
// the arguments it made them with.
void BM_TrigReference(benchmark::State& state) {
    const std::vector<trig_count::Call> calls = trig_calls_of_pass();
    for (auto _ : state) {
        double sum = 0;
        for (const trig_count::Call& c : calls) {
            switch (c.kind) {
                case trig_count::Kind::kCos: sum += std::cos(c.argument); break;
                case trig_count::Kind::kSin: sum += std::sin(c.argument); break;
                case trig_count::Kind::kSinCos: {
                    double s = 0, co = 0;
                    sincos(c.argument, &s, &co);
                    sum += s + co;
                    break;
                }
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["trig_calls"] = static_cast<double>(trig_calls_per_pass());
}
BENCHMARK(BM_TrigReference);

// As many cos/sin calls as one pass makes, on degrees stepped regularly through two turns:
// a machine-neutral cross-check of the replay above.
void BM_TrigSteppedReference(benchmark::State& state) {
    const std::uint64_t n = trig_calls_per_pass();
    double arg = 0.1;
    for (auto _ : state) {
        double sum = 0;
        for (std::uint64_t i = 0; i < n; ++i) {
            arg += 37.123;
            if (arg >= 720) arg -= 720;
            sum += (i & 1) ? std::sin(arg * astro::kDegToRad) : std::cos(arg * astro::kDegToRad);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["trig_calls"] = static_cast<double>(n);
}
BENCHMARK(BM_TrigSteppedReference);

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
        astro::compute(planets, ctx);
        benchmark::DoNotOptimize(planets.moon_age);
    }
}
BENCHMARK(BM_PlanetPass);

// The search for the next new moon, quarters and full moon, run when the tooltip's
// phases have passed.
void BM_NextPrincipalPhases(benchmark::State& state) {
    const astro::CalcContext ctx = prepared();
    const double jd_ut = astro::ut_julian_day(ctx);
    for (auto _ : state) {
        const astro::NextPhases next = astro::next_principal_phases(jd_ut, ctx.delta_t);
        benchmark::DoNotOptimize(next.jd_ut[0]);
    }
}
BENCHMARK(BM_NextPrincipalPhases)->Unit(benchmark::kMicrosecond);

// The next lunar eclipse and the next solar eclipse seen here, up to 25 years ahead,
// searched once a day (goal: under 20 ms). From London at the start of 2032, whose next
// solar eclipse seen is years away.
void BM_NextEclipses(benchmark::State& state) {
    astro::CalcContext ctx;
    astro::CPlnt_Data planets;
    ctx.tz_hours = 0;
    astro::start_at(ctx, planets, {51.5, -0.13, 25}, {2032, 1, 1, 0, 0, 0});
    for (auto _ : state) {
        const astro::LunarEclipse lunar = astro::next_lunar_eclipse(ctx);
        const astro::SolarEclipse solar = astro::next_solar_eclipse(ctx);
        benchmark::DoNotOptimize(lunar.peak + solar.peak);
    }
}
BENCHMARK(BM_NextEclipses)->Unit(benchmark::kMillisecond);

// The rises and sets a day lacks, searched each minute they are lacking: a polar night at
// 78 deg N two months before the Sun comes back, with the Moon up all day.
void BM_MissingEvents(benchmark::State& state) {
    astro::CalcContext ctx;
    astro::CPlnt_Data planets;
    ctx.tz_hours = 0;
    astro::start_at(ctx, planets, {78.22, 15.63, 10}, {2026, 12, 21, 11, 0, 0});
    for (auto _ : state) benchmark::DoNotOptimize(astro::missing_events(ctx).sunrise);
}
BENCHMARK(BM_MissingEvents)->Unit(benchmark::kMillisecond);

// The searches of the month, the year and the day's light, each run when what it found has
// passed or once a day: the next perigee and apogee, four equinoxes and solstices, the
// golden and blue hours around the coming day and the daylight of today and yesterday.
void BM_CyclesAndLight(benchmark::State& state) {
    const astro::CalcContext ctx = prepared();
    const double jd_ut = astro::ut_julian_day(ctx);
    for (auto _ : state) {
        double sum = astro::next_apsides(jd_ut, ctx.delta_t).perigee.distance_km;
        for (double from = jd_ut, i = 0; i < 4; ++i) sum += from = astro::next_season(from).jd_ut;
        sum += static_cast<double>(astro::sun_spans(ctx, -4, astro::geometric_altitude_deg(6), -3, 24).size());
        sum += static_cast<double>(astro::sun_spans(ctx, -6, -4, -3, 24).size());
        sum += astro::daylight_seconds(ctx, -12, 12) + astro::daylight_seconds(ctx, -36, -12);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_CyclesAndLight)->Unit(benchmark::kMillisecond);

}  // namespace
