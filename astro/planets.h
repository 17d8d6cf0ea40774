// Positions of the Sun, the planets and the Moon for one moment, and the Moon's age.
#pragma once

#include <cmath>

namespace astro {

struct CalcContext;

enum Body { kSun, kMercury, kVenus, kEarth, kMars, kJupiter, kSaturn, kUranus, kNeptune, kPluto, kMoon };
inline constexpr int kBodyCount = 11;
inline constexpr const char* kBodyNames[kBodyCount] = {"Sun",    "Mercury", "Venus",   "Earth",
                                                       "Mars",   "Jupiter", "Saturn",  "Uranus",
                                                       "Neptune", "Pluto",  "Moon"};

struct EquatorialPair {
    double ra;   // degrees in [0, 360)
    double dec;  // degrees
};

struct PlanetEntry {
    double helio_lon;   // deg; Sun: geocentric longitude; Moon: longitude less nutation
    double helio_lat;   // deg
    double helio_dist;  // AU; Moon: horizontal parallax in degrees
    double geo_lon;     // deg in (-180, 180] for the planets
    double geo_lat;     // deg
    double geo_dist;    // AU; Moon: km
    double app_lon;     // apparent longitude, deg
    float diameter;     // arcseconds
    double elongation;  // deg in [0, 360)
    EquatorialPair eq_b;  // mean place carried back to the equator and equinox of J2000.0
    EquatorialPair eq_a;  // mean equator of date
    EquatorialPair eq_c;  // true equator of date, nutation in longitude added
};

struct CPlnt_Data {
    PlanetEntry body[kBodyCount] = {};
    double moon_age = 0;  // days since the last new moon, a multiple of 0.1
    double zeta = 0, z = 0, theta = 0;  // precession angles, deg
    double eps = 0;    // mean obliquity, deg
    double d_eps = 0;  // nutation in obliquity, deg
    double d_psi = 0;  // nutation in longitude, deg
};

// Fills the whole record for T (Julian centuries of TT from J2000.0).
void compute(CPlnt_Data& data, double T);

// The same for the context's moment, taking the nutation and the Sun's and Moon's series
// from the frame pass and compute_sun_and_moon rather than evaluating them again.
void compute(CPlnt_Data& data, const CalcContext& ctx);

// Moon's age in days from its elongation E at T: the search back to the last new moon.
double moon_age_days(double elongation, double T);

// The search itself: elongation_before(i) is the elongation i days earlier, in [0, 360).
// Steps back a day at a time until the elongation jumps back across 0 (at most 39 days),
// interpolates the day of the jump, and truncates to a multiple of 0.1 day. A caller that
// knows no jump happened in the first skip_days days starts the walk there.
template <class ElongationBefore>
double moon_age_search(double elongation, ElongationBefore elongation_before, int skip_days = 0) {
    constexpr int kAgeSearchDays = 39;
    double e = skip_days > 0 ? elongation_before(skip_days) : elongation;
    double ei = e;
    int i = skip_days + 1;
    for (; i <= kAgeSearchDays; ++i) {
        ei = elongation_before(i);
        if (ei > e) break;
        e = ei;
    }
    ei -= 360;
    const double age = (i - 1) + e / (e - ei);
    return std::trunc(age * 10) * 0.1;
}

// Right ascension and declination of an ecliptic direction through matrix m.
EquatorialPair equatorial_pair(double lon_deg, double lat_deg, const double m[3][3]);

}  // namespace astro
