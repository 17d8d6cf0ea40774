// The clock's display texts, built from the engine's results and the clock reading.
// Standard library only, independent of the user's locale.
#pragma once

#include <optional>
#include <string>

#include "context.h"
#include "planets.h"

struct DisplayTexts {
    std::string age_text;
    std::string illum_text;
    std::string moonrise_text;
    std::string moonset_text;
    std::string sunrise_text;
    std::string sunset_text;
    std::string twilight_begin_text;
    std::string twilight_end_text;
};

inline constexpr const char* kAbsentEvent = "--h--m";

// Shortest general decimal form with 15 significant digits ("12.3", "5", "-3.5").
std::string shortest_decimal(double v);

// The number a text spells, when it is one complete decimal number (blanks around it and
// a leading '+' allowed); nothing for "9h", "", "abc", "1e400" or "nan".
std::optional<double> parse_decimal(const std::string& text);

// "Age=" and the age cut to a tenth of a day.
std::string age_text(double moon_age);

// "k=" and the illuminated fraction of the disc cut to two decimals.
std::string illum_text(double moon_phase_angle);

// "7h5m" for an event `offset` hours after the clock reading, "(7h5m)" when the offset
// is negative, "--h--m" when there is no such event.
std::string event_text(double offset, bool found, int hour, int minute, int second);

DisplayTexts build_display_texts(const astro::CalcContext& ctx, const astro::CPlnt_Data& planets,
                                 int hour, int minute, int second);
