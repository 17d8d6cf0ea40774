#include "series.h"

#include <cmath>

#include "context.h"
#include "sun_moon_tables.h"

namespace astro {

namespace {

constexpr double kTurnsPerDegree = 1.0 / 360.0;  // a product is cheaper than a division

// The engine is single-threaded and its series never nest, so one accumulator serves all.
double accumulator = 0.0;

double term_cos(double b, double c, double T) {
    const double bt = b * T;
    const double theta = bt - 360.0 * std::floor(bt * kTurnsPerDegree) + c;
    return std::cos(theta * kDegToRad);
}

}  // namespace

void series_clear(double start) { accumulator = start; }

double series_term(double a, double b, double c, double T) {
    accumulator += a * term_cos(b, c, T);
    return accumulator;
}

double series_term_t(double a, double b, double c, double T) {
    accumulator += a * T * term_cos(b, c, T);
    return accumulator;
}

double series_sum(double start, std::span<const SeriesTerm> terms, double T) {
    series_clear(start);
    for (const SeriesTerm& t : terms) {
        if (t.secular)
            series_term_t(t.a, t.b, t.c, T);
        else
            series_term(t.a, t.b, t.c, T);
    }
    return accumulator;
}

double sun_longitude(double T) {
    const double start = 280.4659 + floor_mod(36000.7695 * T, 360.0);
    return floor_mod(series_sum(start, kSunLongitudeTerms, T), 360.0);
}

double sun_distance(double T) { return series_sum(1.00014, kSunDistanceTerms, T); }

double apparent_sun_longitude(double sun_longitude_deg, double T) {
    return sun_longitude_deg + 0.0048 * std::cos((1934 * T + 145) * kDegToRad) - kSunAberrationDeg;
}

double moon_longitude(double T) {
    const double start = 218.3162 + floor_mod(481267.8809 * T, 360.0);
    return floor_mod(series_sum(start, kMoonLongitudeTerms, T), 360.0);
}

double moon_latitude(double T) { return series_sum(0.0, kMoonLatitudeTerms, T); }

double moon_parallax(double T) { return series_sum(0.950725, kMoonParallaxTerms, T); }

}  // namespace astro
