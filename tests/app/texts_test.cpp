#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "almanac_report.h"
#include "test_time.h"
#include "texts.h"

namespace {

// The place's clock at a local time of a fixed zone.
PlaceClock clock_at(int y, int mo, int d, int h, int mi, double zone) {
    return {utc(y, mo, d, h, mi) - static_cast<std::time_t>(zone * 3600), PlaceZone(zone)};
}

}  // namespace

TEST(Texts, AgeAndIllumination) {
    EXPECT_EQ(age_text(12.3), "Age=12.3");
    EXPECT_EQ(age_text(12.300000000000001), "Age=12.3");
    EXPECT_EQ(age_text(5.0), "Age=5");
    EXPECT_EQ(age_text(29.53), "Age=29.5");
    EXPECT_EQ(age_text(0.0), "Age=0");
    EXPECT_EQ(illum_text(90), "k=0.5");
    EXPECT_EQ(illum_text(0), "k=0");
    EXPECT_EQ(illum_text(180), "k=1");
    EXPECT_EQ(illum_text(84.27), "k=0.45");
}

TEST(Texts, EventTimes) {
    EXPECT_EQ(event_text(-2.505, true, 7, 40, 0), "(5h9m)");
    EXPECT_EQ(event_text(25.25 - 7.5, true, 7, 30, 0), "1h15m");
    EXPECT_EQ(event_text(0, true, 7, 5, 0), "7h5m");
    EXPECT_EQ(event_text(0.5, true, 23, 45, 0), "0h15m");
    EXPECT_EQ(event_text(-1, false, 7, 5, 0), "--h--m");
    EXPECT_EQ(event_text(0, false, 7, 5, 0), "--h--m");
    // The seconds of the clock count: 30 s after 07:05:40 is 07:06.
    EXPECT_EQ(event_text(30 / 3600.0, true, 7, 5, 40), "7h6m");
    for (int h = 0; h < 24; ++h)
        for (int m = 0; m < 60; ++m)
            ASSERT_EQ(event_text(0, true, h, m, 0), std::to_string(h) + "h" + std::to_string(m) + "m");
}

TEST(Texts, BuiltFromEngineResults) {
    astro::CalcContext ctx;
    astro::CPlnt_Data planets;
    planets.moon_age = 12.3;
    ctx.moon_phase_angle = 90;
    ctx.moonrise = -1;
    ctx.moonset = 2.25;
    ctx.sunrise = 1.5;
    ctx.sunrise_found = true;
    ctx.sunset = 0;
    ctx.sunset_found = false;
    ctx.twilight_begin = 0.75;
    ctx.twilight_begin_found = true;
    ctx.twilight_end_found = false;
    const DisplayTexts t = build_display_texts(ctx, planets, clock_at(2026, 12, 9, 4, 30, 9.0));
    EXPECT_EQ(t.age_text, "Age=12.3");
    EXPECT_EQ(t.illum_text, "k=0.5");
    EXPECT_EQ(t.moonrise_text, "--h--m");
    EXPECT_EQ(t.moonset_text, "6h45m");
    EXPECT_EQ(t.sunrise_text, "6h0m");
    EXPECT_EQ(t.sunset_text, "--h--m");
    EXPECT_EQ(t.twilight_begin_text, "5h15m");
    EXPECT_EQ(t.twilight_end_text, "--h--m");
}

// A locale with a decimal comma; compiled into a scratch folder when the system has none.
bool use_decimal_comma_locale() {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) return true;
    const std::string dir = testing::TempDir() + "orbalis_locales";
    const std::string cmd = "mkdir -p " + dir + " && localedef -i de_DE -f UTF-8 " + dir + "/de_DE.UTF-8 2>/dev/null";
    if (std::system(cmd.c_str()) != 0) return false;
    setenv("LOCPATH", dir.c_str(), 1);
    return std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
}

