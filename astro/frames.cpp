#include "frames.h"

#include <cmath>
#include <ctime>

#include "earth_table.h"
#include "nutation_table.h"
#include "series.h"

namespace astro {

namespace {

constexpr double kObliquityJ2000 = 84381.448 / 3600;  // 23.43929111 deg, IAU 1976

struct FundamentalArguments {
    double l, lp, F, D, Om;  // radians
};

FundamentalArguments fundamental_arguments(double T) {
    const double T2 = T * T;
    const double T3 = T2 * T;
    auto reduced = [](double deg) { return floor_mod(deg, 360.0) * kDegToRad; };
    return {
        reduced(134.9629813888889 + 477198.86739805556 * T + 0.008697222222222223 * T2 +
                0.000017777777777777777 * T3),
        reduced(357.5277233333333 + 35999.05034 * T - 0.00016027777777777777 * T2 -
                0.0000033333333333333333 * T3),
        reduced(93.27191027777778 + 483202.01753805554 * T - 0.0036825 * T2 +
                0.000003055555555555555 * T3),
        reduced(297.85036305555553 + 445267.11148 * T - 0.0019141666666666667 * T2 +
                0.000005277777777777778 * T3),
        reduced(125.04452222222223 - 1934.1362608333334 * T + 0.0020708333333333334 * T2 +
                0.000002222222222222222 * T3),
    };
}

double row_argument(const NutationRow& r, const FundamentalArguments& f) {
    return r.k_l * f.l + r.k_lp * f.lp + r.k_F * f.F + r.k_D * f.D + r.k_Om * f.Om;
}

// "Formed from A, B and C" with A applied first: the matrix C*B*A.
void compose(const Mat3 a, const Mat3 b, const Mat3 c, Mat3 out) {
    Mat3 ba;
    mat_mul(b, a, ba);
    mat_mul(c, ba, out);
}

void precession_matrices(CalcContext& ctx) {
    precession_matrix(ctx.prec_zeta, ctx.prec_z, ctx.prec_theta, ctx.precession_matrix);
    inv_precession_matrix(ctx.prec_zeta, ctx.prec_z, ctx.prec_theta, ctx.inv_precession_matrix);
}

void nutation_matrices(CalcContext& ctx) {
    const double eps0 = ctx.mean_obliquity;
    const double eps = eps0 + ctx.nut_obliquity;
    Mat3 a, b, c;
    rot_x(eps0, a);
    rot_z(-ctx.nut_longitude, b);
    rot_x(-eps, c);
    compose(a, b, c, ctx.nutation_matrix);
    rot_x(eps, a);
    rot_z(ctx.nut_longitude, b);
    rot_x(-eps0, c);
    compose(a, b, c, ctx.inv_nutation_matrix);
}

void frame_matrices(CalcContext& ctx) {
    precession_matrices(ctx);
    nutation_matrices(ctx);
    mat_mul(ctx.nutation_matrix, ctx.precession_matrix, ctx.prec_nut_matrix);
    mat_mul(ctx.inv_precession_matrix, ctx.inv_nutation_matrix, ctx.inv_prec_nut_matrix);
    ecliptic_to_equator(ctx.mean_obliquity, ctx.ecl_to_equ_matrix);
    rot_x(ctx.mean_obliquity, ctx.equ_to_ecl_matrix);
}

void sun_vectors(CalcContext& ctx) {
    const double L = ctx.sun_longitude * kDegToRad;
    const double e = ctx.mean_obliquity * kDegToRad;
    const double w = ctx.perihelion_longitude * kDegToRad;
    const double ce = std::cos(e), se = std::sin(e);
    const double cl = std::cos(L), sl = std::sin(L);
    ctx.sun_dir_vector[0] = cl;
    ctx.sun_dir_vector[1] = ce * sl;
    ctx.sun_dir_vector[2] = se * sl;
    ctx.aberration_vector[0] = sl;
    ctx.aberration_vector[1] = -ce * cl;
    ctx.aberration_vector[2] = -se * cl;
    ctx.eterm_vector[0] = -std::sin(w);
    ctx.eterm_vector[1] = ce * std::cos(w);
    ctx.eterm_vector[2] = se * std::cos(w);
}

// Sidereal time is a function of universal time, so day, fraction and Tu come from
// the UT Julian Day; everything else in the frames stays on TT.
void sidereal_time(CalcContext& ctx) {
    const double jd_ut = ut_julian_day(ctx);
    const double jd0 = std::floor(jd_ut + 0.5) - 0.5;  // the UT midnight before the moment
    const double f = jd_ut - jd0;                      // in [0, 1)
    const double tu = (jd0 - kJ2000) / kDaysPerCentury;
    // GMST at 0h UT, IAU 1982 (Aoki et al. 1982; Astronomical Almanac 1984, p. S15), seconds.
    const double s = 24110.54841 + 8640184.812866 * tu + 0.093104 * tu * tu -
                     0.0000062 * tu * tu * tu;
    ctx.gmst_deg = floor_mod(s * 15 / 3600 + f * 360 * kSiderealRate, 360.0);
    ctx.gast_deg = floor_mod(ctx.gmst_deg + ctx.eq_equinoxes, 360.0);
}

}  // namespace

PrecessionAngles precession_angles(double T) {
    const double T2 = T * T, T3 = T2 * T;
    return {(2306.2181 * T + 0.30188 * T2 + 0.017998 * T3) / 3600,
            (2306.2181 * T + 1.09468 * T2 + 0.018203 * T3) / 3600,
            (2004.3109 * T - 0.42665 * T2 - 0.041833 * T3) / 3600};
}

double mean_obliquity(double T) {
    const double T2 = T * T, T3 = T2 * T;
    return kObliquityJ2000 + (-46.815 * T - 0.00059 * T2 + 0.001813 * T3) / 3600;
}

void ecliptic_to_equator(double obliquity_deg, Mat3 out) { rot_x(-obliquity_deg, out); }

void precession_matrix(double zeta, double z, double theta, Mat3 out) {
    Mat3 a, b, c;
    rot_z(90.0 - zeta, a);
    rot_x(theta, b);
    rot_z(-z - 90.0, c);
    compose(a, b, c, out);
}

void inv_precession_matrix(double zeta, double z, double theta, Mat3 out) {
    Mat3 a, b, c;
    rot_z(90.0 + z, a);
    rot_x(-theta, b);
    rot_z(zeta - 90.0, c);
    compose(a, b, c, out);
}

double nutation_longitude(double T) {
    const FundamentalArguments f = fundamental_arguments(T);
    double sum = 0;
    for (const NutationRow& r : kNutationRows) sum += std::sin(row_argument(r, f)) * (r.A + r.A_t * T);
    return sum;
}

double nutation_obliquity(double T) {
    const FundamentalArguments f = fundamental_arguments(T);
    double sum = 0;
    for (const NutationRow& r : kNutationRows) sum += std::cos(row_argument(r, f)) * (r.B + r.B_t * T);
    return sum;
}

double earth_x(double T) { return series_sum(0.0, kEarthXTerms, T); }
double earth_y(double T) { return series_sum(0.0, kEarthYTerms, T); }
double earth_z(double T) { return series_sum(0.0, kEarthZTerms, T); }

void set_time(CalcContext& ctx, double year, double month, double day, double hour,
              double minute, double second) {
    ctx.year = year;
    ctx.month = month;
    ctx.day = day;
    ctx.hour = hour;
    ctx.minute = minute;
    ctx.second = second;
    ctx.ut_hours = ut_hours_of(ctx, 0.0);
    compute_frames(ctx);
}

void set_time_from_clock(CalcContext& ctx, std::time_t now) {
    std::tm local{};
    localtime_r(&now, &local);
    set_time(ctx, local.tm_year + 1900.0, local.tm_mon + 1.0, local.tm_mday, local.tm_hour,
             local.tm_min, local.tm_sec);
}

void compute_frames(CalcContext& ctx) {
    compute_jd(ctx);
    const double T = (ctx.jd - kJ2000) / kDaysPerCentury;
    ctx.t2000 = T;

    const PrecessionAngles prec = precession_angles(T);
    ctx.prec_zeta = prec.zeta;
    ctx.prec_z = prec.z;
    ctx.prec_theta = prec.theta;

    ctx.nut_longitude = nutation_longitude(T) / 3600;
    ctx.nut_obliquity = nutation_obliquity(T) / 3600;
    ctx.mean_obliquity = mean_obliquity(T);
    ctx.eq_equinoxes =
        ctx.nut_longitude * std::cos((ctx.mean_obliquity + ctx.nut_obliquity) * kDegToRad);

    ctx.sun_longitude = sun_longitude(T);
    ctx.sun_distance = sun_distance(T);
    ctx.eccentricity = 0.016709 - 0.000042 * T;
    ctx.perihelion_longitude = 102.9373 + 0.00004708 * kDaysPerCentury * T;  // 0.00004708 deg a day

    sidereal_time(ctx);
    frame_matrices(ctx);
    sun_vectors(ctx);

    ctx.earth_sun_vector[0] = -earth_x(T);
    ctx.earth_sun_vector[1] = -earth_y(T);
    ctx.earth_sun_vector[2] = -earth_z(T);
}

}  // namespace astro
