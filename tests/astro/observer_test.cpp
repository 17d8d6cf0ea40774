#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <type_traits>

#include "almanac.h"
#include "context.h"
#include "frames.h"
#include "observer.h"

using namespace astro;

namespace {

// What the clock does for one local moment: zone, place, Delta T, frames, events.
CalcContext run_at(int y, int mo, int d, int h, int mi, double tz, double lat, double lon,
                   double height = 0) {
    CalcContext ctx;
    CPlnt_Data planets;
    ctx.tz_hours = tz;
    set_observer(ctx, lat, lon, height);
    minute_pass(ctx, planets, {y, mo, d, h, mi, 0});
    return ctx;
}

}  // namespace

TEST(Observer, GeodeticPosition) {
    CalcContext ctx;
    set_observer(ctx, 0, 0, 0);
    EXPECT_NEAR(ctx.obs_x, 6356.755, 1e-9);
    EXPECT_NEAR(ctx.obs_y, 0, 1e-12);
    EXPECT_NEAR(ctx.obs_xd, 6356.755 - 0.136, 1e-9);
    EXPECT_NEAR(ctx.obs_yd, 0.521, 1e-12);
    EXPECT_NEAR(ctx.obs_zd, 0.681, 1e-12);
    set_observer(ctx, 90, 0, 1000);
    const double n = 6356.755 / std::sqrt(1 - 0.00669438);
    EXPECT_NEAR(ctx.obs_z, n * 0.99330562 + 1.0, 1e-9);
    EXPECT_NEAR(ctx.obs_x, 0, 1e-9);
    set_observer(ctx, 35, 135, 0);
    EXPECT_LT(ctx.obs_x, 0);
    EXPECT_GT(ctx.obs_y, 0);
    EXPECT_NEAR(std::atan2(ctx.obs_y, ctx.obs_x) / kDegToRad, 135, 1e-12);
}

TEST(Observer, HorizonMatrixAndObserverVector) {
    CalcContext ctx = run_at(2026, 3, 20, 12, 0, 9, 35, 135);
    // The horizon matrix is orthonormal and its transpose is stored beside it.
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            double dot = 0;
            for (int k = 0; k < 3; ++k) dot += ctx.equ_to_hor_matrix[i][k] * ctx.equ_to_hor_matrix[j][k];
            EXPECT_NEAR(dot, i == j ? 1 : 0, 1e-14);
            EXPECT_DOUBLE_EQ(ctx.hor_to_equ_matrix[i][j], ctx.equ_to_hor_matrix[j][i]);
        }
    // The celestial pole stands at the latitude's altitude, due north (x towards south).
    const Vec3 pole = {0, 0, 1};
    Vec3 h;
    mat_vec(ctx.equ_to_hor_matrix, pole, h);
    EXPECT_NEAR(std::asin(h[2]) / kDegToRad, 35, 1e-12);
    EXPECT_LT(h[0], 0);
    EXPECT_NEAR(h[1], 0, 1e-12);
    // The observer vector of date points to the zenith, apart from the geodetic tilt.
    const double r = std::hypot(ctx.observer_vector[0], ctx.observer_vector[1], ctx.observer_vector[2]);
    Vec3 unit = {ctx.observer_vector[0] / r, ctx.observer_vector[1] / r, ctx.observer_vector[2] / r};
    mat_vec(ctx.equ_to_hor_matrix, unit, h);
    EXPECT_GT(h[2], std::cos(0.25 * kDegToRad));
    EXPECT_DOUBLE_EQ(ctx.local_apparent_sidereal, ctx.gast_deg + 135);
    EXPECT_DOUBLE_EQ(ctx.local_mean_sidereal, ctx.gmst_deg + 135);
}

// The true Sun crosses the meridian when the local mean solar hour reads noon less the
// equation of time, +16 min 26 s on 2026 November 3 (at 135 deg E civil zone time is
// local mean time, so the hour is also the clock reading).
TEST(Observer, SunCrossesTheMeridianAtNoonLessTheEquationOfTime) {
    double previous_hour = 0, previous_east = 0, transit = -1;
    for (int m = 0; m < 90 && transit < 0; ++m) {
        const CalcContext ctx = run_at(2026, 11, 3, 11 + m / 60, m % 60, 9, 35, 135);
        const double east = ctx.sun_horizon_vector[1];
        if (m > 0 && previous_east > 0 && east <= 0)
            transit = previous_hour + (ctx.local_solar_hour - previous_hour) * previous_east / (previous_east - east);
        previous_hour = ctx.local_solar_hour;
        previous_east = east;
    }
    EXPECT_NEAR(transit, 12 - (16 + 26 / 60.0) / 60, 0.5 / 60);
}

TEST(Events, DefaultObserverFindsSunriseAndSunsetEveryDay) {
    constexpr int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month) {
        for (int dom = 1; dom <= kDaysInMonth[month - 1]; ++dom) {
            for (int hour : {0, 12}) {
                CalcContext ctx = run_at(2027, month, dom, hour, 0, 9, 35, 135);
                ASSERT_TRUE(ctx.sunrise_found) << month << "/" << dom;
                ASSERT_TRUE(ctx.sunset_found) << month << "/" << dom;
                ASSERT_TRUE(ctx.twilight_begin_found) << month << "/" << dom;
                ASSERT_TRUE(ctx.twilight_end_found) << month << "/" << dom;
                // Day length at 35 N lies between about 9.7 and 14.6 hours.
                double day_length = ctx.sunset - ctx.sunrise;
                if (day_length < 0) day_length += 24;
                ASSERT_GT(day_length, 9.5);
                ASSERT_LT(day_length, 14.8);
            }
        }
    }
}

