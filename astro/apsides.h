// The Moon's perigee and apogee: the least and greatest of its distance from the Earth's
// centre in each orbit.
#pragma once

namespace astro {

// The parallax series refers to the equatorial radius: sin(parallax) = 6378.14 km / distance
// (Meeus, Astronomical Algorithms, ch. 47).
inline constexpr double kParallaxRadiusKm = 6378.14;
// A full or new moon within a day of a perigee closer than this is a supermoon.
inline constexpr double kSupermoonKm = 360000;
inline constexpr double kSupermoonWithinDays = 1;

// The Moon's distance from the Earth's centre in km at T (Julian centuries of TT).
double moon_geocentric_km(double T);

// The next perigee and apogee after jd_ut (UT Julian day), UT Julian days and km.
struct Apsis {
    double jd_ut;
    double distance_km;
};
struct NextApsides {
    Apsis perigee, apogee;
};
NextApsides next_apsides(double jd_ut, double delta_t_seconds);

}  // namespace astro
