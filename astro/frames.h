// Precession, nutation, obliquity, sidereal time and the frame matrices of the moment.
#pragma once

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

// Elementary frame rotations and 3x3 helpers.
void rot_x(double deg, Mat3 out);  // R1
void rot_z(double deg, Mat3 out);  // R3
void mat_copy(const Mat3 src, Mat3 out);
void mat_mul(const Mat3 a, const Mat3 b, Mat3 out);  // out = a*b
void mat_transpose(const Mat3 a, Mat3 out);
void mat_vec(const Mat3 m, const Vec3 v, Vec3 out);  // out = m*v

}  // namespace astro
