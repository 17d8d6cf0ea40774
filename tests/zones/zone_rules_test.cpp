// A named zone's offsets against the C library's own reading of the same tzdata, over a
// century and a half of instants (the transitions, then the rule after 2037).
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <ctime>
#include <string>

#include "test_time.h"
#include "zone_rules.h"

TEST(ZoneRules, OffsetsMatchTheCLibrary) {
    constexpr std::time_t kStep = 86400 * 13 + 3607;  // every weekday and hour in time
    constexpr std::time_t kFrom = -2208988800;         // 1900
    constexpr std::time_t kTo = 4102444800;            // 2100
    for (const char* zone : {"America/New_York", "Europe/Berlin", "Australia/Sydney", "Asia/Kolkata",
                             "America/Sao_Paulo", "Pacific/Chatham", "Europe/London", "America/St_Johns",
                             "Antarctica/Troll", "Asia/Tokyo", "Pacific/Apia", "UTC"}) {
        SCOPED_TRACE(zone);
        const std::optional<ZoneRules> rules = load_zone_rules(zone);
        ASSERT_TRUE(rules.has_value());
        ZoneScope scope(zone);
        int differences = 0;
        for (std::time_t t = kFrom; t < kTo && differences < 3; t += kStep) {
            std::tm local{};
            localtime_r(&t, &local);
            const ZoneRules::Type ours = zone_type_at(*rules, t);
            if (ours.utc_offset_s != local.tm_gmtoff || ours.dst != (local.tm_isdst > 0)) {
                ++differences;
                ADD_FAILURE() << t << ": " << ours.utc_offset_s << " " << ours.dst << " vs " << local.tm_gmtoff << " "
                              << local.tm_isdst;
            }
        }
    }
}

namespace {

// A version 1 TZif file with one transition at t = 1000 to the type `index`, and one type of
// +1 h.
std::string one_transition_tzif(unsigned char index) {
    std::string b = "TZif";
    b.append(16, '\0');
    for (const unsigned count : {0u, 0u, 0u, 1u, 1u, 4u})  // isut, isstd, leap, time, type, char
        for (const int shift : {24, 16, 8, 0}) b += static_cast<char>((count >> shift) & 0xFF);
    b.append({'\0', '\0', '\x03', '\xe8'});                     // the transition, 1000 s
    b += static_cast<char>(index);                              // the type after it
    b.append({'\0', '\0', '\x0e', '\x10', '\0', '\0'});          // +3600 s, standard, name at 0
    b.append("CET", 4);
    return b;
}

}  // namespace

TEST(ZoneRules, CraftedAndUnusableFiles) {
    const std::optional<ZoneRules> good = parse_tzif(one_transition_tzif(0));
    ASSERT_TRUE(good.has_value());
    EXPECT_EQ(zone_type_at(*good, 1000).utc_offset_s, 3600);
    // A type index equal to the count of types names none.
    EXPECT_FALSE(parse_tzif(one_transition_tzif(1)).has_value());
    for (const char* bad : {"", "../../etc/passwd", "/etc/localtime", "Europe/../../etc/shadow", "Europe//Berlin",
                            "Europe/Berlin\n", "Nowhere/Atlantis", "zone.tab", "Europe"})
        EXPECT_FALSE(load_zone_rules(bad).has_value()) << bad;
    EXPECT_FALSE(parse_tzif("TZif2").has_value());
    EXPECT_FALSE(parse_tzif(std::string(44, 'x')).has_value());
    // A FIFO under a zone's name is not waited on (the test would hang).
    const std::string folder = testing::TempDir() + "zoneinfo_fifo";
    std::filesystem::create_directories(folder + "/Europe");
    ::mkfifo((folder + "/Europe/Fifo").c_str(), 0600);
    EXPECT_FALSE(load_zone_rules("Europe/Fifo", folder).has_value());
    std::filesystem::remove_all(folder);
}