TEST(Texts, IndependentOfLocale) {
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    ASSERT_TRUE(use_decimal_comma_locale());
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(age_text(12.3), "Age=12.3");
    EXPECT_EQ(illum_text(84.27), "k=0.45");
    EXPECT_EQ(shortest_decimal(-3.5), "-3.5");
    EXPECT_EQ(parse_decimal("+9.5"), 9.5);
    EXPECT_FALSE(parse_decimal("9,5").has_value());
    CInit place{};
    default_settings(place);
    derive_angles(place);
    const std::string json = almanac_of(place, PlaceZone::of_settings(place.tz_hours, ""), 1796817600).json();  // 2026-12-09 12:00 UTC
    EXPECT_NE(json.find("\"latitude\": 35.0000, \"longitude\": 135.0000"), std::string::npos) << json;
    std::setlocale(LC_ALL, saved.c_str());
}

// The day at a glance from fixed results: events in time order, an absent one, the Moon and
// the phases, on the 24-hour and the 12-hour dial, whatever the locale's decimal point.
TEST(Texts, DayAtAGlance) {
    astro::CalcContext ctx;
    astro::CPlnt_Data planets;
    planets.moon_age = 12.3;
    ctx.moon_phase_angle = 90;
    ctx.sunrise = 2.5;
    ctx.sunrise_found = true;
    ctx.sunset = 12.25;
    ctx.sunset_found = true;
    ctx.twilight_begin = 1.0;
    ctx.twilight_begin_found = true;
    ctx.twilight_end_found = false;
    ctx.moonrise = 20.0;
    ctx.moonset = astro::kNoMoonEvent;
    ctx.moon_horizon_vector[0] = -0.5;  // north-east, 45 degrees up
    ctx.moon_horizon_vector[1] = 0.5;
    ctx.moon_horizon_vector[2] = std::sqrt(0.5);
    ctx.moon_parallax = 0.95;
    PhasesAhead phases{};
    const double now_jd = astro::julian_day(2026, 12, 9.0) + 4.5 / 24 - 9.0 / 24;  // 04:30 at +9
    const double ahead[] = {15.25, 22.5, 0.75, 7.1};
    for (int k = 0; k < astro::kPrincipalPhaseCount; ++k) {
        phases.when[k] = local_time_of(now_jd + ahead[k], 9.0);
        phases.days[k] = ahead[k];
    }
    EXPECT_EQ(glance_text(ctx, planets, clock_at(2026, 12, 9, 4, 30, 9.0), phases, false),
              "2026-12-09\n"
              "Astronomical twilight begins 05:30\nSunrise 07:00\nSunset 16:45\nMoonrise 00:30\n"
              "Astronomical twilight ends none within 24 h\nMoonset none within 24 h\n"
              "Moon 12.3 days old, 50% lit\nMoon 45\u00b0 up in the NE (45\u00b0), 384,700 km away\n"
              "New moon 2026-12-24 10:30, in 15.2 days\nFirst quarter 2026-12-31 16:30, in 22.5 days\n"
              "Full moon 2026-12-09 22:30, in 0.8 days\nLast quarter 2026-12-16 06:54, in 7.1 days");
    // What the searches add: the twilight's kind, the day's light, the phase's name, a
    // supermoon, the season and the apsides, each where it belongs.
    Outlook o;
    o.twilight = astro::Twilight::kCivil;
    const double half_second = 0.5 / 86400;  // off the minute's edge
    o.light = {{{now_jd + 2.5 / 24 + half_second, now_jd + 3.5 / 24 + half_second, true}},
               {{now_jd + 2.25 / 24 + half_second, now_jd + 2.5 / 24 + half_second, true}}, 35100, 35172};
    o.cycles.phase = astro::PhaseName::kWaxingGibbous;
    o.cycles.supermoon_km[astro::kFullMoon] = 357149;
    o.cycles.seasons = {{astro::SeasonStart::kDecemberSolstice, now_jd + 12.84}};
    o.cycles.apsides = astro::NextApsides{{now_jd + 1, 357149}, {now_jd + 14, 406351}};
    const std::string more = glance_text(ctx, planets, clock_at(2026, 12, 9, 4, 30, 9.0), phases, false, {}, o);
    for (const char* line : {"\nCivil twilight begins 05:30\n", "\nCivil twilight ends none within 24 h\n",
                             "\nMoonset none within 24 h\nDay 9 h 45 min, 1 min 12 s shorter than yesterday\n"
                             "Blue hour 06:45\u201307:00\nGolden hour 07:00\u201308:00\nMoon 12.3 days old, 50% lit, waxing gibbous\n",
                             "\nFull moon 2026-12-09 22:30, in 0.8 days \u2014 supermoon, 357,100 km\n",
                             "\nDecember solstice 2026-12-22 00:39, in 12.8 days\nPerigee 2026-12-10 04:30, 357,100 km\n"
                             "Apogee 2026-12-23 04:30, 406,400 km"})
        EXPECT_NE(more.find(line), std::string::npos) << line << "\n--\n" << more;
    for (const auto& [today, said] : {std::pair{86400.0, "\nPolar day: the Sun does not set today\n"},
                                      std::pair{0.0, "\nPolar night: the Sun does not rise today\n"},
                                      std::pair{35100.0, "\nDay 9 h 45 min, as long as yesterday\n"}}) {
        o.light = {{}, {}, today, today};
        EXPECT_NE(glance_text(ctx, planets, clock_at(2026, 12, 9, 4, 30, 9.0), phases, false, {}, o).find(said),
                  std::string::npos) << said;
    }
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    if (!use_decimal_comma_locale()) GTEST_SKIP() << "no locale with a decimal comma";
    const std::string twelve = glance_text(ctx, planets, clock_at(2026, 12, 9, 4, 30, 9.0), phases, true);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_NE(twelve.find("\nAstronomical twilight begins 5:30 am\nSunrise 7:00 am\nSunset 4:45 pm\nMoonrise 12:30 am\n"),
              std::string::npos)
        << twelve;
    EXPECT_NE(twelve.find("\nFull moon 2026-12-09 10:30 pm, in 0.8 days\n"), std::string::npos) << twelve;
    EXPECT_FALSE(local_time_of(NAN, 9.0).has_value());
    EXPECT_FALSE(local_time_of(1e300, 9.0).has_value());
}

