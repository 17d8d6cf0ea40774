// The clock's display texts, built from the engine's results and the clock reading.
// Standard library only, independent of the user's locale.
#pragma once

#include <string>
#include <vector>

#include "context.h"
#include "planets.h"
#include "settings.h"

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

// "Age=" and the age cut to a tenth of a day.
std::string age_text(double moon_age);

// "k=" and the illuminated fraction of the disc cut to two decimals.
std::string illum_text(double moon_phase_angle);

// "7h5m" for an event `offset` hours after the clock reading, "(7h5m)" when the offset
// is negative, "--h--m" when there is no such event.
std::string event_text(double offset, bool found, int hour, int minute, int second);

// The ten lines of the information dialog's memo.
std::vector<std::string> info_memo_lines(const DisplayTexts& t);

// The XDG autostart desktop entry that starts `binary` at login.
std::string autostart_entry(const std::string& binary);

DisplayTexts build_display_texts(const astro::CalcContext& ctx, const astro::CPlnt_Data& planets,
                                 int hour, int minute, int second);
