#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "context.h"
#include "frames.h"
#include "nutation_table.h"
#include "earth_table.h"
#include "series.h"

using namespace astro;

namespace {

constexpr double kArcsecPerRad = 206264.80624709636;

// 24 TT Julian Days spread over 1800 ... 2200.
std::vector<double> sample_days() {
    std::vector<double> jds;
    for (int k = 0; k < 24; ++k) jds.push_back(2378496.5 + k * 6340.37 + 0.137 * k);
    return jds;
}

CalcContext context_at(double jd_tt, double delta_t) {
    CalcContext ctx;
    ctx.tz_hours = 0;
    ctx.delta_t = delta_t;
    // Back from the Julian Day to a calendar date through ERFA, then through set_time.
    int y, m, d;
    double f;
    eraJd2cal(jd_tt - delta_t / 86400.0, 0, &y, &m, &d, &f);
    set_time(ctx, y, m, d, 0, 0, f * 86400.0);
    return ctx;
}

}  // namespace

TEST(Nutation, TableIntegrity) {
    ASSERT_EQ(std::size(kNutationRows), 106u);
    const NutationRow& first = kNutationRows[0];
    EXPECT_EQ(first.k_Om, 1);
    EXPECT_EQ(first.A, -17.1996);
    EXPECT_EQ(first.A_t, -0.01742);
    EXPECT_EQ(first.B, 9.2025);
    EXPECT_EQ(first.B_t, 0.00089);
    EXPECT_EQ(kNutationRows[1].A, 0.2062);
    EXPECT_EQ(kNutationRows[8].A, -1.3187);  // the main solar term 2F - 2D + 2Om
    EXPECT_EQ(kNutationRows[8].k_D, -2);
    EXPECT_EQ(kNutationRows[30].A, -0.2274);  // 2F + 2Om
    EXPECT_EQ(kNutationRows[30].B, 0.0977);
    EXPECT_EQ(kNutationRows[105].k_lp, 1);
    EXPECT_EQ(kNutationRows[105].k_D, 1);
    EXPECT_EQ(kNutationRows[105].A, 0.0001);
}

TEST(Nutation, MatchesErfaNut80) {
    for (double jd : sample_days()) {
        const double T = (jd - kJ2000) / kDaysPerCentury;
        double dpsi, deps;
        eraNut80(jd, 0.0, &dpsi, &deps);
        EXPECT_NEAR(nutation_longitude(T), dpsi * kArcsecPerRad, 1e-6) << jd;
        EXPECT_NEAR(nutation_obliquity(T), deps * kArcsecPerRad, 1e-6) << jd;
        EXPECT_LT(std::fabs(nutation_longitude(T)), 19.0);
        EXPECT_LT(std::fabs(nutation_obliquity(T)), 10.0);
    }
}

TEST(Frames, MatricesMatchErfa) {
    for (double jd : sample_days()) {
        CalcContext ctx = context_at(jd, 0.0);
        ASSERT_NEAR(ctx.jd, jd, 1e-8);
        double p[3][3], n[3][3];
        eraPmat76(jd, 0.0, p);
        const double eps0 = eraObl80(jd, 0.0);
        double dpsi, deps;
        eraNut80(jd, 0.0, &dpsi, &deps);
        eraNumat(eps0, dpsi, deps, n);
        EXPECT_NEAR(ctx.mean_obliquity, eps0 / kDegToRad, 1e-9);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                EXPECT_NEAR(ctx.precession_matrix[i][j], p[i][j], 1e-12);
                EXPECT_NEAR(ctx.nutation_matrix[i][j], n[i][j], 1e-12);
                EXPECT_NEAR(ctx.inv_precession_matrix[i][j], ctx.precession_matrix[j][i], 1e-15);
                EXPECT_NEAR(ctx.inv_nutation_matrix[i][j], ctx.nutation_matrix[j][i], 1e-15);
            }
        double np[3][3];
        eraRxr(n, p, np);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                EXPECT_NEAR(ctx.prec_nut_matrix[i][j], np[i][j], 1e-12);
                EXPECT_NEAR(ctx.inv_prec_nut_matrix[i][j], np[j][i], 1e-12);
            }
    }
}

TEST(Frames, EclipticEquatorRotationsAndVectors) {
    CalcContext ctx = context_at(2460000.5, 69.0);
    const double e = ctx.mean_obliquity * kDegToRad;
    // The ecliptic pole goes to (0, -sin e, cos e) in the equatorial frame.
    EXPECT_NEAR(ctx.ecl_to_equ_matrix[1][2], -std::sin(e), 1e-15);
    EXPECT_NEAR(ctx.ecl_to_equ_matrix[2][1], std::sin(e), 1e-15);
    EXPECT_NEAR(ctx.equ_to_ecl_matrix[1][2], std::sin(e), 1e-15);
    const double L = ctx.sun_longitude * kDegToRad;
    EXPECT_NEAR(ctx.sun_dir_vector[2], std::sin(e) * std::sin(L), 1e-15);
    EXPECT_NEAR(ctx.aberration_vector[1], -std::cos(e) * std::cos(L), 1e-15);
    double dot = 0;
    for (int k = 0; k < 3; ++k) dot += ctx.sun_dir_vector[k] * ctx.aberration_vector[k];
    EXPECT_NEAR(dot, 0.0, 1e-15);
}

