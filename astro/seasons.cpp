#include "seasons.h"

#include <cmath>

#include "context.h"
#include "frames.h"
#include "vecmath.h"

namespace astro {

namespace {

constexpr double kAberrationArcsec = 20.4898;         // at 1 AU (Meeus, Astronomical Algorithms, 25.10)
constexpr double kTropicalYearDays = 365.24219;       // the Sun's mean motion: 360 deg in this
constexpr double kQuarterDeg = 90;                    // between one season's start and the next
constexpr int kRefinements = 6;                       // each divides the error by about a hundred
constexpr double kArcsecPerDeg = 3600;

// Wrapped into (-180, 180].
double signed_angle(double deg) { return deg - 360 * std::ceil((deg - 180) / 360); }

}  // namespace

double sun_apparent_longitude(double T) {
    // Geocentric Sun, J2000 ecliptic -> J2000 equator -> mean equator of date -> mean ecliptic of date.
    const Vec3 sun_j2000_ecliptic = {-earth_x(T), -earth_y(T), -earth_z(T)};
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
    const double distance_au = std::sqrt(ecliptic[0] * ecliptic[0] + ecliptic[1] * ecliptic[1] + ecliptic[2] * ecliptic[2]);
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
