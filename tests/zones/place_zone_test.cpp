// The clock of a place: one standard-offset rule for a named zone and for the computer's,
// offsets on both sides of a change, and the names a zone is said by.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>

#include "place_zone.h"
#include "test_time.h"

// tzdata flags Dublin's winter, Casablanca's Ramadan (over New Year in 2030 to 2033) and
// Windhoek's old winters as daylight-saving time: the standard offset is what the zone keeps
// for most of its year, from its rules and from the C library alike.
TEST(PlaceZone, OneStandardOffsetRule) {
    const struct {
        const char* zone;
        std::time_t at;
        double standard;
    } rows[] = {
        {"Europe/Dublin", utc(2026, 7, 1), 0},       {"Europe/Dublin", utc(2026, 1, 15), 0},
        {"Africa/Casablanca", utc(2031, 1, 1), 1},   {"Africa/Casablanca", utc(2026, 3, 1), 1},
        {"Africa/Windhoek", utc(2026, 7, 1), 2},     {"Europe/Berlin", utc(2026, 7, 1), 1},
        {"Australia/Sydney", utc(2027, 1, 15), 10},  {"Australia/Lord_Howe", utc(2027, 1, 15), 10.5},
        {"America/New_York", utc(2050, 7, 1), -5},   {"Asia/Kolkata", utc(2026, 12, 9), 5.5},
        {"Pacific/Kiritimati", utc(2026, 12, 9), 14}, {"America/Sao_Paulo", utc(2026, 1, 15), -3},
        {"Pacific/Chatham", utc(2026, 12, 9), 12.75},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.zone) + " at " + std::to_string(r.at));
        const std::optional<ZoneRules> rules = load_zone_rules(r.zone);
        ASSERT_TRUE(rules.has_value());
        EXPECT_EQ(standard_offset_hours(*rules, r.at), r.standard);
        const ZoneScope computer(r.zone);
        EXPECT_EQ(computer_standard_offset_hours(r.at), r.standard);
    }
}

// Each change takes effect at its own second: the old offset until the second before.
TEST(PlaceZone, OffsetsOnBothSidesOfAChange) {
    const PlaceZone berlin = PlaceZone::of_settings(1, "Europe/Berlin");
    const PlaceZone dublin = PlaceZone::of_settings(0, "Europe/Dublin");
    const struct {
        const PlaceZone& zone;
        std::time_t change;
        double before, after;
    } rows[] = {
        {berlin, utc(2027, 3, 28, 1), 1, 2}, {berlin, utc(2027, 10, 31, 1), 2, 1},
        {dublin, utc(2027, 3, 28, 1), 0, 1}, {dublin, utc(2027, 10, 31, 1), 1, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.change);
        EXPECT_EQ(r.zone.offset_hours(r.change - 1), r.before);
        EXPECT_EQ(r.zone.offset_hours(r.change), r.after);
    }
    EXPECT_EQ(dublin.standard_hours(utc(2027, 7, 1)), 0);
}

// A stored offset follows the computer's daylight saving only while it is the computer's
// standard offset; a place chosen by name keeps its zone's rules whatever the computer's.
TEST(PlaceZone, StoredOffsetsAndTheComputersZone) {
    const ZoneScope computer("Europe/Berlin");
    const std::time_t july = utc(2026, 7, 1), december = utc(2026, 12, 9);
    const struct {
        PlaceZone zone;
        std::time_t at;
        double offset;
        bool computers;
        const char* name;
    } rows[] = {
        {PlaceZone::of_settings(1, ""), july, 2, true, "Europe/Berlin"},
        {PlaceZone::of_settings(1, ""), december, 1, true, "Europe/Berlin"},
        {PlaceZone::of_settings(9, ""), july, 9, false, "UTC+9"},
        {PlaceZone::of_settings(-3.5, "Nowhere/Atlantis"), july, -3.5, false, "UTC-3:30"},
        {PlaceZone::of_settings(9, "America/New_York"), july, -4, false, "America/New_York"},
        {PlaceZone::of_settings(1, "Europe/Berlin"), july, 2, true, "Europe/Berlin"},
        {PlaceZone(1), july, 1, false, "UTC+1"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(r.zone.offset_hours(r.at), r.offset);
        EXPECT_EQ(r.zone.computers(r.at), r.computers);
        EXPECT_EQ(r.zone.name(r.at), r.name);
    }
    const ZoneScope linked("US/Eastern");  // a link names the same zone
    EXPECT_TRUE(PlaceZone::of_settings(-5, "America/New_York").computers(july));
}

TEST(PlaceZone, OffsetNames) {
    for (const auto& [h, name] : {std::pair{9.0, "UTC+9"}, {-3.5, "UTC-3:30"}, {12.75, "UTC+12:45"}, {0.0, "UTC"},
                                  {14.0, "UTC+14"}, {5.0 + 5.0 / 60, "UTC+5:05"}, {49.0, "UTC"}, {NAN, "UTC"}})
        EXPECT_EQ(utc_offset_name(h), name) << h;
}