// The 12-hour clock around noon and midnight, a time a hair before the minute, and the
// memo's lines word for word.
TEST(Texts, TwelveHourNoonMinuteEdgeAndMemoLines) {
    astro::CalcContext ctx;
    astro::CPlnt_Data planets;
    ctx.twilight_begin = 29 / 60.0;  // 11:59
    ctx.sunrise = 35 / 60.0;         // 12:05
    ctx.sunset = 12 + 40 / 60.0;     // 00:10
    ctx.twilight_begin_found = ctx.sunrise_found = ctx.sunset_found = true;
    ctx.moonrise = 5 + 35 / 60.0 - 1e-10;  // 17:04.99999999 counts as 17:05
    ctx.moonset = astro::kNoMoonEvent;
    const std::string text = glance_text(ctx, planets, clock_at(2026, 12, 9, 11, 30, 9.0), PhasesAhead{}, true);
    EXPECT_NE(text.find("\nAstronomical twilight begins 11:59 am\nSunrise 12:05 pm\nMoonrise 5:05 pm\nSunset 12:10 am\n"),
              std::string::npos)
        << text;
    const DisplayTexts t = build_display_texts(ctx, planets, clock_at(2026, 12, 9, 11, 30, 9.0));
    EXPECT_EQ(t.moonrise_text, "17h5m");
    EXPECT_EQ(info_memo_lines(t),
              (std::vector<std::string>{"Orbalis", " Age=0, k=0", "", "Within 24h...", " MoonRise:17h5m",
                                        " MoonSet: --h--m", " SunSet: 0h10m", " TwilightEnd:--h--m",
                                        " TwilightBegin:11h59m", " SunRise:12h5m"}));
}

