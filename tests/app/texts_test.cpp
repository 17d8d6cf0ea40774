#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "texts.h"

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
    const DisplayTexts t = build_display_texts(ctx, planets, 4, 30, 0);
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
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(Texts, AutostartEntryQuotesTheBinary) {
    EXPECT_NE(autostart_entry("/usr/bin/orbalis").find("\nExec=/usr/bin/orbalis\n"), std::string::npos);
    EXPECT_NE(autostart_entry("/opt/my apps/$orbalis").find("\nExec=\"/opt/my apps/\\\\$orbalis\"\n"),
              std::string::npos);
}
