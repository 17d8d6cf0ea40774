// The clock's display texts, built from the engine's results and the clock reading.
// Standard library only, independent of the user's locale.
#pragma once

#include <cmath>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "almanac.h"
#include "apsides.h"
#include "context.h"
#include "eclipses.h"
#include "next_crossing.h"
#include "observer.h"
#include "place_zone.h"
#include "planets.h"
#include "seasons.h"
#include "settings.h"
#include "wording.h"

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

// The place's clock: the instant now (the system clock, UTC) and the place's zone.
struct PlaceClock {
    std::time_t utc;
    PlaceZone zone;
};

// A text said on one line of a message, whatever it holds: control characters as '?'.
std::string one_line(std::string text);

// The local time of a UT Julian day in a zone (hours east of Greenwich); nothing for an
// instant that is not finite or lies outside the years 1 to 9999.
std::optional<LocalTime> local_time_of(double jd_ut, double tz_hours);

// The principal phases ahead (new, first quarter, full, last quarter): their local times,
// when found, and how many days away each is.
struct PhasesAhead {
    std::optional<LocalTime> when[astro::kPrincipalPhaseCount];
    double days[astro::kPrincipalPhaseCount];
};
PhasesAhead phases_ahead(const astro::NextPhases& next, double now_jd_ut, const PlaceZone& zone);

// A stretch of the Sun between two altitudes (golden or blue hour), UT Julian days; NaN at
// an end that lies beyond the stretch searched.
struct LightSpan {
    double begin, end;
    bool morning;
};

// The day's light: golden and blue hours around the coming day, and the length of today and
// of yesterday on the place's calendar (seconds of the Sun up; NaN where not searched).
struct DayLight {
    std::vector<LightSpan> golden, blue;
    double today_s = NAN, yesterday_s = NAN;
};

// The Moon's month and the Sun's year beyond the coming day: the next perigee and apogee, and
// for each of the next principal phases the perigee within a day that makes it a supermoon
// (its distance, km; NaN for none); the next four equinoxes and solstices.
struct YearAndMonth {
    std::optional<astro::NextApsides> apsides;
    double supermoon_km[astro::kPrincipalPhaseCount] = {NAN, NAN, NAN, NAN};
    std::vector<astro::Season> seasons;
    std::optional<astro::PhaseName> phase;  // the phase by name now
};

// Beyond the coming day, where it was searched: the next rise and set of those the day
// lacks, and the next eclipses.
struct Outlook {
    std::optional<astro::MissingEvents> missing;
    std::optional<astro::LunarEclipse> lunar;
    std::optional<astro::SolarEclipse> solar;
    DayLight light;
    YearAndMonth cycles;
    astro::Twilight twilight = astro::Twilight::kAstronomical;  // the kind the day's events use
};

// The day at a glance, shown when the pointer rests on the clock: the date, the coming
// events of the next 24 h in time order, the Moon's age and lit fraction, and the next
// principal phases. Clock times follow the dial: 24-hour, or 12-hour with am and pm. Each
// event is told at its own clock time on the place's clock. A body without a rise or a set
// in the coming day is said in words with the date of the next one ("Sun down all day:
// rises 2027-01-15 11:52"); the next eclipses follow the phases; `zone_note` ("Times at
// UTC+9"), when not empty, ends the text.
std::string glance_text(const astro::CalcContext& ctx, const astro::CPlnt_Data& planets, const PlaceClock& clock,
                        const PhasesAhead& phases, bool twelve_hour, const std::string& zone_note = {},
                        const Outlook& outlook = {}, const Wording& words = {});

// What a reminder says: "Sunset at 15:52", "Full moon on 2026-12-24 at 02:28", on the
// place's clock and the dial's hours.
std::string reminder_text(const std::string& kind, std::time_t at, const PlaceClock& clock, bool twelve_hour,
                          const Wording& words = {});

// "civil", "nautical", "astronomical".
const char* twilight_name(astro::Twilight kind);
// "new moon", "waxing crescent", ... "waning crescent".
const char* phase_name_text(astro::PhaseName name);

// "Total", "Partial", ... of an eclipse kind; "none" for kNone.
const char* eclipse_kind_name(astro::EclipseKind kind);

// The memo's texts; each event at its own clock time on the place's clock (its offset at
// the event's instant, so a daylight-saving change before it counts).
DisplayTexts build_display_texts(const astro::CalcContext& ctx, const astro::CPlnt_Data& planets,
                                 const PlaceClock& clock);
