#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "context.h"
#include "series.h"
#include "sun_moon_tables.h"

using namespace astro;

namespace {

struct Row {
    double a, b, c;
};

// Plain terms of the Sun's longitude as published (the T-multiplied row 3 left out).
const std::vector<Row> kPublishedSunPlain = {
    {1.9147, 35999.05, 267.52}, {0.02, 71998.1, 265.1}, {0.002, 32964, 158},
    {0.0018, 19, 159},          {0.0018, 445267, 208}, {0.0015, 45038, 254},
    {0.0013, 22519, 352},       {0.0007, 65929, 45},   {0.0007, 3035, 110},
    {0.0007, 9038, 64},         {0.0006, 33718, 316},  {0.0005, 155, 118},
    {0.0005, 2281, 221},        {0.0004, 29930, 48},   {0.0004, 31557, 161}};

double deg_cos(double d) { return std::cos(d * 3.141592653589793 / 180.0); }

void expect_row(const SeriesTerm& t, double a, double b, double c, bool secular) {
    EXPECT_EQ(t.a, a);
    EXPECT_EQ(t.b, b);
    EXPECT_EQ(t.c, c);
    EXPECT_EQ(t.secular, secular);
}

}  // namespace

TEST(SeriesTerm, AngleReducedBeforePhase) {
    // b*T = 370 -> 10, + c = 355: 365 deg, not reduced again, cos(365) = cos(5).
    const SeriesTerm plain[] = {{2.0, 370.0, 355.0, false}};
    EXPECT_NEAR(series_sum(0, plain, 1.0), 2 * deg_cos(5), 1e-15);
    const SeriesTerm secular[] = {{2.0, 370.0, 355.0, true}};
    EXPECT_NEAR(series_sum(1.0, secular, 1.0), 1.0 + 2 * deg_cos(5), 1e-15);
    const SeriesTerm half[] = {{3.0, 90.0, 0.0, true}};
    EXPECT_NEAR(series_sum(0, half, 0.5), 3 * 0.5 * deg_cos(45), 1e-15);
}

TEST(SunMoonSeries, TableIntegrity) {
    EXPECT_EQ(std::size(kSunLongitudeTerms), 16u);
    EXPECT_EQ(std::size(kSunDistanceTerms), 8u);
    EXPECT_EQ(std::size(kMoonLongitudeTerms), 61u);
    EXPECT_EQ(std::size(kMoonLatitudeTerms), 45u);
    EXPECT_EQ(std::size(kMoonParallaxTerms), 43u);
    expect_row(kSunLongitudeTerms[2], -0.0048, 35999, 268, true);
    expect_row(kSunLongitudeTerms[15], 0.0004, 31557, 161, false);
    expect_row(kSunDistanceTerms[0], 0.016706, 35999.05, 177.53, false);
    expect_row(kSunDistanceTerms[2], -0.000042, 35999, 178, true);
    expect_row(kSunDistanceTerms[7], 0.000005, 33718, 226, false);
    expect_row(kMoonLongitudeTerms[0], 6.2888, 477198.868, 44.963, false);
    expect_row(kMoonLongitudeTerms[30], 0.0026, 1379739, 17, false);
    expect_row(kMoonLongitudeTerms[60], 0.0003, 2322131, 191, false);
    expect_row(kMoonLatitudeTerms[0], 5.1281, 483202.019, 3.273, false);
    expect_row(kMoonLatitudeTerms[22], 0.0015, 42002, 46, false);
    expect_row(kMoonLatitudeTerms[44], 0.0003, 335334, 57, false);
    expect_row(kMoonParallaxTerms[0], 0.05182, 477198.868, 134.963, false);
    expect_row(kMoonParallaxTerms[21], 0.000041, 481266, 295, false);
    expect_row(kMoonParallaxTerms[42], 0.000005, 405201, 140, false);
    int secular = 0;
    for (auto& t : kMoonLongitudeTerms) secular += t.secular;
    for (auto& t : kMoonLatitudeTerms) secular += t.secular;
    for (auto& t : kMoonParallaxTerms) secular += t.secular;
    EXPECT_EQ(secular, 0);
}

TEST(SunMoonSeries, AtJ2000EveryTermIsACosC) {
    double expected = 280.4659;
    for (const Row& r : kPublishedSunPlain) expected += r.a * deg_cos(r.c);
    EXPECT_NEAR(sun_longitude(0), floor_mod(expected, 360), 1e-12);
    EXPECT_NEAR(sun_longitude(0), 280.37, 0.02);  // the geometric Sun at J2000.0
    EXPECT_NEAR(sun_distance(0), 0.98333, 0.0001);
    EXPECT_NEAR(moon_longitude(0), 223.32, 0.02);
    EXPECT_NEAR(moon_latitude(0), 5.17, 0.01);
    EXPECT_NEAR(moon_parallax(0), 0.9081, 0.0005);  // Moon about 402 450 km away
}

TEST(SunMoonSeries, NegativeTReducesByWholeTurns) {
    // A term with b*T an exact number of turns apart gives the same angle.
    const SeriesTerm term[] = {{1.0, 360.0, 30.0, false}};
    const double a = series_sum(0, term, -0.25);  // -90 -> 270, + 30
    const double b = series_sum(0, term, 0.75);   // 270 + 30
    EXPECT_NEAR(a, b, 1e-15);
    EXPECT_NEAR(a, deg_cos(300), 1e-15);
}

TEST(SunMoonSeries, LongitudesAlwaysInRange) {
    for (double T = -2.0; T <= 2.0; T += 0.000731) {
        const double s = sun_longitude(T), m = moon_longitude(T);
        ASSERT_GE(s, 0.0);
        ASSERT_LT(s, 360.0);
        ASSERT_GE(m, 0.0);
        ASSERT_LT(m, 360.0);
        ASSERT_GT(sun_distance(T), 0.98);
        ASSERT_LT(sun_distance(T), 1.02);
        ASSERT_LT(std::fabs(moon_latitude(T)), 5.4);
        ASSERT_GT(moon_parallax(T), 0.89);
        ASSERT_LT(moon_parallax(T), 1.03);
    }
}
