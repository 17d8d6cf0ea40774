// Where the Sun stands between two altitudes: the photographers' golden and blue hours, and
// the day's length.
#pragma once

#include <vector>

#include "context.h"

namespace astro {

// Golden hour: the Sun's centre from 4 deg below the horizon to 6 deg above it as seen; blue
// hour: from 6 to 4 deg below (the definitions photographers' planners use).
inline constexpr double kGoldenHourLowDeg = -4;
inline constexpr double kGoldenHourHighDeg = 6;  // apparent: refraction lifts the Sun there
inline constexpr double kBlueHourLowDeg = -6;

// The geometric altitude at which the Sun's centre is seen at `apparent_deg` (Bennett's
// refraction, Meeus, Astronomical Algorithms, 16.3; none below the horizon, where the Sun is
// not seen).
double geometric_altitude_deg(double apparent_deg);

// A stretch of time in which the Sun's centre lies between two altitudes, hours after the
// context's moment; `begins`/`ends` false where it runs past the window searched.
struct SunSpan {
    double begin_hours, end_hours;
    bool begins, ends;
    bool morning;  // the Sun climbs through it
};

// The spans within [from_hours, to_hours] in which the Sun's topocentric centre lies at a
// geometric altitude in [low_deg, high_deg), sampled every ten minutes and refined to the
// second.
std::vector<SunSpan> sun_spans(const CalcContext& ctx, double low_deg, double high_deg, double from_hours,
                               double to_hours);

// Seconds within [from_hours, to_hours] during which the Sun is up as for sunrise and sunset
// (its upper limb above the horizon, with refraction).
double daylight_seconds(const CalcContext& ctx, double from_hours, double to_hours);

}  // namespace astro
