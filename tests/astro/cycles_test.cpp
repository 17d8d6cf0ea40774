// The equinoxes and solstices, the Moon's perigees and apogees, and the Sun's passage
// through the twilight and photographers' altitudes, against Astronomy Engine's
// (tests/data/apsides.csv, sun_altitudes.csv; tests/tools/make_cycle_reference.mjs), and the
// equinoxes and solstices against ERFA's.
#include <gtest/gtest.h>

#include <erfa.h>

#include <algorithm>

#include "apsides.h"
#include "reference_rows.h"
#include "seasons.h"
#include "sun_bands.h"

namespace {

constexpr double kSeasonMinutes = 1;
constexpr double kApsisMinutes = 30;
constexpr double kApsisKm = 100;
constexpr double kAltitudeMinutes = 1;

}  // namespace

// The Sun's apparent longitude of date from ERFA: its Earth (eraEpv00, good to a few km),
// the IAU 1976/1980 precession and nutation, and the annual aberration.
double erfa_sun_longitude(double jd_tt) {
    double heliocentric[2][3], barycentric[2][3];
    eraEpv00(jd_tt, 0, heliocentric, barycentric);
    double sun[3] = {-heliocentric[0][0], -heliocentric[0][1], -heliocentric[0][2]}, of_date[3];
    double to_true_equator[3][3];
    eraPnm80(jd_tt, 0, to_true_equator);
    eraRxp(to_true_equator, sun, of_date);
    double dpsi, deps;
    eraNut80(jd_tt, 0, &dpsi, &deps);
    const double eps = eraObl80(jd_tt, 0) + deps;
    const double y = std::cos(eps) * of_date[1] + std::sin(eps) * of_date[2];
    return std::atan2(y, of_date[0]) / astro::kDegToRad - 20.4898 / 3600 / eraPm(sun);
}

// Every equinox and solstice from 1900 to 2100 against ERFA's, each found from a day before
// it and from the one before it. (Astronomy Engine's own seasons lie up to 1.3 min from
// ERFA's, so ERFA is the reference here.)
TEST(Cycles, SeasonsFrom1900To2100) {
    double worst = 0;
    double jd = astro::julian_day(1900, 1, 1);
    for (int i = 0; i < 4 * 201; ++i) {
        const astro::Season s = astro::next_season(jd);
        ASSERT_EQ(static_cast<int>(s.kind), i % 4);
        const double target = 90.0 * (i % 4), dt = astro::delta_t_seconds(1900 + i / 4, 6, 1) / astro::kSecondsPerDay;
        double erfa_tt = s.jd_ut + dt;
        for (int k = 0; k < 4; ++k)
            erfa_tt += std::remainder(target - erfa_sun_longitude(erfa_tt), 360.0) * 365.24219 / 360;
        const double minutes = (s.jd_ut + dt - erfa_tt) * 1440;
        EXPECT_NEAR(minutes, 0, kSeasonMinutes) << i;
        EXPECT_NEAR(astro::next_season(s.jd_ut - 1).jd_ut, s.jd_ut, 1e-6);
        worst = std::max(worst, std::fabs(minutes));
        jd = s.jd_ut;
    }
    std::printf("seasons: worst %.2f min from ERFA\n", worst);
}

// Every perigee and apogee from 2000 to 2050, each the next one from a day before it.
TEST(Cycles, ApsidesFrom2000To2050) {
    double worst_minutes = 0, worst_km = 0;
    for (const Row& r : read_csv("apsides.csv")) {
        const double jd = jd_of(r.at("utc"));
        const astro::NextApsides a = astro::next_apsides(jd - 1, astro::delta_t_seconds(2025, 1, 1));
        const astro::Apsis& got = r.at("kind") == "perigee" ? a.perigee : a.apogee;
        const double minutes = minutes_off(got.jd_ut, r.at("utc")), km = got.distance_km - std::stod(r.at("distance_km"));
        EXPECT_NEAR(minutes, 0, kApsisMinutes) << r.at("kind") << " " << r.at("utc");
        EXPECT_NEAR(km, 0, kApsisKm) << r.at("kind") << " " << r.at("utc");
        worst_minutes = std::max(worst_minutes, std::fabs(minutes));
        worst_km = std::max(worst_km, std::fabs(km));
    }
    std::printf("apsides: worst %.1f min, %.1f km\n", worst_minutes, worst_km);
}

// The first rise and set through each altitude within a day: the spans' edges.
TEST(Cycles, SunThroughTwilightAndGoldenHourAltitudes) {
    double worst = 0;
    for (const Row& r : read_csv("sun_altitudes.csv")) {
        SCOPED_TRACE(r.at("place") + " " + r.at("start_utc") + " " + r.at("altitude_deg"));
        const astro::CalcContext ctx = context_at(r);
        const double now = astro::ut_julian_day(ctx);
        std::optional<double> rise, set;
        for (const astro::SunSpan& s : astro::sun_spans(ctx, std::stod(r.at("altitude_deg")), 90, 0, 24)) {
            if (s.begins && !rise) rise = now + s.begin_hours / 24;
            if (s.ends && !set) set = now + s.end_hours / 24;
        }
        for (const auto& [got, key] : {std::pair{rise, "rise_utc"}, std::pair{set, "set_utc"}}) {
            ASSERT_EQ(got.has_value(), !r.at(key).empty()) << key;
            if (!got) continue;
            EXPECT_NEAR(minutes_off(*got, r.at(key)), 0, kAltitudeMinutes) << key;
            worst = std::max(worst, std::fabs(minutes_off(*got, r.at(key))));
        }
    }
    std::printf("sun altitudes: worst %.2f min\n", worst);
    EXPECT_NEAR(astro::geometric_altitude_deg(6), 5.858, 0.001);  // Bennett: 8.5' at 6 degrees
}

