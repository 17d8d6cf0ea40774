#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "context.h"
#include "frames.h"

using namespace astro;

TEST(JulianDay, J2000NoonTT) {
    CalcContext ctx;
    ctx.tz_hours = 0;
    ctx.delta_t = 0;
    set_time(ctx, 2000, 1, 1, 12, 0, 0);
    EXPECT_DOUBLE_EQ(ctx.jd, 2451545.0);
    EXPECT_DOUBLE_EQ(ctx.t2000, 0.0);
}

TEST(JulianDay, GregorianReformAndNestedTest) {
    // Thursday 1582 October 4 (Julian) was followed by Friday October 15 (Gregorian).
    EXPECT_DOUBLE_EQ(julian_day(1582, 10, 4), 2299159.5);
    EXPECT_DOUBLE_EQ(julian_day(1582, 10, 15), 2299160.5);
    EXPECT_DOUBLE_EQ(julian_day(1582, 10, 15) - julian_day(1582, 10, 4), 1.0);
    // January and February 1583 run on the shifted year 1582 and months 13, 14.
    EXPECT_DOUBLE_EQ(julian_day(1583, 1, 1), 2299238.5);
    EXPECT_DOUBLE_EQ(julian_day(1583, 2, 28), 2299296.5);
    // October 1..14 of later years are Gregorian too.
    EXPECT_DOUBLE_EQ(julian_day(2000, 10, 10) + 1, julian_day(2000, 10, 11));
    EXPECT_DOUBLE_EQ(julian_day(2000, 10, 1), 2451818.5);
    EXPECT_DOUBLE_EQ(julian_day(1957, 10, 4.81), 2436116.31);
    EXPECT_DOUBLE_EQ(julian_day(-4712, 1, 1.5), 0.0);
}

TEST(JulianDay, ComputeJdTakesLocalTimeToTT) {
    CalcContext ctx;
    ctx.tz_hours = 9;
    ctx.delta_t = 64.0;
    set_time(ctx, 2000, 1, 1, 21, 0, 0);
    EXPECT_NEAR(ctx.jd, 2451545.0 + 64.0 / 86400.0, 1e-9);
    EXPECT_DOUBLE_EQ(compute_jd(ctx), ctx.jd);
}

TEST(UtHours, NotWrapped) {
    CalcContext ctx;
    ctx.tz_hours = 9;
    set_time(ctx, 2026, 3, 1, 8, 30, 0);
    EXPECT_DOUBLE_EQ(ctx.ut_hours, -0.5);
    ctx.tz_hours = -5;
    set_time(ctx, 2026, 3, 1, 23, 0, 36);
    EXPECT_DOUBLE_EQ(ctx.ut_hours, 28.01);
}

TEST(DeltaT, Branches) {
    EXPECT_EQ(delta_t_seconds(1799, 12, 31), 0.0);
    EXPECT_NEAR(delta_t_seconds(1900, 1, 1), -2.50, 0.01);
    EXPECT_NEAR(delta_t_seconds(1975, 1, 1), 46.0027378508, 1e-9);  // January 1 is g = 1/365.25
    EXPECT_DOUBLE_EQ(delta_t_seconds(1987, 1, 1), 56.0);
    EXPECT_DOUBLE_EQ(delta_t_seconds(1987, 9, 17), 56.0);
    EXPECT_NEAR(delta_t_seconds(1988, 7, 10), 56.5256673511, 1e-9);  // a leap year, past February
    EXPECT_NEAR(delta_t_seconds(2000, 3, 1), 66.1336071184, 1e-9);
    // No leap day before March, none in 2100 (not a Gregorian leap year).
    EXPECT_NEAR(delta_t_seconds(2000, 2, 1), 66.0700889802, 1e-9);
    EXPECT_NEAR(delta_t_seconds(2100, 3, 1), 146.131416838, 1e-8);
    // The polynomial at the 1974/1975 seam: about 44.5 s.
    EXPECT_NEAR(delta_t_seconds(1974, 12, 31), 44.5, 1.0);
}

// The model against the measured Delta T (Espenak and Meeus, NASA/TP-2006-214141), within
// the 2 s the polynomial and the whole-second table allow.
TEST(DeltaT, FollowsTheMeasuredValues) {
    const struct {
        int year;
        double seconds;
    } measured[] = {{1900, -2.79}, {1910, 10.38}, {1920, 21.16}, {1930, 24.02}, {1940, 24.33},
                    {1950, 29.07}, {1960, 33.15}, {1970, 40.18}, {1975, 45.48}, {1980, 50.54},
                    {1985, 54.34}, {1988, 55.82}};
    for (const auto& m : measured) EXPECT_NEAR(delta_t_seconds(m.year, 1, 1), m.seconds, 2.0) << m.year;
}

TEST(DeltaT, MonthOutsideTableCarriesIntoYear) {
    EXPECT_DOUBLE_EQ(delta_t_seconds(2001, 0, 5), delta_t_seconds(2000, 12, 5));
    EXPECT_DOUBLE_EQ(delta_t_seconds(2000, 13, 5), delta_t_seconds(2001, 1, 5));
    EXPECT_DOUBLE_EQ(delta_t_seconds(2002, -13, 5), delta_t_seconds(2000, 11, 5));
    EXPECT_DOUBLE_EQ(delta_t_seconds(1975, 0, 5), delta_t_seconds(1974, 12, 5));
    EXPECT_DOUBLE_EQ(delta_t_seconds(1800, 0, 5), 0.0);
}

TEST(FloorMod, RangeAndNegatives) {
    EXPECT_DOUBLE_EQ(floor_mod(370, 360), 10);
    EXPECT_DOUBLE_EQ(floor_mod(-10, 360), 350);
    EXPECT_DOUBLE_EQ(floor_mod(-720, 360), 0);
    const double r = floor_mod(-1e-17, 360);
    EXPECT_GE(r, 0.0);
    EXPECT_LT(r, 360.0);
}

TEST(SetTimeFromClock, ReadsLocalClock) {
    CalcContext ctx;
    ctx.tz_hours = 0;
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    set_time_from_clock(ctx, now);
    EXPECT_EQ(ctx.year, local.tm_year + 1900);
    EXPECT_EQ(ctx.month, local.tm_mon + 1);
    EXPECT_GT(ctx.jd, 2451545.0);
}


