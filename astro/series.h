// Short trigonometric series of the Sun and the Moon, and the cosine-term sum that every
// series of the engine (Sun, Moon, Earth, planets) is built from.
#pragma once

#include <span>

namespace astro {

inline constexpr double kAuKm = 149597870.0;         // kilometres in an astronomical unit
inline constexpr double kSunAberrationDeg = 0.0057;  // aberration in the Sun's longitude

// a*cos(theta), or a*T*cos(theta) when secular, theta = (b*T reduced into [0, 360) + c) deg.
struct SeriesTerm {
    double a;
    double b;
    double c;
    bool secular;
};

// Start at `start`, add the terms in order and return the sum.
double series_sum(double start, std::span<const SeriesTerm> terms, double T);

// Geometric longitudes refer to the mean equinox of date, in [0, 360) degrees.
double sun_longitude(double T);
double sun_distance(double T);  // AU
// The main term of the nutation in longitude, degrees.
double nutation_main_term(double T);
// The geometric longitude corrected for aberration and the main term of the nutation.
double apparent_sun_longitude(double sun_longitude_deg, double T);
double moon_longitude(double T);
double moon_latitude(double T);  // degrees
double moon_parallax(double T);  // horizontal parallax, degrees

// The Moon's phase angle: its longitude less the Sun's apparent one, in [0, 360) degrees.
double moon_phase_angle(double moon_longitude_deg, double apparent_sun_longitude_deg);
// The lit fraction of the Moon's disc at a phase angle: (1 - cos phi) / 2.
double lit_fraction(double phase_angle_deg);

}  // namespace astro