// Berlin's clocks go forward an hour at 02:00: each event is told on the clock of its own
// instant; the note of another zone ends the tooltip.
TEST(Texts, EventsOnTheClockOfTheirOwnInstant) {
    PlaceClock c = clock_at(2027, 3, 28, 0, 30, 1.0);
    c.zone = PlaceZone::of_settings(1, "Europe/Berlin");
    astro::CalcContext ctx;
    astro::CPlnt_Data planets;
    ctx.twilight_begin = 1.0;  // 01:30, before the change
    ctx.sunrise = 5.5;         // 06:00 by the old clock, 07:00 by the new
    ctx.twilight_begin_found = ctx.sunrise_found = true;
    ctx.moonrise = 23.75;      // 00:15 by the old clock, 01:15 on the summer clock
    ctx.moonset = astro::kNoMoonEvent;
    const DisplayTexts t = build_display_texts(ctx, planets, c);
    EXPECT_EQ(t.twilight_begin_text, "1h30m");
    EXPECT_EQ(t.sunrise_text, "7h0m");
    EXPECT_EQ(t.moonrise_text, "1h15m");
    const std::string text = glance_text(ctx, planets, c, PhasesAhead{}, false, "Times at " + utc_offset_name(1));
    EXPECT_NE(text.find("\nAstronomical twilight begins 01:30\nSunrise 07:00\nMoonrise 01:15\n"), std::string::npos) << text;
    EXPECT_EQ(text.substr(text.rfind('\n') + 1), "Times at UTC+1");
}

// A day without a rise or a set is said in words with the next one's date on the place's
// clock, one line for a body with neither; the eclipses follow the phases.
TEST(Texts, DaysWithoutARiseOrASetAndTheNextEclipses) {
    const PlaceClock c = clock_at(2026, 12, 21, 12, 0, 1.0);
    const double now = astro::julian_day(2026, 12, 21.0) + 11.0 / 24;  // 12:00 at +1
    const double later = now + 25 + 0.5 / 24;                           // 2027-01-15 12:30 at +1
    struct Row {
        bool sunrise, sunset, moonrise, moonset, sun_up, moon_up;
        double next;
        const char* sun_line;
        const char* moon_line;
    } const rows[] = {
        {false, false, true, true, false, true, later, "\nSun down all day: rises 2027-01-15 12:30\n", nullptr},
        {false, false, true, true, true, true, later, "\nSun up all day: sets 2027-01-15 12:30 pm\n", nullptr},
        {true, false, true, false, true, true, later, "\nNo sunset in the next 24 h: 2027-01-15 12:30", "\nNo moonset in the next 24 h: 2027-01-15"},
        {true, true, false, false, true, false, later, nullptr, "\nMoon down all day: rises 2027-01-15 12:30"},
        {true, true, false, false, true, true, NAN, nullptr, "\nMoon up all day, no moonset within 190 days"},
        {false, true, true, true, false, true, NAN, "\nNo sunrise within 190 days", nullptr},
    };
    for (const Row& r : rows) {
        astro::CalcContext ctx;
        astro::CPlnt_Data planets;
        ctx.sunrise_found = r.sunrise;
        ctx.sunset_found = r.sunset;
        ctx.moonrise = r.moonrise ? 3.0 : astro::kNoMoonEvent;
        ctx.moonset = r.moonset ? 4.0 : astro::kNoMoonEvent;
        ctx.sun_horizon_vector[2] = r.sun_up ? 0.1 : -0.1;
        ctx.moon_up_flag = r.moon_up ? 1 : -1;
        Outlook o;
        o.missing = astro::MissingEvents{r.next, r.next, r.next, r.next};
        const std::string text = glance_text(ctx, planets, c, PhasesAhead{}, r.sun_up && !r.sunrise, {}, o);
        for (const char* line : {r.sun_line, r.moon_line}) {
            if (line != nullptr) {
                EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
            }
        }
        for (const char* said : {"\nSunrise none", "\nSunset none", "\nMoonrise none", "\nMoonset none"})
            EXPECT_EQ(text.find(said), std::string::npos) << text;
    }
    astro::CalcContext ctx;
    ctx.sunrise_found = ctx.sunset_found = ctx.twilight_begin_found = ctx.twilight_end_found = true;
    ctx.moonrise = ctx.moonset = 1;
    Outlook o;
    o.lunar = astro::LunarEclipse{astro::EclipseKind::kTotal, later, 20, true};
    o.solar = astro::SolarEclipse{astro::EclipseKind::kPartial, 0.996, later - 0.05, later, later + 0.04, 10};
    std::string text = glance_text(ctx, astro::CPlnt_Data{}, c, PhasesAhead{}, false, "Times at UTC+1", o);
    EXPECT_NE(text.find("\nTotal lunar eclipse 2027-01-15 12:30, Moon up here\n"
                        "Partial solar eclipse 2027-01-15 12:30, 99% covered, 11:18 to 13:27\nTimes at UTC+1"),
              std::string::npos)
        << text;
    o.solar->obscuration = 0.004;
    text = glance_text(ctx, astro::CPlnt_Data{}, c, PhasesAhead{}, false, {}, o);
    EXPECT_NE(text.find(", under 1% covered, "), std::string::npos) << text;
    o.lunar = astro::LunarEclipse{};
    o.solar->kind = astro::EclipseKind::kNone;
    text = glance_text(ctx, astro::CPlnt_Data{}, c, PhasesAhead{}, false, {}, o);
    EXPECT_NE(text.find("\nNo lunar eclipse within 25 years\nNo solar eclipse seen here within 25 years"),
              std::string::npos)
        << text;
}

