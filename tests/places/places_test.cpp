// The compiled-in places: what a user types finds what they mean, and the table holds
// what the gazetteer says (checked against tzdata, not against itself).
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "places.h"

namespace {

std::string first(const std::string& query) {
    const auto found = places::find_places(query, 10);
    return found.empty() ? "" : std::string(found[0].name) + ", " + std::string(found[0].country_code);
}

}  // namespace

TEST(Places, WhatAUserTypesFindsThePlace) {
    const struct {
        const char* typed;
        const char* want;
    } rows[] = {
        {"Paris", "Paris, FR"},          {"paris", "Paris, FR"},        {"Paris, US", "Paris, US"},
        {"Paris, united", "Paris, US"},  {"Zurich", "Zürich, CH"},      {"zürich", "Zürich, CH"},
        {"ZÜRICH", "Zürich, CH"},        {"Sao Paulo", "São Paulo, BR"}, {"São Paulo", "São Paulo, BR"},
        {"Munchen", "Munich, DE"},       {"München", "Munich, DE"},     {"Muenchen", "Munich, DE"},
        {"new york", "New York City, US"}, {"York", "York, GB"},        {"Saint-Etienne", "Saint-Étienne, FR"},
        {"saint etienne", "Saint-Étienne, FR"}, {"Krakow", "Kraków, PL"}, {"Tokyo", "Tokyo, JP"},
        {"reykjav", "Reykjavík, IS"},    {"Malmo", "Malmö, SE"},        {"Wroclaw", "Wrocław, PL"},
        // Two letters are enough; a later word matches; a name's beginning ranks before a
        // later word's, however large the place of the later word.
        {"Li", "Lima, PE"},              {"Janeiro", "Rio de Janeiro, BR"}, {"Lumpur", "Kuala Lumpur, MY"},
        {"Lum", "Lubumbashi, CD"},       {"new\tyork", "New York City, US"},
    };
    for (const auto& r : rows) EXPECT_EQ(first(r.typed), r.want) << r.typed;
    // One name in many countries: several listed, each with its country.
    const auto springfields = places::find_places("Springfield", 20);
    std::set<std::string> countries;
    ASSERT_GE(springfields.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(springfields[i].name, "Springfield") << i;  // the whole name before "West Springfield"
        countries.insert(std::string(springfields[i].country));
    }
    EXPECT_TRUE(countries.count("United States")) << springfields[0].country;
    // Nothing for nonsense, one letter, or an unknown country.
    for (const char* none : {"Xqzzyville", "P", "", "   ", "Paris, Atlantis", ",", "\xff\xfe"})
        EXPECT_TRUE(places::find_places(none, 10).empty()) << none;
    EXPECT_EQ(places::find_places("San", 7).size(), 7u);
}

TEST(Places, TableHoldsTheGazetteer) {
    std::size_t large = 0;
    std::uint32_t previous = UINT32_MAX;
    for (std::size_t i = 0; i < places::place_count(); ++i) {
        const places::Place p = places::place_at(i);
        large += p.population >= 50000;
        ASSERT_LE(p.population, previous) << p.name;  // largest first
        previous = p.population;
        ASSERT_TRUE(p.latitude >= -90 && p.latitude <= 90 && p.longitude >= -180 && p.longitude <= 180) << p.name;
        ASSERT_TRUE(!p.height_m || (*p.height_m > -450 && *p.height_m < 5500)) << p.name;
        ASSERT_EQ(p.country_code.size(), 2u) << p.name;
        ASSERT_TRUE(std::filesystem::is_regular_file("/usr/share/zoneinfo/" + std::string(p.zone))) << p.zone;
    }
    EXPECT_GE(large, 8500u);
    EXPECT_GE(places::place_count(), 23000u);
    // A few rows read from the gazetteer's own dump.
    const places::Place zurich = places::find_places("Zürich, Switzerland", 1).at(0);
    EXPECT_NEAR(zurich.latitude, 47.36667, 1e-5);
    EXPECT_NEAR(zurich.longitude, 8.55, 1e-5);
    EXPECT_EQ(zurich.zone, "Europe/Zurich");
    EXPECT_EQ(places::principal_place("Europe/Berlin")->name, "Berlin");
    EXPECT_EQ(places::principal_place("America/New_York")->name, "New York City");
    EXPECT_FALSE(places::principal_place("Etc/UTC").has_value());
}

TEST(Places, LabelAndRounding) {
    const places::Place zurich = places::find_places("Zurich", 1).at(0);
    EXPECT_EQ(places::place_label(zurich, "UTC+1"), "Zürich, Switzerland — 47°22′ N 8°33′ E, UTC+1");
    const places::Place lima = places::find_places("Lima, Peru", 1).at(0);
    EXPECT_EQ(places::place_label(lima, "UTC-5"), "Lima, Peru — 12°3′ S 77°2′ W, UTC-5");  // -12.04318, -77.02824
    EXPECT_TRUE(places::place_label(places::find_places("Kolkata", 1).at(0), "UTC+5:30").ends_with(" E, UTC+5:30"));
    const struct {
        double degrees;
        int want_deg, want_min;
    } rows[] = {{47.36667, 47, 22}, {59.9917, 60, 0}, {-0.0083, 0, 0}, {0.0084, 0, 1}, {180.0, 180, 0}};
    for (const auto& r : rows) {
        const places::DegreesMinutes dm = places::to_degrees_minutes(r.degrees);
        EXPECT_EQ(dm.degrees, r.want_deg) << r.degrees;
        EXPECT_EQ(dm.minutes, r.want_min) << r.degrees;
    }
}
