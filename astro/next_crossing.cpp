#include "next_crossing.h"

#include <cmath>

#include "extremum.h"

namespace astro {

namespace {

constexpr double kLongestSearchDays = 3660;  // ten years: what any request is cut to

// The body's altitude sine less the threshold, signed so that the wanted crossing goes
// from negative to non-negative.
struct Height {
    const CalcContext& ctx;
    Luminary body;
    double sign;  // +1 for a rise, -1 for a set
    double operator()(double hours) const {
        const double threshold = body == Luminary::kSun ? kSunriseSine : kMoonriseSine;
        return sign * (sky_place(ctx, body, hours).horizon[2] - threshold);
    }
};

// The hour in [a, b] at which f turns from negative to non-negative.
double crossing_between(const Height& f, double a, double b) { return sign_change_between(f, a, b, kOneSecondInHours); }

// The hour of the greatest value of f (or the least, `lowest`) in [a, b].
double turn_between(const Height& f, double a, double b, bool lowest) {
    return lowest_between([&f, lowest](double h) { return lowest ? f(h) : -f(h); }, a, b, kOneSecondInHours);
}

// The wanted crossing hidden between samples i - 2 and i by a turn of f at a sample i - 1
// that stays just on one side of zero: a peak just short of it (the crossing before the
// peak) or a dip just above it (a crossing the other way, then the wanted one after the dip).
double hidden_crossing(const Height& f, int i, double before, double prev, double now) {
    const bool peak = before < prev && prev > now && prev < 0 && prev > -kGrazingSine;
    const bool dip = before > prev && prev < now && prev >= 0 && prev < kGrazingSine;
    if (!peak && !dip) return NAN;
    const double turn = turn_between(f, i - 2, i, dip);
    const double at_turn = f(turn);
    if (peak && at_turn >= 0) return crossing_between(f, i - 2, turn);
    if (dip && at_turn < 0) return crossing_between(f, turn, i);
    return NAN;
}

}  // namespace

// Hourly samples, as the day's search takes them; a turn just short of the threshold may
// hide a brief crossing between samples (the Sun showing for minutes at the end of the
// polar night, or dipping below at the end of the polar day), so its turn is looked into.
double next_crossing_hours(const CalcContext& ctx, Luminary body, bool rising, double max_days) {
    const Height f{ctx, body, rising ? 1.0 : -1.0};
    const int last = static_cast<int>(std::fmin(std::fmax(max_days, 0.0), kLongestSearchDays) * 24);
    double before = NAN, prev = f(0);
    for (int i = 1; i <= last; ++i) {
        const double now = f(i);
        if (prev < 0 && now >= 0) return crossing_between(f, i - 1, i);
        if (i >= 2)
            if (const double hidden = hidden_crossing(f, i, before, prev, now); !std::isnan(hidden)) return hidden;
        before = prev;
        prev = now;
    }
    return NAN;
}

MissingEvents missing_events(const CalcContext& ctx) {
    const double now = ut_julian_day(ctx);
    const auto next = [&ctx, now](bool lacking, Luminary body, bool rising) {
        return lacking ? now + next_crossing_hours(ctx, body, rising) / 24 : NAN;
    };
    const auto lacks = [&ctx](DayEvent e) { return !day_event(ctx, e).found; };
    return {next(lacks(DayEvent::kSunrise), Luminary::kSun, true), next(lacks(DayEvent::kSunset), Luminary::kSun, false),
            next(lacks(DayEvent::kMoonrise), Luminary::kMoon, true),
            next(lacks(DayEvent::kMoonset), Luminary::kMoon, false)};
}

}  // namespace astro
