// Precession, nutation, obliquity, sidereal time and the frame matrices of the moment.
#pragma once

#include <ctime>

#include "context.h"

namespace astro {

inline constexpr double kSiderealRate = 1.00273791;  // sidereal days per solar day

// IAU 1976 precession angles from J2000.0 to the date, degrees.
struct PrecessionAngles {
    double zeta, z, theta;
};
PrecessionAngles precession_angles(double T);

// IAU 1976 mean obliquity of the ecliptic, degrees.
double mean_obliquity(double T);

// Stores the local civil time, sets ut_hours, then refreshes the frames.
void set_time(CalcContext& ctx, double year, double month, double day, double hour,
              double minute, double second);

// set_time from a reading of the system clock, as local broken-down time.
void set_time_from_clock(CalcContext& ctx, std::time_t now);

// Brings every time-dependent field of the context up to date for its stored time.
void compute_frames(CalcContext& ctx);

// IAU 1980 nutation in longitude and in obliquity, arcseconds.
double nutation_longitude(double T);
double nutation_obliquity(double T);

// Heliocentric position of the Earth in AU, ecliptic and equinox of J2000.0.
double earth_x(double T);
double earth_y(double T);
double earth_z(double T);

// IAU 1976 precession from J2000.0 to the date (angles in degrees), and its transpose.
void precession_matrix(double zeta, double z, double theta, Mat3 out);
void inv_precession_matrix(double zeta, double z, double theta, Mat3 out);

// Ecliptic to equator for an obliquity in degrees: R1(-obliquity).
void ecliptic_to_equator(double obliquity_deg, Mat3 out);

}  // namespace astro
