// The calculation context: one record through which the engine is driven, and the
// time scales (calendar date to Julian Day, Delta T, the time argument T).
#pragma once

#include <cmath>
#include <ctime>
#include <optional>

#include "vecmath.h"

namespace astro {

inline constexpr double kNoMoonEvent = -1;  // moonrise or moonset when the coming day has none
inline constexpr double kTwilightSine = -0.31;  // altitude -18.06 deg: astronomical twilight

struct CalcContext {
    // Local civil time of the moment; doubles, as the time formulas take them.
    double year = 2000;
    double month = 1;          // 1..12
    double day = 1;
    double hour = 12;          // h
    double minute = 0;         // min
    double second = 0;         // s
    double delta_t = 0;        // s, TT - UT
    double tz_hours = 9.0;     // h, local = UT + tz_hours
    double ut_hours = 0;       // h, not wrapped into [0, 24)
    double jd = 0;             // days, Julian Day on the TT scale
    double t2000 = 0;          // Julian centuries of TT from J2000.0

    double prec_zeta = 0, prec_z = 0, prec_theta = 0;  // deg, IAU 1976 precession angles
    double mean_obliquity = 0;        // deg
    double nut_obliquity = 0;         // deg
    double nut_longitude = 0;         // deg
    double eq_equinoxes = 0;          // deg
    double gmst_deg = 0;              // deg, Greenwich mean sidereal time
    double gast_deg = 0;              // deg, Greenwich apparent sidereal time
    double sun_longitude = 0;         // deg, geometric, mean equinox of date
    double sun_distance = 0;          // AU
    double perihelion_longitude = 0;  // deg, of the Earth's orbit
    double eccentricity = 0;          // of the Earth's orbit
    Vec3 earth_sun_vector = {};       // AU, ecliptic and equinox of J2000.0
    Mat3 precession_matrix = {};
    Mat3 nutation_matrix = {};
    Mat3 prec_nut_matrix = {};
    Vec3 sun_dir_vector = {};         // unit, mean equator of date
    Vec3 aberration_vector = {};      // unit
    Vec3 eterm_vector = {};           // unit
    Mat3 inv_precession_matrix = {};
    Mat3 inv_nutation_matrix = {};
    Mat3 inv_prec_nut_matrix = {};
    Mat3 ecl_to_equ_matrix = {};      // mean ecliptic to mean equator of date
    Mat3 equ_to_ecl_matrix = {};

    // Observer block: geodetic place, geocentric Earth-fixed position and the same
    // position shifted by the datum offset.
    double latitude = 35.0;    // deg, north positive
    double longitude = 135.0;  // deg, east positive
    double height = 0.0;       // m
    double obs_x = 0, obs_y = 0, obs_z = 0;     // km
    double obs_xd = 0, obs_yd = 0, obs_zd = 0;  // km

    double horizon_latitude = 0;         // deg
    double local_apparent_sidereal = 0;  // deg
    double local_mean_sidereal = 0;      // deg
    Mat3 equ_to_hor_matrix = {};
    Mat3 hor_to_equ_matrix = {};
    Vec3 observer_vector = {};     // km, equatorial frame of date
    double local_solar_hour = 0;   // h, not wrapped

    // The twilight the day's events and the face use: the sine of the Sun's altitude at its
    // beginning and end (astronomical unless another kind is chosen).
    double twilight_sine = kTwilightSine;

    // The day's events, hours after the moment of computation.
    double sunrise = 0;            // h
    double sunset = 0;             // h
    double twilight_begin = 0;     // h
    double twilight_end = 0;       // h
    double moonrise = kNoMoonEvent;  // h
    double moonset = kNoMoonEvent;   // h
    double moon_phase_angle = 0;   // deg in [0, 360): Moon's longitude less the Sun's apparent one
    double moon_up_flag = 0;       // deg, Moon's topocentric altitude + 35.8'

    // The Moon's series at the moment, kept for the planet pass.
    double moon_longitude = 0;  // deg
    double moon_latitude = 0;   // deg
    double moon_parallax = 0;   // deg

    // Whether each Sun event was found in the coming day, and the Sun's and the Moon's
    // topocentric horizon directions at the moment (unit; x south, y east, z the sine of
    // the altitude).
    bool sunrise_found = false;
    bool sunset_found = false;
    bool twilight_begin_found = false;
    bool twilight_end_found = false;
    Vec3 sun_horizon_vector = {};
    Vec3 moon_horizon_vector = {};  // the Moon's, the same way

    // Where a threshold is crossed twice the same way in the coming day (a sunrise today and
    // one tomorrow a little earlier), the first of the two, hours; the fields above hold the
    // last. NaN where it is crossed once or not at all.
    double sunrise_first = NAN, sunset_first = NAN, twilight_begin_first = NAN, twilight_end_first = NAN;
    double moonrise_first = NAN, moonset_first = NAN;
};

// The day's six events in the order the clock lists them, and each one's time with whether
// the coming day has it.
enum class DayEvent { kSunrise, kSunset, kTwilightBegin, kTwilightEnd, kMoonrise, kMoonset };
inline constexpr int kDayEventCount = 6;
struct EventTime {
    double hours;  // after the moment of computation
    bool found;
    double first_hours = NAN;  // the first of two in the coming day, else NaN
};
EventTime day_event(const CalcContext& ctx, DayEvent e);

inline constexpr double kJ2000 = 2451545.0;
inline constexpr double kDaysPerCentury = 36525.0;
inline constexpr double kUnixEpochJd = 2440587.5;  // 1970 January 1, 0h UT
inline constexpr double kSecondsPerDay = 86400.0;

// Julian Day of 0h of the calendar date plus the day's fraction. Gregorian from
// 1582 October 15 on, Julian before.
double julian_day(int year, int month, double day);

// Delta T = TT - UT in seconds; 0 before 1800.
double delta_t_seconds(int year, int month, double day);

// The Julian Day of the context's moment on the UT scale.
double ut_julian_day(const CalcContext& ctx);

// The system clock's reading (seconds since 1970) of a UT Julian day; nothing for an
// instant that is not finite or lies outside the years 1 to 9999.
std::optional<std::time_t> unix_time_of(double jd_ut);

// Julian Day on the TT scale of the stored local time; stored and returned.
double compute_jd(CalcContext& ctx);

// Hours of UT since 0h of the stored civil date (not wrapped): the stored local time less
// the zone, with `extra_seconds` added to the seconds.
double ut_hours_of(const CalcContext& ctx, double extra_seconds);

}  // namespace astro
