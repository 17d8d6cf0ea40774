// The almanac of a moment for a settings file, without a window: what the clock's tooltip
// says, as text or as one JSON object, and the place's clock both share. Standard library
// and POSIX only.
#pragma once

#include <cstdio>
#include <ctime>
#include <optional>
#include <string>

#include "companion.h"
#include "settings.h"
#include "texts.h"
#include "zone_rules.h"

// The place's zone: a place chosen by name keeps its own zone's rules, daylight saving
// included; otherwise the stored standard offset, with the computer's daylight saving where
// the offset is the computer's.
ZoneRule place_zone_rule(double standard_hours, const std::optional<ZoneRules>& rules);

// The zone the place's times are told in, and whether that is the computer's.
struct PlaceZone {
    std::string name;  // "America/New_York", or the computer's zone, or "UTC+9"
    bool computers;
};
PlaceZone place_zone_of(double standard_hours, const std::string& chosen_zone, std::time_t now);

// "Times at America/New_York" where the place's times are not the computer's; else empty.
std::string zone_note_of(const PlaceZone& zone);

struct Almanac {
    astro::CalcContext ctx;
    astro::CPlnt_Data planets;
    PlaceClock clock;
    astro::NextPhases next;
    Outlook outlook;
    PlaceZone zone;
    bool twelve_hour = false;
};

// The almanac at the instant `utc`, for the settings and the companion file's choices.
Almanac almanac_at(const CInit& settings, const Companion& choices, std::time_t utc);

std::string almanac_text(const Almanac& a);  // the tooltip's text
std::string almanac_json(const Almanac& a);  // one JSON object, times in ISO 8601 with their offset

// "YYYY-MM-DD HH:MM" on the place's clock as an instant; nothing for any other text, a date
// not on the calendar or a year outside 1 to 9999. A time skipped by a change to summer
// time counts on the clock before the change.
std::optional<std::time_t> parse_local_moment(const std::string& text, const ZoneRule& zone);

// The command line's almanac: `settings_file` read (a first start's settings where there is
// none, nothing written), printed as text or JSON at `at` or now. Returns the exit status:
// 0, or 2 with a one-line message on `err` for an `at` that is not a moment.
int print_almanac(const std::string& settings_file, bool json, const std::optional<std::string>& at, std::FILE* out,
                  std::FILE* err);
