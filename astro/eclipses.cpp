#include "eclipses.h"

#include <algorithm>
#include <cmath>

#include "extremum.h"
#include "observer.h"
#include "series.h"

namespace astro {

namespace {

// Radii, km. The Earth's shadow is cast by its mean radius and 88 km of air, which the
// observed umbra and penumbra are about 2% wider for (Astronomy Engine's model).
constexpr double kSunRadiusKm = 695700.0;  // IAU 2015 nominal
constexpr double kMoonRadiusKm = 1737.4;   // mean
constexpr double kShadowingEarthRadiusKm = 6371.0 + 88.0;

// Mean lunations (Meeus, Astronomical Algorithms, ch. 49): the new moon of lunation k from
// the one of 2000 January 6, and the Moon's argument of latitude F then. Ch. 54: no
// eclipse where |sin F| exceeds 0.36.
constexpr double kFirstNewMoonJde = 2451550.09766;
constexpr double kSynodicMonthDays = 29.530588861;
constexpr double kMostSinF = 0.36;
// The true phase lies within 14 h of the mean one, the greatest eclipse within 2 h of it.
constexpr double kPhaseWindowHours = 18;
constexpr double kContactWindowHours = 5;  // from the peak to a contact, at most about 3.5 h

double mean_phase_jde(double k) {
    const double T = k / 1236.85;
    return kFirstNewMoonJde + kSynodicMonthDays * k + T * T * (0.00015437 + T * (-0.000000150 + T * 0.00000000073));
}

bool near_a_node(double k) {
    const double T = k / 1236.85;
    const double F = 160.7108 + 390.67050284 * k + T * T * (-0.0016118 + T * (-0.00000227 + T * 0.000000011));
    return std::fabs(std::sin(F * kDegToRad)) <= kMostSinF;
}

void geocentric_km(double lon_deg, double lat_deg, double distance_km, Vec3 out) {
    const double l = lon_deg * kDegToRad, b = lat_deg * kDegToRad;
    out[0] = distance_km * std::cos(b) * std::cos(l);
    out[1] = distance_km * std::cos(b) * std::sin(l);
    out[2] = distance_km * std::sin(b);
}

double dot(const Vec3 a, const Vec3 b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// The Earth's shadow at the Moon: the Moon's distance from the shadow's axis and the
// umbra's and penumbra's radii there, km (the shadow cones of Meeus ch. 54, by vectors).
struct Shadow {
    double axis_distance, umbra, penumbra;
};

Shadow earth_shadow(double T) {
    Vec3 sun, moon;
    geocentric_km(apparent_sun_longitude(sun_longitude(T), T), 0, sun_distance(T) * kAuKm, sun);
    geocentric_km(moon_longitude(T) + nutation_main_term(T), moon_latitude(T), moon_distance_km(moon_parallax(T)), moon);
    // The axis runs from the Sun through the Earth's centre; u is the Moon's distance along
    // it in Sun distances.
    const double u = -dot(sun, moon) / dot(sun, sun);
    double off = 0;
    for (int i = 0; i < 3; ++i) off += (moon[i] + u * sun[i]) * (moon[i] + u * sun[i]);
    return {std::sqrt(off), kSunRadiusKm - (1 + u) * (kSunRadiusKm - kShadowingEarthRadiusKm),
            -kSunRadiusKm + (1 + u) * (kSunRadiusKm + kShadowingEarthRadiusKm)};
}

double hours_to_T(const CalcContext& ctx, double hours) { return ctx.t2000 + hours / 24.0 / kDaysPerCentury; }

double altitude_deg(const SkyPlace& p) { return std::asin(std::clamp(p.horizon[2], -1.0, 1.0)) * kRadToDeg; }

// The first lunation whose mean new moon lies within a window before the moment.
double first_lunation(const CalcContext& ctx) { return std::floor((ctx.jd - kFirstNewMoonJde) / kSynodicMonthDays) - 1; }

// The Sun and the Moon as seen here: their centres' separation and radii, radians.
struct Discs {
    double separation, sun, moon;
};

Discs discs_at(const CalcContext& ctx, double hours) {
    const SkyPlace sun = sky_place(ctx, Luminary::kSun, hours, true);
    const SkyPlace moon = sky_place(ctx, Luminary::kMoon, hours, true);
    const Vec3& a = sun.horizon;
    const Vec3& b = moon.horizon;
    const double cross = std::hypot(a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]);
    return {std::atan2(cross, dot(a, b)), std::asin(kSunRadiusKm / sun.distance_km),
            std::asin(kMoonRadiusKm / moon.distance_km)};
}

// The Sun's centre seen above the horizon: its unrefracted altitude above minus the
// refraction there (34', as the sunrise altitude takes it).
bool sun_up(const CalcContext& ctx, double hours) {
    constexpr double kHorizonRefractionDeg = 34.0 / 60;
    return sky_place(ctx, Luminary::kSun, hours).horizon[2] > std::sin(-kHorizonRefractionDeg * kDegToRad);
}

// Hours after the context's moment as a UT Julian day.
double jd_at(const CalcContext& ctx, double hours) { return ut_julian_day(ctx) + hours / 24; }

// The mean phases of the lunations from one before the moment to `max_days` after it, as
// hours after the moment; none for a moment or a span that is not a number.
template <class Visit>
void each_mean_phase(const CalcContext& ctx, double max_days, double phase, Visit visit) {
    if (!std::isfinite(ctx.jd) || !(max_days >= 0)) return;
    const double first = first_lunation(ctx) + phase;
    constexpr double kMostLunations = 1237;  // a century: what any request is cut to
    // The lunation before the moment, the span, and one more for the mean phase's window.
    const int count = static_cast<int>(std::fmin(max_days / kSynodicMonthDays, kMostLunations)) + 3;
    for (int n = 0; n < count; ++n) {
        const double k = first + n;
        const double hours = (mean_phase_jde(k) - ctx.jd) * 24;
        if (hours - kPhaseWindowHours > max_days * 24) return;
        if (near_a_node(k) && visit(hours)) return;
    }
}

// The eclipse seen here around the mean new moon `hours` away, if any part of it is still
// to come with the Sun up.
SolarEclipse solar_eclipse_near(const CalcContext& ctx, double hours) {
    const auto separation = [&ctx](double h) { return discs_at(ctx, h).separation; };
    const auto apart = [&ctx](double h) {
        const Discs d = discs_at(ctx, h);
        return d.separation - d.sun - d.moon;
    };
    // The topocentric Moon never turns back against the Sun: one minimum in the window.
    const double peak = lowest_between(separation, hours - kPhaseWindowHours, hours + kPhaseWindowHours, kOneSecondInHours);
    const Discs d = discs_at(ctx, peak);
    SolarEclipse e;
    if (d.separation >= d.sun + d.moon) return e;
    const double begin = sign_change_between(apart, peak - kContactWindowHours, peak, kOneSecondInHours);
    const double end = sign_change_between(apart, peak, peak + kContactWindowHours, kOneSecondInHours);
    e.begin = jd_at(ctx, begin);
    e.peak = jd_at(ctx, peak);
    e.end = jd_at(ctx, end);
    if (end <= 0 || !(sun_up(ctx, begin) || sun_up(ctx, peak) || sun_up(ctx, end))) return {};
    e.sun_altitude_deg = altitude_deg(sky_place(ctx, Luminary::kSun, peak));
    if (d.moon >= d.sun && d.separation <= d.moon - d.sun) e.kind = EclipseKind::kTotal;
    else if (d.moon < d.sun && d.separation <= d.sun - d.moon) e.kind = EclipseKind::kAnnular;
    else e.kind = EclipseKind::kPartial;
    e.obscuration = e.kind == EclipseKind::kTotal ? 1.0 : covered_fraction(d.sun, d.moon, d.separation);
    return e;
}

}  // namespace

double covered_fraction(double a, double b, double c) {
    if (!(a > 0) || !(b > 0) || !(c >= 0) || c >= a + b) return 0;
    if (c <= std::fabs(a - b)) return a <= b ? 1.0 : (b * b) / (a * a);
    // Two circular segments, one of each disc, on either side of the common chord.
    const double x = (a * a - b * b + c * c) / (2 * c);
    const double y = std::sqrt(std::max(a * a - x * x, 0.0));
    const double lens = a * a * std::acos(std::clamp(x / a, -1.0, 1.0)) - x * y +
                        b * b * std::acos(std::clamp((c - x) / b, -1.0, 1.0)) - (c - x) * y;
    return std::clamp(lens / (M_PI * a * a), 0.0, 1.0);
}

LunarEclipse next_lunar_eclipse(const CalcContext& ctx, double max_days) {
    LunarEclipse e;
    const auto off_axis = [&ctx](double h) { return earth_shadow(hours_to_T(ctx, h)).axis_distance; };
    each_mean_phase(ctx, max_days, 0.5, [&](double hours) {
        const double peak =
            lowest_between(off_axis, hours - kPhaseWindowHours, hours + kPhaseWindowHours, kOneSecondInHours);
        const Shadow s = earth_shadow(hours_to_T(ctx, peak));
        if (peak <= 0 || peak > max_days * 24 || s.axis_distance >= s.penumbra + kMoonRadiusKm) return false;
        e.kind = s.axis_distance + kMoonRadiusKm < s.umbra  ? EclipseKind::kTotal
                 : s.axis_distance - kMoonRadiusKm < s.umbra ? EclipseKind::kPartial
                                                              : EclipseKind::kPenumbral;
        e.peak = jd_at(ctx, peak);
        const SkyPlace moon = sky_place(ctx, Luminary::kMoon, peak);
        e.moon_altitude_deg = altitude_deg(moon);
        e.moon_up = moon.horizon[2] > kMoonriseSine;
        return true;
    });
    return e;
}

SolarEclipse next_solar_eclipse(const CalcContext& ctx, double max_days) {
    SolarEclipse found;
    each_mean_phase(ctx, max_days, 0.0, [&](double hours) {
        const SolarEclipse e = solar_eclipse_near(ctx, hours);
        if (e.kind == EclipseKind::kNone || e.begin > jd_at(ctx, max_days * 24)) return false;
        found = e;
        return true;
    });
    return found;
}

}  // namespace astro
