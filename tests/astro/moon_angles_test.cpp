// The Moon's bright limb and the parallactic angle: Meeus's worked example and ERFA.
#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>

#include "almanac.h"
#include "moon_angles.h"

namespace {

constexpr double kDeg = 3.14159265358979323846 / 180;

double angle_difference(double a, double b) { return std::remainder(a - b, 360.0); }

}  // namespace

// Meeus, Astronomical Algorithms, example 48.a (1992 April 12, 0h TD): chi = 285.0 deg.
TEST(MoonAngles, BrightLimbOfMeeusExample) {
    const double sun_ra = 20.6579, sun_dec = 8.6964, moon_ra = 134.6885, moon_dec = 13.7684;
    EXPECT_NEAR(astro::bright_limb_angle(sun_ra, sun_dec, moon_ra, moon_dec), 285.0, 0.05);
    // The Sun due west of the Moon on the equator lights its western limb: 270 deg.
    EXPECT_NEAR(astro::bright_limb_angle(100, 0, 130, 0), 270.0, 1e-9);
}

TEST(MoonAngles, ParallacticAngleAsErfa) {
    int compared = 0;
    for (double ha = -179; ha <= 180; ha += 37)
        for (double dec = -80; dec <= 80; dec += 23)
            for (double lat = -85; lat <= 85; lat += 17) {
                const double ours = astro::parallactic_angle(ha, dec, lat);
                const double erfa = eraHd2pa(ha * kDeg, dec * kDeg, lat * kDeg) / kDeg;
                ASSERT_NEAR(angle_difference(ours, erfa), 0, 1e-9) << ha << " " << dec << " " << lat;
                ++compared;
            }
    EXPECT_GT(compared, 500);
}

// The whole chain for the clock's moments and places against ERFA: the Sun (EPV00) and the
// Moon (Moon98) in GCRS, to the true equator and equinox of date (IAU 2006/2000A), the hour
// angle from the apparent sidereal time. Where the Moon is within 15 deg of the Sun or of
// opposition the limb's direction is ill-defined and is left out.
TEST(MoonAngles, BrightLimbFromZenithAsErfa) {
    int compared = 0;
    for (int month = 1; month <= 12; ++month)
        for (const int day : {3, 11, 19, 26})
            for (const auto& [lat, lon] : {std::pair{0.0, -78.5}, {52.5, 13.4}, {-33.9, 151.2}, {69.65, 18.96}}) {
                astro::CalcContext ctx;
                astro::CPlnt_Data planets;
                ctx.tz_hours = 0;
                const astro::CivilMoment m{2027, month, day, 18, 30, 0};
                astro::start_at(ctx, planets, {lat, lon, 0}, m);
                double u1, u2, t1, t2;
                eraDtf2d("UTC", m.year, m.month, m.day, m.hour, m.minute, m.second, &u1, &u2);
                eraUtctai(u1, u2, &t1, &t2);
                eraTaitt(t1, t2, &t1, &t2);
                double ut1a, ut1b;
                eraUtcut1(u1, u2, 0, &ut1a, &ut1b);
                double moon[2][3], earth_h[2][3], earth_b[2][3], npb[3][3];
                eraMoon98(t1, t2, moon);
                eraEpv00(t1, t2, earth_h, earth_b);
                eraPnm06a(t1, t2, npb);
                double sun_gcrs[3], sun_true[3], moon_true[3];
                for (int k = 0; k < 3; ++k) sun_gcrs[k] = -earth_h[0][k];
                eraRxp(npb, sun_gcrs, sun_true);
                eraRxp(npb, moon[0], moon_true);
                double sun_ra, sun_dec, moon_ra, moon_dec;
                eraC2s(sun_true, &sun_ra, &sun_dec);
                eraC2s(moon_true, &moon_ra, &moon_dec);
                const double elongation = eraSepp(sun_true, moon_true) / kDeg;
                if (elongation < 15 || elongation > 165) continue;
                const double chi = astro::bright_limb_angle(sun_ra / kDeg, sun_dec / kDeg, moon_ra / kDeg, moon_dec / kDeg);
                const double ha = eraGst06a(ut1a, ut1b, t1, t2) / kDeg + lon - moon_ra / kDeg;
                const double want = chi - eraHd2pa(ha * kDeg, moon_dec, lat * kDeg) / kDeg;
                EXPECT_NEAR(angle_difference(astro::bright_limb_from_zenith(ctx), want), 0, 0.5)
                    << month << "/" << day << " at " << lat << "," << lon;
                ++compared;
            }
    EXPECT_GT(compared, 120);
}
