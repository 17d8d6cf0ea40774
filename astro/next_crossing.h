// The next rise or set of the Sun or the Moon when the coming day has none: the polar
// day and night, and the day without a moonrise or a moonset.
#pragma once

#include <cmath>

#include "context.h"
#include "observer.h"

namespace astro {

inline constexpr double kFarthestCrossingDays = 190;  // beyond half a year: the polar night's end

// Hours after the context's moment at which the body next rises (or sets) through the
// altitude of the day's events, searched as they are (the frame of the moment turned with
// the stars) up to `max_days` ahead and refined to the second; NaN when there is none.
double next_crossing_hours(const CalcContext& ctx, Luminary body, bool rising, double max_days = kFarthestCrossingDays);

// The next sunrise, sunset, moonrise and moonset of those the context's coming day lacks,
// UT Julian days; NaN where the day has the event (or none comes within the search).
struct MissingEvents {
    double sunrise = NAN, sunset = NAN, moonrise = NAN, moonset = NAN;
};
MissingEvents missing_events(const CalcContext& ctx);

}  // namespace astro
