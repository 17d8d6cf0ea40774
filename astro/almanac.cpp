#include "almanac.h"

#include <cmath>

#include "observer.h"
#include "series.h"

namespace astro {

void minute_pass(CalcContext& ctx, CPlnt_Data& planets, const CivilMoment& m) {
    ctx.delta_t = delta_t_seconds(m.year, m.month, m.day);
    set_time_and_orient(ctx, m.year, m.month, m.day, m.hour, m.minute, m.second);
    compute(planets, ctx);
}

void start_at(CalcContext& ctx, CPlnt_Data& planets, const Place& place, const CivilMoment& m) {
    set_observer(ctx, place.latitude, place.longitude, place.height);
    minute_pass(ctx, planets, m);
}

namespace {

constexpr double kSearchStepDays = 2.0;     // the phase angle moves at most 30 deg in it
constexpr double kSearchSpanDays = 32.0;    // more than a lunation: every phase is met
constexpr double kWantedPrecisionDays = 1.0 / kSecondsPerDay;
constexpr int kMostRefinements = 40;

// The phase angle at a TT Julian day less the target, wrapped into [-180, 180).
double offset_from(double target_deg, double jd_tt) {
    const double T = (jd_tt - kJ2000) / kDaysPerCentury;
    return floor_mod(moon_phase_angle_at(T) - target_deg + 180.0, 360.0) - 180.0;
}

// The instant in [a, b] at which the offset rises through zero, fa < 0 <= fb: regula falsi
// with the Illinois halving, which keeps both ends moving.
double refine_crossing(double target_deg, double a, double fa, double b, double fb) {
    int kept_side = 0;
    for (int i = 0; i < kMostRefinements && b - a > kWantedPrecisionDays; ++i) {
        const double c = b - fb * (b - a) / (fb - fa);
        const double fc = offset_from(target_deg, c);
        if (fc < 0) {
            a = c;
            fa = fc;
            if (kept_side == -1) fb *= 0.5;
            kept_side = -1;
        } else {
            b = c;
            fb = fc;
            if (kept_side == 1) fa *= 0.5;
            kept_side = 1;
        }
    }
    return 0.5 * (a + b);
}

}  // namespace

double moon_phase_angle_at(double T) {
    return moon_phase_angle(moon_longitude(T), apparent_sun_longitude(sun_longitude(T), T));
}

// The angle grows all month, 10.8 to 14.5 deg a day; a target is passed where its offset
// turns from negative to non-negative within a step (the jump at 180 deg off goes the
// other way). Steps of two days never pass a target twice.
NextPhases next_principal_phases(double jd_ut, double delta_t_seconds) {
    const double start = jd_ut + delta_t_seconds / kSecondsPerDay;
    NextPhases next{};
    for (int k = 0; k < kPrincipalPhaseCount; ++k) {
        const double target = 90.0 * k;
        double a = start, fa = offset_from(target, a);
        next.jd_ut[k] = NAN;
        for (double step = kSearchStepDays; step <= kSearchSpanDays; step += kSearchStepDays) {
            const double b = start + step, fb = offset_from(target, b);
            if (fa < 0 && fb >= 0) {
                next.jd_ut[k] = refine_crossing(target, a, fa, b, fb) - delta_t_seconds / kSecondsPerDay;
                break;
            }
            a = b;
            fa = fb;
        }
    }
    return next;
}

// A lunation lasts 29.27 to 29.83 days: one new moon at least, two at most, fall in the
// month before the moment.
double previous_new_moon(double jd_ut, double delta_t_seconds) {
    constexpr double kMonthBeforeDays = 30;
    const double first = next_principal_phases(jd_ut - kMonthBeforeDays, delta_t_seconds).jd_ut[kNewMoon];
    const double second = next_principal_phases(first + 1, delta_t_seconds).jd_ut[kNewMoon];  // not `first` again
    return second <= jd_ut ? second : first;
}

PhaseName phase_name(double jd_ut, double phase_angle_deg, const NextPhases& around) {
    constexpr double kWithinDays = 1;
    for (int k = 0; k < kPrincipalPhaseCount; ++k)
        if (std::fabs(around.jd_ut[k] - jd_ut) <= kWithinDays) return static_cast<PhaseName>(2 * k);
    const int quarter = static_cast<int>(floor_mod(phase_angle_deg, 360.0) / 90) % kPrincipalPhaseCount;
    return static_cast<PhaseName>(2 * quarter + 1);
}

}  // namespace astro
