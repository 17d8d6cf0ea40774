#include "seasons.h"

#include <cmath>
#include <span>

#include "context.h"
#include "frames.h"
#include "vecmath.h"
#include "vsop87b_earth.h"

namespace astro {

namespace {

constexpr double kAberrationArcsec = 20.4898;         // at 1 AU (Meeus, Astronomical Algorithms, 25.10)
constexpr double kTropicalYearDays = 365.24219;       // the Sun's mean motion: 360 deg in this
constexpr double kQuarterDeg = 90;                    // between one season's start and the next
constexpr int kRefinements = 6;                       // each divides the error by about a hundred
constexpr double kArcsecPerDeg = 3600;

// Wrapped into (-180, 180].
double signed_angle(double deg) { return deg - 360 * std::ceil((deg - 180) / 360); }

// One coordinate of the Earth's VSOP87B position at t (Julian millennia of TT).
double vsop87b_sum(std::span<const std::span<const vsop87b::Term>> powers, double t) {
    double sum = 0, t_power = 1;
    for (const std::span<const vsop87b::Term> terms : powers) {
        double part = 0;
        for (const vsop87b::Term& term : terms) part += term.a * std::cos(term.b + term.c * t);
        sum += part * t_power;
        t_power *= t;
    }
    return sum;
}

}  // namespace

double sun_apparent_longitude(double T) {
    // The geocentric Sun from the Earth's VSOP87B place, J2000 ecliptic -> J2000 equator ->
    // mean equator of date -> mean ecliptic of date.
    constexpr double kCenturiesPerMillennium = 10;
    const double t = T / kCenturiesPerMillennium;
    const double L = vsop87b_sum(vsop87b::kL, t), B = vsop87b_sum(vsop87b::kB, t);
    const double distance_au = vsop87b_sum(vsop87b::kR, t);
    const Vec3 sun_j2000_ecliptic = {-std::cos(B) * std::cos(L), -std::cos(B) * std::sin(L), -std::sin(B)};
    Mat3 to_equator, precess, to_ecliptic;
    ecliptic_to_equator(mean_obliquity(0), to_equator);
    const PrecessionAngles a = precession_angles(T);
    precession_matrix(a.zeta, a.z, a.theta, precess);
    ecliptic_to_equator(mean_obliquity(T), to_ecliptic);
    Mat3 from_ecliptic_of_date;
    mat_transpose(to_ecliptic, from_ecliptic_of_date);
    Vec3 equator, of_date, ecliptic;
    mat_vec(to_equator, sun_j2000_ecliptic, equator);
    mat_vec(precess, equator, of_date);
    mat_vec(from_ecliptic_of_date, of_date, ecliptic);
    const double mean = std::atan2(ecliptic[1], ecliptic[0]) / kDegToRad;
    const double corrections = (nutation_longitude(T) - kAberrationArcsec / distance_au) / kArcsecPerDeg;
    return floor_mod(mean + corrections, 360.0);
}

// Newton's steps on the longitude from the mean motion; TT throughout, UT at the end.
Season next_season(double jd_ut) {
    const auto centuries = [](double jd_tt) { return (jd_tt - kJ2000) / kDaysPerCentury; };
    const auto delta_t_days = [](double jd) {
        const std::optional<std::time_t> t = unix_time_of(jd);
        std::tm d{};
        if (!t || gmtime_r(&*t, &d) == nullptr) return 0.0;
        return delta_t_seconds(d.tm_year + 1900, d.tm_mon + 1, d.tm_mday) / kSecondsPerDay;
    };
    const double start_tt = jd_ut + delta_t_days(jd_ut);
    int quarter = static_cast<int>(std::floor(sun_apparent_longitude(centuries(start_tt)) / kQuarterDeg)) + 1;
    double jd = start_tt;
    // At the instant of one (the longitude a hair short of it) the next is wanted: one found
    // within a second of the start is that one.
    for (int tries = 0; tries < 2; ++tries, ++quarter) {
        jd = start_tt;
        for (int i = 0; i < kRefinements; ++i)
            jd += signed_angle(quarter * kQuarterDeg - sun_apparent_longitude(centuries(jd))) * kTropicalYearDays / 360;
        if (jd > start_tt + 1 / kSecondsPerDay) break;
    }
    return {static_cast<SeasonStart>(quarter % 4), jd - delta_t_days(jd)};
}

}  // namespace astro
