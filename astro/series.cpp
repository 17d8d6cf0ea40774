#include "series.h"

#include <cmath>

#include "vecmath.h"
#include "sun_moon_tables.h"

namespace astro {

namespace {

constexpr double kTurnsPerDegree = 1.0 / 360.0;  // a product is cheaper than a division

double term_cos(double b, double c, double T) {
    const double bt = b * T;
    const double theta = bt - 360.0 * std::floor(bt * kTurnsPerDegree) + c;
    return std::cos(theta * kDegToRad);
}

}  // namespace

double series_sum(double start, std::span<const SeriesTerm> terms, double T) {
    double sum = start;
    for (const SeriesTerm& t : terms) sum += (t.secular ? t.a * T : t.a) * term_cos(t.b, t.c, T);
    return sum;
}

double moon_phase_angle(double moon_longitude_deg, double apparent_sun_longitude_deg) {
    return floor_mod(moon_longitude_deg - apparent_sun_longitude_deg, 360.0);
}

double lit_fraction(double phase_angle_deg) { return (1 - std::cos(phase_angle_deg * kDegToRad)) * 0.5; }

double sun_longitude(double T) {
    const double start = 280.4659 + floor_mod(36000.7695 * T, 360.0);
    return floor_mod(series_sum(start, kSunLongitudeTerms, T), 360.0);
}

double sun_distance(double T) { return series_sum(1.00014, kSunDistanceTerms, T); }

double nutation_main_term(double T) { return 0.0048 * std::cos((1934 * T + 145) * kDegToRad); }

double apparent_sun_longitude(double sun_longitude_deg, double T) {
    return sun_longitude_deg + nutation_main_term(T) - kSunAberrationDeg;
}

double moon_longitude(double T) {
    const double start = 218.3162 + floor_mod(481267.8809 * T, 360.0);
    return floor_mod(series_sum(start, kMoonLongitudeTerms, T), 360.0);
}

double moon_latitude(double T) { return series_sum(0.0, kMoonLatitudeTerms, T); }

double moon_parallax(double T) { return series_sum(0.950725, kMoonParallaxTerms, T); }

}  // namespace astro
