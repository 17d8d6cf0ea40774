#include "moon_angles.h"

#include <cmath>

#include "series.h"
#include "vecmath.h"

namespace astro {

namespace {

struct Equatorial {
    double ra, dec;  // degrees
};

// Ecliptic longitude and latitude of date to right ascension and declination (Meeus 13.3, 13.4).
Equatorial to_equatorial(double lon_deg, double lat_deg, double obliquity_deg) {
    const double l = lon_deg * kDegToRad, b = lat_deg * kDegToRad, e = obliquity_deg * kDegToRad;
    const double ra = std::atan2(std::sin(l) * std::cos(e) - std::tan(b) * std::sin(e), std::cos(l));
    const double dec = std::asin(std::sin(b) * std::cos(e) + std::cos(b) * std::sin(e) * std::sin(l));
    return {floor_mod(ra * kRadToDeg, 360), dec * kRadToDeg};
}

}  // namespace

double bright_limb_angle(double sun_ra_deg, double sun_dec_deg, double moon_ra_deg, double moon_dec_deg) {
    const double a0 = sun_ra_deg * kDegToRad, d0 = sun_dec_deg * kDegToRad;
    const double a = moon_ra_deg * kDegToRad, d = moon_dec_deg * kDegToRad;
    const double chi = std::atan2(std::cos(d0) * std::sin(a0 - a),
                                  std::sin(d0) * std::cos(d) - std::cos(d0) * std::sin(d) * std::cos(a0 - a));
    return floor_mod(chi * kRadToDeg, 360);
}

double parallactic_angle(double hour_angle_deg, double dec_deg, double latitude_deg) {
    const double h = hour_angle_deg * kDegToRad, d = dec_deg * kDegToRad, phi = latitude_deg * kDegToRad;
    return std::atan2(std::sin(h), std::tan(phi) * std::cos(d) - std::sin(d) * std::cos(h)) * kRadToDeg;
}

double bright_limb_from_zenith(const CalcContext& ctx) {
    const double T = ctx.t2000;
    const double true_obliquity = ctx.mean_obliquity + ctx.nut_obliquity;
    const Equatorial sun = to_equatorial(apparent_sun_longitude(sun_longitude(T), T), 0, true_obliquity);
    const Equatorial moon = to_equatorial(ctx.moon_longitude + ctx.nut_longitude, ctx.moon_latitude, true_obliquity);
    const double chi = bright_limb_angle(sun.ra, sun.dec, moon.ra, moon.dec);
    const double q = parallactic_angle(ctx.local_apparent_sidereal - moon.ra, moon.dec, ctx.latitude);
    return floor_mod(chi - q, 360);
}

}  // namespace astro
