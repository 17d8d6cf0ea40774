#include "sun_bands.h"

#include <algorithm>
#include <cmath>

#include "extremum.h"
#include "observer.h"
#include "vecmath.h"

namespace astro {

namespace {

constexpr double kStepHours = 1.0 / 6;  // the Sun moves at most 2.5 deg in altitude meanwhile
constexpr double kSecondsPerHour = 3600;
constexpr double kAboveEverything = 2;  // a sine no altitude reaches

double sun_sine(const CalcContext& ctx, double hours) { return sky_place(ctx, Luminary::kSun, hours).horizon[2]; }

}  // namespace

double geometric_altitude_deg(double apparent_deg) {
    if (apparent_deg <= 0) return apparent_deg;
    const double refraction_arcmin = 1 / std::tan((apparent_deg + 7.31 / (apparent_deg + 4.4)) * kDegToRad);
    return apparent_deg - refraction_arcmin / 60;
}

std::vector<SunSpan> sun_spans(const CalcContext& ctx, double low_deg, double high_deg, double from_hours,
                               double to_hours) {
    const double low = std::sin(low_deg * kDegToRad);
    const double high = high_deg >= 90 ? kAboveEverything : std::sin(high_deg * kDegToRad);
    const auto inside = [&](double z) { return low <= z && z < high; };
    // Where the sine passes the threshold it crosses between samples a and b.
    const auto crossing = [&](double a, double za, double b, double zb) {
        const double threshold = (za < low) != (zb < low) ? low : high;
        return sign_change_between([&](double h) { return sun_sine(ctx, h) - threshold; }, a, b, kOneSecondInHours);
    };
    std::vector<SunSpan> spans;
    double h_prev = from_hours, z_prev = sun_sine(ctx, from_hours), z_begin = z_prev;
    if (inside(z_prev)) spans.push_back({from_hours, to_hours, false, false, false});
    while (h_prev < to_hours) {
        const double h = std::min(h_prev + kStepHours, to_hours), z = sun_sine(ctx, h);
        if (inside(z) != inside(z_prev)) {
            const double at = crossing(h_prev, z_prev, h, z);
            if (inside(z)) {
                spans.push_back({at, to_hours, true, false, false});
                z_begin = z_prev;
            } else {
                spans.back().end_hours = at;
                spans.back().ends = true;
                spans.back().morning = z > z_begin;
            }
        }
        h_prev = h;
        z_prev = z;
    }
    if (!spans.empty() && !spans.back().ends) spans.back().morning = z_prev > z_begin;
    return spans;
}

double daylight_seconds(const CalcContext& ctx, double from_hours, double to_hours) {
    const double sunrise_deg = std::asin(kSunriseSine) / kDegToRad;
    double hours = 0;
    for (const SunSpan& s : sun_spans(ctx, sunrise_deg, 90, from_hours, to_hours)) hours += s.end_hours - s.begin_hours;
    return hours * kSecondsPerHour;
}

}  // namespace astro
