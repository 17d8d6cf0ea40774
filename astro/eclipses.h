// The next eclipses: of the Moon, seen from anywhere the Moon is up, and of the Sun, seen
// from the observer's place with the Sun above the horizon.
#pragma once

#include "context.h"

namespace astro {

// Most places see a solar eclipse only every few years, some after more than ten.
inline constexpr int kEclipseSearchYears = 25;
inline constexpr double kEclipseSearchDays = kEclipseSearchYears * 365.25;

enum class EclipseKind { kNone, kPenumbral, kPartial, kAnnular, kTotal };

// Times are UT Julian days.
struct LunarEclipse {
    EclipseKind kind = EclipseKind::kNone;  // kNone: none within the search
    double peak = 0;                       // the greatest phase: the Moon nearest the shadow's axis
    double moon_altitude_deg = 0;          // topocentric, of the Moon's centre, at the peak
    bool moon_up = false;                  // above the horizon as moonrise and moonset count it
};

struct SolarEclipse {
    EclipseKind kind = EclipseKind::kNone;  // as seen here
    double obscuration = 0;                // the fraction of the Sun's disc covered at the peak
    double begin = 0, peak = 0, end = 0;
    double sun_altitude_deg = 0;  // topocentric, of the Sun's centre, at the peak
};

// The first lunar eclipse whose greatest phase comes after the moment, within `max_days`.
LunarEclipse next_lunar_eclipse(const CalcContext& ctx, double max_days = kEclipseSearchDays);

// The first solar eclipse, not yet over, of which some part is seen here with the Sun's
// centre above the horizon (refraction counted) at its beginning, greatest phase or end,
// within `max_days`.
SolarEclipse next_solar_eclipse(const CalcContext& ctx, double max_days = kEclipseSearchDays);

// The fraction of a disc of radius a covered by a disc of radius b, their centres c apart.
double covered_fraction(double a, double b, double c);

}  // namespace astro