// The day's twilight events follow the chosen kind: civil and nautical twilight where the Sun
// crosses 6 and 12 degrees below, as the reference finds them (the first of the day's).
TEST(Cycles, ChosenTwilightInTheDaysEvents) {
    const std::pair<const char*, astro::Twilight> kinds[] = {{"-6.0000", astro::Twilight::kCivil},
                                                             {"-12.0000", astro::Twilight::kNautical}};
    int compared = 0;
    for (const Row& r : read_csv("sun_altitudes.csv")) {
        for (const auto& [altitude, kind] : kinds) {
            if (r.at("altitude_deg") != altitude) continue;
            SCOPED_TRACE(r.at("place") + " " + r.at("start_utc") + " " + altitude);
            int y, mo, d, h, mi, s;
            std::sscanf(r.at("start_utc").c_str(), "%d-%d-%dT%d:%d:%dZ", &y, &mo, &d, &h, &mi, &s);
            astro::CalcContext ctx;
            astro::CPlnt_Data planets;
            ctx.tz_hours = 0;
            ctx.twilight_sine = astro::twilight_sine(kind);
            astro::start_at(ctx, planets, {std::stod(r.at("lat")), std::stod(r.at("lon")), std::stod(r.at("height"))},
                            {y, mo, d, h, mi, s});
            const double now = astro::ut_julian_day(ctx);
            for (const auto& [event, key] : {std::pair{astro::DayEvent::kTwilightBegin, "rise_utc"},
                                             std::pair{astro::DayEvent::kTwilightEnd, "set_utc"}}) {
                const astro::EventTime e = astro::day_event(ctx, event);
                ASSERT_EQ(e.found, !r.at(key).empty()) << key;
                if (!e.found) continue;
                const double first = std::isfinite(e.first_hours) ? e.first_hours : e.hours;
                EXPECT_NEAR(minutes_off(now + first / 24, r.at(key)), 0, kAltitudeMinutes) << key;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 60);
}

// Where the Moon stands now: altitude and azimuth of its topocentric centre, and its
// distance from the Earth's centre.
TEST(Cycles, MoonNow) {
    constexpr double kDegrees = 0.1, kKm = 100;
    for (const Row& r : read_csv("moon_now.csv")) {
        SCOPED_TRACE(r.at("place") + " " + r.at("start_utc"));
        const astro::MoonNow m = astro::moon_now(context_at(r));
        EXPECT_NEAR(m.altitude_deg, std::stod(r.at("altitude_deg")), kDegrees);
        EXPECT_NEAR(std::remainder(m.azimuth_deg - std::stod(r.at("azimuth_deg")), 360.0) *
                        std::cos(m.altitude_deg * astro::kDegToRad),
                    0, kDegrees);
        EXPECT_NEAR(m.distance_km, std::stod(r.at("distance_km")), kKm);
    }
}

// The phase by name: the principal phase from a day before its instant to a day after, the
// quarter between two of them outside that (every phase of 2020 to 2030).
TEST(Cycles, PhaseByName) {
    constexpr const char* kPrincipal[] = {"new", "first_quarter", "full", "last_quarter"};
    const double dt = astro::delta_t_seconds(2025, 1, 1);
    const auto name_at = [dt](double jd) {
        const double angle = astro::moon_phase_angle_at((jd + dt / astro::kSecondsPerDay - astro::kJ2000) / astro::kDaysPerCentury);
        return astro::phase_name(jd, angle, astro::next_principal_phases(jd - astro::kPhaseAroundDays, dt));
    };
    int checked = 0;
    for (const Row& r : read_csv("moon_phases.csv")) {
        if (r.at("utc") < "2020" || r.at("utc") > "2030") continue;
        const int k = static_cast<int>(std::find(std::begin(kPrincipal), std::end(kPrincipal), r.at("phase")) - kPrincipal);
        ASSERT_LT(k, 4) << r.at("phase");
        const double jd = std::stod(r.at("jd_ut"));
        SCOPED_TRACE(r.at("utc"));
        EXPECT_EQ(name_at(jd - 0.95), static_cast<astro::PhaseName>(2 * k));
        EXPECT_EQ(name_at(jd + 0.95), static_cast<astro::PhaseName>(2 * k));
        EXPECT_EQ(name_at(jd - 1.05), static_cast<astro::PhaseName>((2 * k + 7) % 8));
        EXPECT_EQ(name_at(jd + 1.05), static_cast<astro::PhaseName>(2 * k + 1));
        ++checked;
    }
    EXPECT_GT(checked, 480);
}