// --at's moment: leap days by the Gregorian rules; the minutes on both sides of a change; a
// skipped reading on the offset before the change and a repeated one at its first
// occurrence, east and west, north and south (the instants Python's zoneinfo gives); the
// ISO 8601 forms --json prints, whose offset names the instant.
TEST(Texts, LocalMomentsOfTheCommandLine) {
    const struct {
        const char* zone;
        const char* text;
        std::optional<std::time_t> want;
    } rows[] = {
        {"Europe/Berlin", "2028-02-29 12:00", utc(2028, 2, 29, 11, 0)},
        {"Europe/Berlin", "2000-02-29 12:00", utc(2000, 2, 29, 11, 0)},
        {"Europe/Berlin", "2027-02-29 12:00", std::nullopt},
        {"Europe/Berlin", "2100-02-29 12:00", std::nullopt},
        {"Europe/Berlin", "2027-03-28 01:59", utc(2027, 3, 28, 0, 59)},
        {"Europe/Berlin", "2027-03-28 03:00", utc(2027, 3, 28, 1, 0)},
        {"Europe/Berlin", "2027-10-31 01:59", utc(2027, 10, 30, 23, 59)},
        {"Europe/Berlin", "2027-10-31 03:00", utc(2027, 10, 31, 2, 0)},
        {"Europe/Berlin", "2027-03-28 02:30", 1806197400},        // skipped
        {"Europe/Berlin", "2027-10-31 02:30", 1824942600},        // repeated
        {"America/New_York", "2027-03-14 02:30", 1805009400},     // skipped
        {"America/New_York", "2027-11-07 01:30", 1825565400},     // repeated
        {"Australia/Lord_Howe", "2027-04-04 01:45", 1806763500},  // repeated half hour
        {"Australia/Lord_Howe", "2027-10-03 02:15", 1822491900},  // skipped half hour
        {"America/Santiago", "2027-04-03 23:30", 1806805800},     // repeated
        {"America/Santiago", "2027-09-05 00:30", 1820118600},     // skipped
        {"Pacific/Chatham", "2027-04-04 03:15", 1806759000},      // repeated
        {"Pacific/Chatham", "2027-09-26 03:15", 1821882600},      // skipped
        {"Europe/Berlin", "2027-01-15T12:00", utc(2027, 1, 15, 11, 0)},
        {"Europe/Berlin", "2027-01-15T12:00:30", utc(2027, 1, 15, 11, 0, 30)},
        {"Europe/Berlin", "2027-01-15T12:00Z", utc(2027, 1, 15, 12, 0)},
        {"Europe/Berlin", "2027-01-15T12:00:00+05:30", utc(2027, 1, 15, 6, 30)},
        {"Europe/Berlin", "2027-01-15T12:00-03:00", utc(2027, 1, 15, 15, 0)},
        {"Europe/Berlin", "2027-01-15T12:00+5:30", std::nullopt},
        {"Europe/Berlin", "2027-01-15 12:00:60", std::nullopt},
        {"Europe/Berlin", "2027-01-15T12:00+24:00", std::nullopt},
        {"Europe/Berlin", "2027-01-15T12:00Z ", std::nullopt},
    };
    for (const auto& r : rows)
        EXPECT_EQ(parse_local_moment(r.text, PlaceZone::of_settings(0, r.zone)), r.want) << r.zone << " " << r.text;
}

