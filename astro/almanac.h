// What the clock asks of the engine: the minute pass for a civil moment, and the coming
// principal phases of the Moon.
#pragma once

#include "context.h"
#include "planets.h"

namespace astro {

// A local civil date and time, as the computer clock gives it.
struct CivilMoment {
    int year, month, day;     // month 1..12
    int hour, minute, second;  // hour 0..23
};

// Where the observer stands: geodetic degrees, north and east positive, and metres.
struct Place {
    double latitude, longitude, height;
};

// Brings the context and the planet record up to date for the moment, in the clock's
// order: Delta T for the date, the time set and the observer oriented (the frame pass
// runs with the time), Sun, Moon and the day's events, then the planet pass.
void minute_pass(CalcContext& ctx, CPlnt_Data& planets, const CivilMoment& m);

// A new place or a new start: the observer set, then one minute pass.
void start_at(CalcContext& ctx, CPlnt_Data& planets, const Place& place, const CivilMoment& m);

// The Moon's phase angle at T (Julian centuries of TT): its longitude less the Sun's
// apparent longitude, in [0, 360) degrees, as the minute pass computes it.
double moon_phase_angle_at(double T);

enum PrincipalPhase { kNewMoon, kFirstQuarter, kFullMoon, kLastQuarter };
inline constexpr int kPrincipalPhaseCount = 4;

// The next instant after jd_ut (Julian day, UT) at which the phase angle passes 0, 90, 180
// and 270 degrees, in that order of the array: Julian days, UT. Delta T is taken as
// constant over the month searched.
struct NextPhases {
    double jd_ut[kPrincipalPhaseCount];
};
NextPhases next_principal_phases(double jd_ut, double delta_t_seconds);

// The Moon's phase by name: a principal phase within a day of its instant, else the quarter
// of the cycle its phase angle (degrees) lies in. `around` holds the principal phases after
// a moment between 1 and 8 days before jd_ut (next_principal_phases(jd_ut - 8, ...) does).
enum class PhaseName {
    kNewMoon, kWaxingCrescent, kFirstQuarter, kWaxingGibbous, kFullMoon, kWaningGibbous, kLastQuarter, kWaningCrescent
};
inline constexpr double kPhaseAroundDays = 8;
PhaseName phase_name(double jd_ut, double phase_angle_deg, const NextPhases& around);

// The last new moon at or before jd_ut, UT Julian day (the Moon's age is the time since).
double previous_new_moon(double jd_ut, double delta_t_seconds);

}  // namespace astro