// The Earth's orbit against Meeus, Astronomical Algorithms (2nd ed.), 25.4 and 31.A.
TEST(Frames, EarthOrbitElements) {
    for (const double jd : {2415020.5, 2460000.5, 2488070.5}) {
        const CalcContext ctx = context_at(jd, 0.0);
        const double T = ctx.t2000;
        EXPECT_NEAR(ctx.eccentricity, 0.016708634 - 0.000042037 * T - 0.0000001267 * T * T, 1e-6) << jd;
        EXPECT_NEAR(ctx.perihelion_longitude, 102.937348 + 1.7195269 * T + 0.00045962 * T * T, 1e-3) << jd;
    }
}

TEST(Frames, AtJ2000) {
    CalcContext ctx = context_at(2451545.0, 0.0);
    EXPECT_NEAR(ctx.t2000, 0.0, 1e-15);
    EXPECT_NEAR(ctx.prec_zeta, 0.0, 1e-15);
    EXPECT_NEAR(ctx.prec_z, 0.0, 1e-15);
    EXPECT_NEAR(ctx.prec_theta, 0.0, 1e-15);
    EXPECT_NEAR(ctx.mean_obliquity, 23.43929111, 2e-9);  // 84381.448" to the digits shown
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) EXPECT_NEAR(ctx.precession_matrix[i][j], i == j ? 1.0 : 0.0, 1e-15);
}

TEST(SiderealTime, GmstFromUniversalTime) {
    for (double delta_t : {0.0, 32.184, 69.2, 300.0}) {
        for (double jd : sample_days()) {
            CalcContext ctx = context_at(jd + 0.3141, delta_t);
            const double ut = ctx.jd - delta_t / 86400.0;
            const double gmst = eraGmst82(ut, 0.0) / kDegToRad;
            double diff = std::remainder(ctx.gmst_deg - gmst, 360.0);
            EXPECT_NEAR(diff, 0.0, 1e-5) << jd << " dT " << delta_t;
            EXPECT_GE(ctx.gmst_deg, 0.0);
            EXPECT_LT(ctx.gmst_deg, 360.0);
            EXPECT_GE(ctx.gast_deg, 0.0);
            EXPECT_LT(ctx.gast_deg, 360.0);
            EXPECT_NEAR(std::remainder(ctx.gast_deg - ctx.gmst_deg - ctx.eq_equinoxes, 360.0), 0, 1e-12);
        }
    }
}

TEST(SiderealTime, JustBelowDayBoundary) {
    // A moment a hair before 0h UT and the same moment written as the previous day at 24h.
    CalcContext a, b;
    a.tz_hours = b.tz_hours = 0;
    set_time(a, 2024, 3, 10, 0, 0, -1e-4);
    set_time(b, 2024, 3, 9, 23, 59, 60 - 1e-4);
    EXPECT_NEAR(a.gmst_deg, b.gmst_deg, 1e-7);
    EXPECT_NEAR(a.gmst_deg, eraGmst82(a.jd, 0.0) / kDegToRad, 1e-5);
}

TEST(EarthSeries, TableCountsAndPhysics) {
    EXPECT_EQ(std::size(kEarthXTerms), 39u);
    EXPECT_EQ(std::size(kEarthYTerms), 39u);
    EXPECT_EQ(std::size(kEarthZTerms), 10u);
    EXPECT_EQ(kEarthXTerms[0].a, 0.99982928844);
    constexpr double kPrecessionPerCentury = 5029.0966 / 3600.0;  // general precession, deg
    for (double T = -1.0; T <= 1.0; T += 0.0137) {
        const double x = earth_x(T), y = earth_y(T), z = earth_z(T);
        EXPECT_NEAR(std::sqrt(x * x + y * y + z * z), sun_distance(T), 1e-4) << T;
        const double earth_lon_j2000 = std::atan2(y, x) / kDegToRad;
        const double sun_lon_j2000 = sun_longitude(T) - 180.0 - kPrecessionPerCentury * T;
        EXPECT_NEAR(std::remainder(earth_lon_j2000 - sun_lon_j2000, 360.0), 0.0, 0.01) << T;
    }
    CalcContext ctx = context_at(2455000.5, 66.0);
    EXPECT_DOUBLE_EQ(ctx.earth_sun_vector[0], -earth_x(ctx.t2000));
    EXPECT_DOUBLE_EQ(ctx.earth_sun_vector[2], -earth_z(ctx.t2000));
}