// The window's almanac, advanced minute by minute, says what one started afresh at the same
// second says: a minute on, after a lunar eclipse's peak, the next day, once phases passed.
TEST(Texts, AnAdvancedAlmanacSaysWhatAFreshOneSays) {
    const PlaceZone london = PlaceZone::of_settings(0, "Europe/London");
    const astro::Place place{51.5074, -0.1278, 25};
    constexpr std::time_t kStart = 1772528400;  // 2026-03-03 09:00 UTC, the eclipse's peak at 11:33
    Almanac running;
    running.start(place, london, kStart);
    for (const std::time_t later : {60, 3 * 3600, 26 * 3600, 10 * 86400}) {
        running.advance(kStart + later);
        Almanac fresh;
        fresh.start(place, london, kStart + later);
        EXPECT_EQ(running.text(false), fresh.text(false)) << later;
        constexpr double kUnixEpochJd = 2440587.5;  // the engine works on the instant itself
        EXPECT_NEAR(astro::ut_julian_day(running.context()), kUnixEpochJd + (kStart + later) / 86400.0, 1e-7);
    }
}

// A sunrise today and another tomorrow a little earlier are both listed, in time order, the
// one not today's with its date; the memo keeps the design's one, the last.
TEST(Texts, AnEventThatComesTwiceIsListedTwice) {
    const PlaceClock c = clock_at(2027, 3, 20, 6, 8, 1.0);
    astro::CalcContext ctx;
    astro::CPlnt_Data planets;
    ctx.tz_hours = 0;
    astro::set_observer(ctx, 52.52, 13.4, 34);
    astro::set_time_and_orient(ctx, 2027, 3, 20, 5, 8, 0);
    ASSERT_TRUE(std::isfinite(ctx.sunrise_first)) << "the sunrise comes twice";
    const std::string text = glance_text(ctx, planets, c, PhasesAhead{}, false);
    EXPECT_EQ(text.find("\nSunrise 06:09\n"), text.find("\nSunrise")) << text;
    EXPECT_GT(text.find("\nSunrise 2027-03-21 06:07\n"), text.find("\nSunrise 06:09\n")) << text;
    EXPECT_NE(text.find("\nSunrise 2027-03-21 06:07\n"), std::string::npos) << text;
    EXPECT_EQ(build_display_texts(ctx, planets, c).sunrise_text, "6h7m");
}
