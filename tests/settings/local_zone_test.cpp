// The computer's zone: the shift over its standard offset, the place of a first start, and
// the companion file that keeps the choices the record has no room for.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <utility>

#include "companion.h"
#include "local_zone.h"

// The shift added to the stored standard zone, in zones of each kind and both seasons:
// Dublin's tz data calls winter the "daylight" period, with a negative shift.
TEST(DaylightSaving, ShiftOverTheStandardOffset) {
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    const struct {
        const char* zone;
        double january, july;
    } zones[] = {{"Europe/Dublin", 0, 1}, {"Europe/Berlin", 0, 1}, {"Australia/Sydney", 1, 0}, {"Asia/Tokyo", 0, 0}};
    for (const auto& z : zones) {
        setenv("TZ", z.zone, 1);
        tzset();
        std::tm t{};
        t.tm_year = 2026 - 1900;
        t.tm_mday = 15;
        t.tm_hour = 12;
        t.tm_isdst = -1;
        t.tm_mon = 0;
        EXPECT_DOUBLE_EQ(dst_shift_hours(std::mktime(&t)), z.january) << z.zone;
        t.tm_mon = 6;
        t.tm_isdst = -1;
        EXPECT_DOUBLE_EQ(dst_shift_hours(std::mktime(&t)), z.july) << z.zone;
    }
    if (old) setenv("TZ", saved.c_str(), 1); else unsetenv("TZ");
    tzset();
}

// A first start takes the place tzdata gives for the computer's zone and its standard
// offset; a zone without a place keeps the defaults (35 N, 135 E, +9).
TEST(FirstStart, PlaceAndZoneFromTheComputersZone) {
    const struct {
        const char* zone;
        double offset;
        int lat_deg, lat_min, lon_deg, lon_min;
        bool south, west;
        double tz, height;
    } rows[] = {
        // The largest place of the zone in the gazetteer, with its elevation...
        {"Europe/Berlin", 1, 52, 31, 13, 25, false, false, 1, 74},           // 52.52437, 13.41053
        {"America/St_Johns", -3.5, 47, 34, 52, 43, false, true, -3.5, 35},  // 47.56494, -52.70931 (its DEM)
        {"US/Eastern", -5, 40, 43, 74, 0, false, true, -5, 10},  // a link, to America/New_York
        // ...else tzdata's place for it (zone1970.tab), at 0 m.
        {"Australia/Lord_Howe", 10.5, 31, 33, 159, 5, true, false, 10.5, 0},
        {"UTC", 0, 35, 0, 135, 0, false, false, 9, 0},
        {"Etc/GMT-3", 3, 35, 0, 135, 0, false, false, 9, 0},
        {"", 0, 35, 0, 135, 0, false, false, 9, 0},
        {"../../etc/passwd", 0, 35, 0, 135, 0, false, false, 9, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.zone);
        CInit s{};
        first_start_settings(s, r.zone, r.offset);
        EXPECT_EQ(s.lat_deg, r.lat_deg);
        EXPECT_EQ(s.lat_min, r.lat_min);
        EXPECT_EQ(s.lon_deg, r.lon_deg);
        EXPECT_EQ(s.lon_min, r.lon_min);
        EXPECT_EQ(s.south != 0, r.south);
        EXPECT_EQ(s.west != 0, r.west);
        EXPECT_EQ(double{s.tz_hours}, r.tz);
        EXPECT_EQ(double{s.height}, r.height);
    }
}

TEST(FirstStart, ZoneNameFromTz) {
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    for (const auto& [tz, name] : {std::pair{"Europe/Berlin", "Europe/Berlin"}, {":Asia/Tokyo", "Asia/Tokyo"},
                                   {"/usr/share/zoneinfo/America/New_York", "America/New_York"},
                                   {"CET-1CEST,M3.5.0,M10.5.0/3", ""}}) {
        setenv("TZ", tz, 1);
        EXPECT_EQ(computer_zone_name(), name) << tz;
    }
    if (old) setenv("TZ", saved.c_str(), 1); else unsetenv("TZ");
    tzset();
}

// The dial survives a restart; an odd or missing file gives 12 h; other keys are kept.
TEST(Companion, DialKeptAndOddFilesRead) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("orbalis_companion_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string path = Companion::path_beside((dir / "orbalis.ini").string());
    EXPECT_EQ(path, (dir / "orbalis.conf").string());
    EXPECT_FALSE(Companion::load(path).twenty_four_hour());
    {
        std::ofstream f(path);
        f << "# kept by hand\n[place]\nzone = Europe/Berlin\n[clock]\ndial=24\n";
    }
    Companion c = Companion::load(path);
    EXPECT_TRUE(c.twenty_four_hour());
    c.set_twenty_four_hour(false);
    fs::remove(path);  // a new file is private
    ASSERT_TRUE(c.save(path));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    const Companion again = Companion::load(path);
    EXPECT_FALSE(again.twenty_four_hour());
    EXPECT_EQ(again.get("place", "zone"), "Europe/Berlin");
    for (const char* odd : {"dial=24\n", "[clock\ndial=24", "\x01\xff[clock]\ndial=twenty-four\n"}) {
        std::ofstream(path, std::ios::trunc) << odd;
        EXPECT_FALSE(Companion::load(path).twenty_four_hour()) << odd;
    }
    fs::remove(path);
    fs::create_directory(path);  // a folder under the name: read as missing
    EXPECT_FALSE(Companion::load(path).twenty_four_hour());
    fs::remove_all(dir);
}
