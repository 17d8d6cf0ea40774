#include "vecmath.h"

#include <cmath>

namespace astro {

double floor_mod(double x, double y) {
    const double r = x - std::floor(x / y) * y;
    return r < y ? r : r - y;  // a tiny negative x would otherwise round up to y itself
}

void mat_copy(const Mat3 src, Mat3 out) {
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) out[i][j] = src[i][j];
}

void rot_x(double deg, Mat3 out) {
    const double c = std::cos(deg * kDegToRad), s = std::sin(deg * kDegToRad);
    const double m[3][3] = {{1, 0, 0}, {0, c, s}, {0, -s, c}};
    mat_copy(m, out);
}

void rot_z(double deg, Mat3 out) {
    const double c = std::cos(deg * kDegToRad), s = std::sin(deg * kDegToRad);
    const double m[3][3] = {{c, s, 0}, {-s, c, 0}, {0, 0, 1}};
    mat_copy(m, out);
}

void mat_mul(const Mat3 a, const Mat3 b, Mat3 out) {
    Mat3 r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) r[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j] + a[i][2] * b[2][j];
    mat_copy(r, out);
}

void mat_transpose(const Mat3 a, Mat3 out) {
    Mat3 r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) r[i][j] = a[j][i];
    mat_copy(r, out);
}

void mat_vec(const Mat3 m, const Vec3 v, Vec3 out) {
    const double r[3] = {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
                         m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
                         m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
    out[0] = r[0];
    out[1] = r[1];
    out[2] = r[2];
}

}  // namespace astro
