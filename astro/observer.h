// The observer's place, the horizon frame, the topocentric Sun and Moon, and the
// rise, set and twilight times of the coming day.
#pragma once

#include "context.h"

namespace astro {

inline constexpr double kSunriseSine = -0.01478;   // altitude -0.847 deg
inline constexpr double kMoonriseSine = -0.01041;  // altitude -0.597 deg
inline constexpr int kEventSteps = 24;             // hourly samples of the coming day
// A turn of the altitude sine this close short of a threshold between hourly samples is
// looked into: the body may cross it and back within the hour.
inline constexpr double kGrazingSine = 0.02;
// Twilight by the Sun's depression below the horizon: civil 6 deg, nautical 12 deg,
// astronomical 18 deg (the clock's own threshold, kTwilightSine, from the first versions).
enum class Twilight { kCivil, kNautical, kAstronomical };
inline constexpr int kTwilightKinds = 3;
double twilight_sine(Twilight kind);
double twilight_depression_deg(Twilight kind);

// The Earth's polar radius: the ellipsoid is built on it and the Moon's parallax refers to it.
inline constexpr double kEarthRadiusKm = 6356.755;

// The Moon's geocentric distance in km from its horizontal parallax in degrees.
double moon_distance_km(double parallax_deg);

// Fills the observer block from geodetic latitude and longitude (deg) and height (m).
void set_observer(CalcContext& ctx, double latitude, double longitude, double height);

// Rebuilds the local sidereal angles, the horizon matrices, the observer vector of
// date and the local solar hour for the context's current time.
void orient_observer(CalcContext& ctx);

// Sun and Moon directions, the Moon's phase angle and the day's events.
void compute_sun_and_moon(CalcContext& ctx);

enum class Luminary { kSun, kMoon };  // the two bodies whose rise and set the clock tells

// Where the Sun or the Moon stands for the observer `hours` after the context's moment,
// with the context's frame turned with the stars (as the day's event search samples it):
// the topocentric direction in the horizon frame (unit; x south, y east, z the sine of the
// altitude) and the distance in km. `apparent` adds aberration to the Sun and the main
// nutation term to both, for the Sun and the Moon seen together.
struct SkyPlace {
    Vec3 horizon;
    double distance_km;
};
SkyPlace sky_place(const CalcContext& ctx, Luminary body, double hours, bool apparent = false);

// Where the Moon stands now for the observer: its topocentric centre's altitude (no
// refraction), its azimuth from north through east, degrees, and its distance from the
// Earth's centre, km.
struct MoonNow {
    double altitude_deg, azimuth_deg, distance_km;
};
MoonNow moon_now(const CalcContext& ctx);

// set_time, orient_observer and compute_sun_and_moon for a local civil moment.
void set_time_and_orient(CalcContext& ctx, double year, double month, double day, double hour,
                         double minute, double second);

}  // namespace astro
