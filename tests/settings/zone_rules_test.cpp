// A named zone's offsets against the C library's own reading of the same tzdata, over a
// century and a half of instants (the transitions, then the rule after 2037).
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "zone_rules.h"

namespace {

struct ZoneScope {
    explicit ZoneScope(const std::string& zone) {
        if (const char* old = std::getenv("TZ")) saved = old;
        setenv("TZ", zone.c_str(), 1);
        tzset();
    }
    ~ZoneScope() {
        saved.empty() ? unsetenv("TZ") : setenv("TZ", saved.c_str(), 1);
        tzset();
    }
    std::string saved;
};

}  // namespace

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

TEST(ZoneRules, StandardOffsetAndUnusableNames) {
    const std::optional<ZoneRules> ny = load_zone_rules("America/New_York");
    ASSERT_TRUE(ny.has_value());
    constexpr std::time_t kJuly2027 = 1815868800, kJanuary2027 = 1800000000, kJuly2050 = 2541024000;
    EXPECT_EQ(utc_offset_hours(*ny, kJuly2027), -4.0);
    EXPECT_EQ(utc_offset_hours(*ny, kJanuary2027), -5.0);
    EXPECT_EQ(standard_offset_hours(*ny, kJuly2027), -5.0);
    EXPECT_EQ(standard_offset_hours(*ny, kJuly2050), -5.0);
    EXPECT_EQ(standard_offset_hours(*load_zone_rules("Australia/Adelaide"), kJanuary2027), 9.5);
    for (const char* bad : {"", "../../etc/passwd", "/etc/localtime", "Europe/../../etc/shadow", "Europe//Berlin",
                            "Europe/Berlin\n", "Nowhere/Atlantis", "zone.tab", "Europe"})
        EXPECT_FALSE(load_zone_rules(bad).has_value()) << bad;
    EXPECT_FALSE(parse_tzif("TZif2").has_value());
    EXPECT_FALSE(parse_tzif(std::string(44, 'x')).has_value());
}
