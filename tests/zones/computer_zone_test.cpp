// The computer's zone: its name, and the place and zone of a first start.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <utility>

#include "first_start.h"
#include "test_time.h"

// A first start takes the city the computer's zone is named after (else tzdata's place for
// it) and its standard offset, and says which; a zone without a place keeps the defaults
// (35 N, 135 E, +9), its angles derived all the same.
TEST(FirstStart, PlaceAndZoneFromTheComputersZone) {
    const struct {
        const char* zone;
        double offset;
        int lat_deg, lat_min, lon_deg, lon_min;
        bool south, west;
        double tz, height;
        const char* name;  // and its zone, or null for none
        const char* place_zone;
    } rows[] = {
        // The zone's city in the gazetteer, with its elevation...
        {"Europe/Berlin", 1, 52, 31, 13, 25, false, false, 1, 74, "Berlin, Germany", "Europe/Berlin"},
        {"America/St_Johns", -3.5, 47, 34, 52, 43, false, true, -3.5, 35, "St. John's, Canada", "America/St_Johns"},
        {"Asia/Kolkata", 5.5, 22, 34, 88, 22, false, false, 5.5, 11, "Kolkata, India", "Asia/Kolkata"},  // not Mumbai
        {"Asia/Calcutta", 5.5, 22, 34, 88, 22, false, false, 5.5, 11, "Kolkata, India", "Asia/Kolkata"},  // a link
        {"US/Eastern", -5, 40, 43, 74, 0, false, true, -5, 10, "New York City, United States", "America/New_York"},
        {"America/Argentina/Buenos_Aires", -3, 34, 37, 58, 23, true, true, -3, 31, "Buenos Aires, Argentina",
         "America/Argentina/Buenos_Aires"},
        // ...else tzdata's place for it (zone1970.tab), at 0 m.
        {"Australia/Lord_Howe", 10.5, 31, 33, 159, 5, true, false, 10.5, 0, "Lord Howe", "Australia/Lord_Howe"},
        {"Pacific/Kiritimati", 14, 1, 52, 157, 20, false, true, 14, 0, "Kiritimati", "Pacific/Kiritimati"},  // +14
        {"UTC", 0, 35, 0, 135, 0, false, false, 9, 0, nullptr, nullptr},
        {"Etc/GMT-3", 3, 35, 0, 135, 0, false, false, 9, 0, nullptr, nullptr},
        {"", 0, 35, 0, 135, 0, false, false, 9, 0, nullptr, nullptr},
        {"../../etc/passwd", 0, 35, 0, 135, 0, false, false, 9, 0, nullptr, nullptr},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.zone);
        CInit s{};
        const std::optional<PlaceChoice> place = first_start_settings(s, r.zone, r.offset);
        EXPECT_EQ(s.lat_deg, r.lat_deg);
        EXPECT_EQ(s.lat_min, r.lat_min);
        EXPECT_EQ(s.lon_deg, r.lon_deg);
        EXPECT_EQ(s.lon_min, r.lon_min);
        EXPECT_EQ(s.south != 0, r.south);
        EXPECT_EQ(s.west != 0, r.west);
        EXPECT_EQ(double{s.tz_hours}, r.tz);
        EXPECT_EQ(double{s.height}, r.height);
        // What the engine is given: the signed angles of the fields.
        EXPECT_DOUBLE_EQ(double{s.latitude}, (r.south ? -1 : 1) * (r.lat_deg + r.lat_min / 60.0));
        EXPECT_DOUBLE_EQ(double{s.longitude}, (r.west ? -1 : 1) * (r.lon_deg + r.lon_min / 60.0));
        ASSERT_EQ(place.has_value(), r.name != nullptr);
        if (!place) continue;
        EXPECT_EQ(place->name, r.name);
        EXPECT_EQ(place->zone, r.place_zone);
    }
}

TEST(FirstStart, ZoneNameFromTz) {
    for (const auto& [tz, name] : {std::pair{"Europe/Berlin", "Europe/Berlin"}, {":Asia/Tokyo", "Asia/Tokyo"},
                                   {"/usr/share/zoneinfo/America/New_York", "America/New_York"},
                                   {"CET-1CEST,M3.5.0,M10.5.0/3", ""}}) {
        const ZoneScope zone(tz);
        EXPECT_EQ(computer_zone_name(), name) << tz;
    }
}

// A path with nothing there is a first start for the computer's zone; a file there is read,
// whatever errno said before; a path that cannot be checked (a link that loops) reads as the
// defaults with a note, and nothing is thrown.
TEST(FirstStart, OnlyAPathWithNothingThereIsAFirstStart) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("orbalis_first_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const ZoneScope zone("Europe/Berlin");
    constexpr std::time_t kDecember2026 = 1796817600;
    CInit s{};
    EXPECT_EQ(load_or_first_start(s, (dir / "none.ini").string(), kDecember2026).note, "");
    EXPECT_EQ(std::pair(double{s.latitude}, double{s.tz_hours}), std::pair(52.0 + 31 / 60.0, 1.0));
    CInit kept{};
    default_settings(kept);
    kept.lat_deg = 10;
    kept.tz_hours = -3;
    ASSERT_TRUE(save_settings(kept, (dir / "kept.ini").string()));
    errno = ENOENT;
    EXPECT_EQ(load_or_first_start(s, (dir / "kept.ini").string(), kDecember2026).note, "");
    EXPECT_EQ(std::pair(double{s.latitude}, double{s.tz_hours}), std::pair(10.0, -3.0));
    fs::create_symlink(dir / "loop.ini", dir / "loop.ini");
    EXPECT_NE(load_or_first_start(s, (dir / "loop.ini").string(), kDecember2026).note, "");
    EXPECT_EQ(double{s.latitude}, 35.0);
    fs::remove_all(dir);
}
