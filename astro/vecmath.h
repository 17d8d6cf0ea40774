// The engine's ground floor: degrees, the periodic remainder and 3-vectors and 3x3
// matrices. Standard library only; every other engine file may use it.
#pragma once

namespace astro {

using Vec3 = double[3];
using Mat3 = double[3][3];  // row-major

inline constexpr double kDegToRad = 0.017453292519943295;
inline constexpr double kRadToDeg = 1 / kDegToRad;

// x - floor(x/y)*y: in [0, y) for positive y.
double floor_mod(double x, double y);

// Elementary frame rotations (angles in degrees) and 3x3 helpers.
void rot_x(double deg, Mat3 out);  // R1
void rot_z(double deg, Mat3 out);  // R3
void mat_copy(const Mat3 src, Mat3 out);
void mat_mul(const Mat3 a, const Mat3 b, Mat3 out);  // out = a*b
void mat_transpose(const Mat3 a, Mat3 out);
void mat_vec(const Mat3 m, const Vec3 v, Vec3 out);  // out = m*v

}  // namespace astro
