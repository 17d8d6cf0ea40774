// What the clock asks of the engine: the minute pass for a civil moment.
#pragma once

#include "context.h"
#include "planets.h"

namespace astro {

// A local civil date and time, as the computer clock gives it.
struct CivilMoment {
    int year, month, day;     // month 1..12
    int hour, minute, second;  // hour 0..23
};

// Brings the context and the planet record up to date for the moment, in the clock's
// order: Delta T for the date, the time set and the observer oriented (the frame pass
// runs with the time), Sun, Moon and the day's events, then the planet pass.
void minute_pass(CalcContext& ctx, CPlnt_Data& planets, const CivilMoment& m);

}  // namespace astro