TEST(Events, PolarSummerAndWinterHaveNoSunEvents) {
    CalcContext summer = run_at(2026, 6, 21, 12, 0, 1, 78, 15);
    EXPECT_FALSE(summer.sunrise_found);
    EXPECT_FALSE(summer.sunset_found);
    EXPECT_EQ(summer.sunrise, 0.0);
    EXPECT_EQ(summer.sunset, 0.0);
    EXPECT_GT(summer.sun_horizon_vector[2], 0.0);
    CalcContext winter = run_at(2026, 12, 21, 12, 0, 1, 78, 15);
    EXPECT_FALSE(winter.sunrise_found);
    EXPECT_FALSE(winter.sunset_found);
    EXPECT_LT(winter.sun_horizon_vector[2], kSunriseSine);
    // White nights: the Sun sets but astronomical twilight never ends.
    CalcContext white = run_at(2026, 6, 21, 12, 0, 3, 60, 30);
    EXPECT_TRUE(white.sunrise_found);
    EXPECT_TRUE(white.sunset_found);
    EXPECT_FALSE(white.twilight_end_found);
    EXPECT_FALSE(white.twilight_begin_found);
}

TEST(Events, MoonCircumpolarKeepsMinusOne) {
    // At 80 N the Moon stays up or down for days around its extreme declinations.
    int up = 0, down = 0;
    for (int day = 1; day <= 28; ++day) {
        CalcContext ctx = run_at(2025, 1, day, 0, 0, 0, 80, 0);
        if (ctx.moonrise == -1 && ctx.moonset == -1) {
            if (ctx.moon_up_flag > 0) ++up; else ++down;
        }
    }
    EXPECT_GT(up, 0);
    EXPECT_GT(down, 0);
}

TEST(Events, CrossingInTheFirstHourInterpolatesFromNow) {
    // Start a few minutes before a sunrise found from an earlier moment.
    CalcContext before = run_at(2026, 3, 20, 0, 0, 9, 35, 135);
    ASSERT_TRUE(before.sunrise_found);
    const double rise_clock = before.sunrise;  // hours after 00:00
    const int h = static_cast<int>(rise_clock);
    const int m = static_cast<int>((rise_clock - h) * 60) - 10;
    CalcContext ctx = run_at(2026, 3, 20, h, m, 9, 35, 135);
    ASSERT_TRUE(ctx.sunrise_found);
    EXPECT_LT(ctx.sunrise, 1.0);
    EXPECT_LT(ctx.sun_horizon_vector[2], kSunriseSine);
    EXPECT_NEAR(h + m / 60.0 + ctx.sunrise, rise_clock, 1.0 / 60);
}

TEST(Events, SweepStaysFiniteAndInRange) {
    for (int k = 0; k < 10000; ++k) {
        const int year = 1800 + (k * 37) % 401;
        const int month = 1 + (k * 7) % 12;
        const int day = 1 + (k * 11) % 28;
        const double lat = -90.0 + (k * 53) % 181;
        const double lon = -180.0 + (k * 97) % 361;
        CalcContext ctx = run_at(year, month, day, (k * 5) % 24, (k * 17) % 60, (k % 27) - 12, lat, lon,
                                 (k * 131) % 3000);
        for (double e : {ctx.sunrise, ctx.sunset, ctx.twilight_begin, ctx.twilight_end}) {
            ASSERT_TRUE(std::isfinite(e)) << k;
            ASSERT_GE(e, 0.0);
            ASSERT_LT(e, 24.0);
        }
        for (double e : {ctx.moonrise, ctx.moonset}) {
            ASSERT_TRUE(e == -1 || (e >= 0 && e < 24)) << k << " " << e;
        }
        ASSERT_TRUE(std::isfinite(ctx.moon_up_flag));
        ASSERT_GE(ctx.moon_phase_angle, 0.0);
        ASSERT_LT(ctx.moon_phase_angle, 360.0);
    }
}

// The minute update sets the new time straight away: a frame pass over the previous
// minute's time first would be overwritten in full, so leaving it out changes nothing.
TEST(Events, FramePassBeforeSetTimeIsOverwrittenInFull) {
    static_assert(std::is_trivially_copyable_v<CalcContext>);
    CalcContext stale = run_at(2026, 12, 8, 21, 29, 9.0, 35.0, 135.0);
    stale.delta_t = delta_t_seconds(2026, 12, 8);
    CalcContext with_pass = stale, without = stale;
    compute_frames(with_pass);
    set_time_and_orient(with_pass, 2026, 12, 8, 21, 30, 0);
    set_time_and_orient(without, 2026, 12, 8, 21, 30, 0);
    EXPECT_EQ(std::memcmp(&with_pass, &without, sizeof(CalcContext)), 0);
    EXPECT_NE(std::memcmp(&stale, &without, sizeof(CalcContext)), 0);
}
