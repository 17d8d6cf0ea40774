#include "texts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <ctime>

#include "series.h"

namespace {

// Cuts toward zero as if the value carried no representation error: (1 - cos 90)*50 is
// 49.999999999999993 and must still count as 50.
double cut(double v) {
    constexpr double kTolerance = 1e-9;
    return std::trunc(v + std::copysign(kTolerance, v));
}

constexpr const char* kNone = "none within 24 h";
constexpr const char* kPhaseNames[astro::kPrincipalPhaseCount] = {"New moon", "First quarter", "Full moon",
                                                                   "Last quarter"};

std::string two_digits(int v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

std::string date_of(const LocalTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", t.year, t.month, t.day);
    return buf;
}

// "07:05" on the 24-hour dial; "7:05 am", "12:30 am", "12:05 pm" on the 12-hour one.
std::string clock_time(int hour, int minute, bool twelve_hour) {
    if (!twelve_hour) return two_digits(hour) + ":" + two_digits(minute);
    const int h12 = hour % 12 == 0 ? 12 : hour % 12;
    return std::to_string(h12) + ":" + two_digits(minute) + (hour < 12 ? " am" : " pm");
}

constexpr int kNoMinute = -1;
constexpr double kMinuteTolerance = 1e-6;  // an event at 7:05 computed as 7:04.99999 is 7:05

// The local clock time `offset` hours after the reading, in minutes after midnight, cut to
// the minute; kNoMinute for a time that is not finite or lies beyond two days. The one
// rule behind the memo's texts and the tooltip's clock times.
int minutes_of_day(double offset, int hour, int minute, int second) {
    const double t = hour + minute / 60.0 + second / 3600.0 + offset;
    if (!std::isfinite(t) || std::fabs(t) > kMostOffsetHours) return kNoMinute;
    return static_cast<int>(std::trunc(astro::floor_mod(t, 24.0) * 60 + kMinuteTolerance)) % (24 * 60);
}

using EventKind = astro::DayEvent;

struct ComingEvent {
    std::string name;
    double offset;  // hours after now
    bool found;
    EventKind kind;
    bool twice = false;  // one of two the same kind in the coming day
};

// The place's clock now, to the second.
struct LocalNow {
    LocalTime t;
    int second;
    double zone;  // hours
};

LocalNow local_now(const PlaceClock& c) {
    double zone = c.zone(c.utc);
    if (!usable_zone_hours(zone)) zone = 0;
    const std::time_t t = c.utc + static_cast<std::time_t>(std::lround(zone * 3600));
    std::tm tm{};
    gmtime_r(&t, &tm);
    return {{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min}, tm.tm_sec, zone};
}

// An event's offset from now on the place's clock: its offset in time, plus the change of
// the zone's offset between now and then (a daylight-saving change in between).
double clock_offset(double offset, bool found, const PlaceClock& c, double zone_now) {
    if (!found || !std::isfinite(offset) || std::fabs(offset) > kMostOffsetHours) return offset;
    const double then = c.zone(c.utc + static_cast<std::time_t>(std::floor(offset * 3600)));
    return usable_zone_hours(then) ? offset + (then - zone_now) : offset;
}

// A UT Julian day on the zone's clock, at the zone's offset at that instant: to the nearest
// second, then to the minute, as --json gives the instant to the second.
std::optional<LocalTime> zone_time_of(double jd_ut, const PlaceZone& zone) {
    const double rounded = jd_ut + 0.5 / astro::kSecondsPerDay;
    const std::optional<std::time_t> at = astro::unix_time_of(rounded);
    return at ? local_time_of(rounded, zone(*at)) : std::nullopt;
}

}  // namespace

PhasesAhead phases_ahead(const astro::NextPhases& next, double now_jd_ut, const PlaceZone& zone) {
    PhasesAhead ahead{};
    for (int k = 0; k < astro::kPrincipalPhaseCount; ++k) {
        ahead.when[k] = zone_time_of(next.jd_ut[k], zone);
        ahead.days[k] = next.jd_ut[k] - now_jd_ut;
    }
    return ahead;
}

std::optional<LocalTime> local_time_of(double jd_ut, double tz_hours) {
    const std::optional<std::time_t> utc = astro::unix_time_of(jd_ut);
    if (!utc || !usable_zone_hours(tz_hours)) return std::nullopt;
    const std::time_t t = *utc + static_cast<std::time_t>(std::floor(tz_hours * 3600));
    std::tm tm{};
    if (gmtime_r(&t, &tm) == nullptr) return std::nullopt;
    return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min};
}

namespace {

// The place's local time of a UT Julian day.
std::optional<LocalTime> place_time_of(double jd_ut, const PlaceClock& clock) { return zone_time_of(jd_ut, clock.zone); }

// "15 Jan".
std::string day_and_month(const LocalTime& t) {
    constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return std::to_string(t.day) + " " + kMonths[(t.month - 1) % 12];
}

// "15 Jan 11:52" (or "15 Jan 11:52 am").
std::string day_and_time(const LocalTime& t, bool twelve_hour) {
    return day_and_month(t) + " " + clock_time(t.hour, t.minute, twelve_hour);
}

// A body without a rise or a set in the coming day: one line for a day with neither ("Sun
// down all day: rises 15 Jan 11:52"), said at the rise's place in the list, or one for the
// event it lacks ("No moonset in the next 24 h: 10 Jan 01:12"; not "today", which may have
// had one). Empty for the set when the rise's line says both.
std::string absence_line(const ComingEvent& e, const astro::CalcContext& ctx, const astro::MissingEvents& next,
                         const PlaceClock& clock, bool twelve_hour) {
    const bool sun = e.kind == EventKind::kSunrise || e.kind == EventKind::kSunset;
    const bool rise = e.kind == EventKind::kSunrise || e.kind == EventKind::kMoonrise;
    using astro::DayEvent;
    const bool no_rise = !astro::day_event(ctx, sun ? DayEvent::kSunrise : DayEvent::kMoonrise).found;
    const bool no_set = !astro::day_event(ctx, sun ? DayEvent::kSunset : DayEvent::kMoonset).found;
    const char* body = sun ? "Sun" : "Moon";
    const char* rise_word = sun ? "sunrise" : "moonrise";
    const char* set_word = sun ? "sunset" : "moonset";
    // The next one's date, or that none comes within the search.
    const std::string within = " within " + std::to_string(static_cast<int>(astro::kFarthestCrossingDays)) + " days";
    const auto next_one = [&](const std::string& said, const char* verb, double jd, const char* word) {
        const std::optional<LocalTime> t = place_time_of(jd, clock);
        return t ? said + ": " + verb + day_and_time(*t, twelve_hour) : said + ", no " + word + within;
    };
    if (no_rise && no_set) {
        if (!rise) return {};
        const bool up = sun ? ctx.sun_horizon_vector[2] > astro::kSunriseSine : ctx.moon_up_flag > 0;
        return up ? next_one(std::string(body) + " up all day", "sets ", sun ? next.sunset : next.moonset, set_word)
                  : next_one(std::string(body) + " down all day", "rises ", sun ? next.sunrise : next.moonrise,
                             rise_word);
    }
    const char* word = rise ? rise_word : set_word;
    const double jd = sun ? (rise ? next.sunrise : next.sunset) : (rise ? next.moonrise : next.moonset);
    const std::optional<LocalTime> t = place_time_of(jd, clock);
    return t ? std::string("No ") + word + " in the next 24 h: " + day_and_time(*t, twelve_hour)
             : std::string("No ") + word + within;
}

// "25 years", from the search's span.
std::string eclipse_search_span() { return std::to_string(astro::kEclipseSearchYears) + " years"; }

std::string capitalised(std::string s) {
    if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') s[0] = static_cast<char>(s[0] - 'a' + 'A');
    return s;
}

// "Total lunar eclipse 2026-03-03 12:33, Moon up here".
std::string lunar_line(const astro::LunarEclipse& e, const PlaceClock& clock, bool twelve_hour) {
    const std::optional<LocalTime> t = place_time_of(e.peak, clock);
    if (e.kind == astro::EclipseKind::kNone || !t) return "No lunar eclipse within " + eclipse_search_span();
    return capitalised(eclipse_kind_name(e.kind)) + " lunar eclipse " + date_of(*t) + " " +
           clock_time(t->hour, t->minute, twelve_hour) + (e.moon_up ? ", Moon up here" : ", Moon below the horizon here");
}

// "Partial solar eclipse 2026-08-12 20:13, 91% covered, 19:17 to 21:06".
std::string solar_line(const astro::SolarEclipse& e, const PlaceClock& clock, bool twelve_hour) {
    const std::optional<LocalTime> begin = place_time_of(e.begin, clock), peak = place_time_of(e.peak, clock),
                                   end = place_time_of(e.end, clock);
    if (e.kind == astro::EclipseKind::kNone || !begin || !peak || !end) return "No solar eclipse seen here within " + eclipse_search_span();
    // Only a total eclipse covers it all: a deep partial one is not rounded up to 100%.
    const long covered = e.kind == astro::EclipseKind::kTotal ? 100 : std::min(99L, std::lround(e.obscuration * 100));
    const std::string share = covered < 1 ? "under 1%" : std::to_string(covered) + "%";  // a graze
    return capitalised(eclipse_kind_name(e.kind)) + " solar eclipse " + date_of(*peak) + " " +
           clock_time(peak->hour, peak->minute, twelve_hour) + ", " + share + " covered, " +
           clock_time(begin->hour, begin->minute, twelve_hour) + " to " + clock_time(end->hour, end->minute, twelve_hour);
}

// The clock's instant as a UT Julian day.
double jd_of(const PlaceClock& clock) { return astro::kUnixEpochJd + static_cast<double>(clock.utc) / astro::kSecondsPerDay; }

// "7 h 42 min", "12 min 5 s", "45 s".
std::string duration_text(double seconds) {
    const long s = std::lround(std::fabs(seconds));
    if (s >= 3600) return std::to_string(s / 3600) + " h " + std::to_string(s % 3600 / 60) + " min";
    if (s >= 60) return std::to_string(s / 60) + " min " + std::to_string(s % 60) + " s";
    return std::to_string(s) + " s";
}

// "Day 7 h 42 min, 1 min 12 s shorter than yesterday"; a polar day or night said as such.
std::string day_length_line(const DayLight& light) {
    constexpr double kWholeDay = 86400, kSecond = 1;
    if (!std::isfinite(light.today_s)) return {};
    if (light.today_s >= kWholeDay - kSecond) return "\nPolar day: the Sun does not set today";
    if (light.today_s < kSecond) return "\nPolar night: the Sun does not rise today";
    std::string line = "\nDay " + duration_text(light.today_s);
    const double change = light.today_s - light.yesterday_s;
    if (!std::isfinite(change)) return line;
    if (std::fabs(change) < 0.5) return line + ", as long as yesterday";
    return line + ", " + duration_text(change) + (change < 0 ? " shorter" : " longer") + " than yesterday";
}

// "Golden hour 15:02–16:10", "Blue hour 16:10–16:31", in time order; "until"/"from" where an
// end lies beyond the search. Only those that end after now and begin within 24 hours.
std::string light_lines(const DayLight& light, const PlaceClock& clock, bool twelve_hour) {
    const double now = jd_of(clock);
    struct Line {
        double at;
        std::string text;
    };
    std::vector<Line> lines;
    const auto time_of = [&](double jd) {
        const std::optional<LocalTime> t = place_time_of(jd, clock);
        return t ? clock_time(t->hour, t->minute, twelve_hour) : std::string("?");
    };
    for (const auto& [spans, name] : {std::pair{&light.golden, "Golden hour"}, std::pair{&light.blue, "Blue hour"}}) {
        for (const LightSpan& s : *spans) {
            if (s.end < now || s.begin > now + 1) continue;
            std::string text = name;
            if (std::isnan(s.begin)) text.append(" until ").append(time_of(s.end));
            else if (std::isnan(s.end)) text.append(" from ").append(time_of(s.begin));
            else text.append(" ").append(time_of(s.begin)).append("\u2013").append(time_of(s.end));
            lines.push_back({std::isnan(s.begin) ? now : s.begin, text});
        }
    }
    std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) { return a.at < b.at; });
    std::string out;
    for (const Line& l : lines) out += "\n" + l.text;
    return out;
}

// "357,100 km": to the hundred, as the distance is known.
std::string kilometres(double km) {
    constexpr long kRound = 100;
    constexpr double kFarthest = 1e12;  // beyond any distance told; keeps the rounding in range
    if (!(std::fabs(km) < kFarthest)) return "? km";
    const std::string digits = std::to_string(std::lround(km / kRound) * kRound);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out + " km";
}

// "Moon 23° up in the SE (131°), 372,400 km away"; "Moon below the horizon, …".
std::string moon_now_line(const astro::MoonNow& m) {
    constexpr const char* kPoints[] = {"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
                                       "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"};
    constexpr double kPointDeg = 360.0 / 16;
    const std::string away = std::isfinite(m.distance_km) ? kilometres(m.distance_km) + " away" : "distance unknown";
    if (!(m.altitude_deg >= 0)) return "Moon below the horizon, " + away;
    const int point = static_cast<int>(std::lround(m.azimuth_deg / kPointDeg)) % 16;
    return "Moon " + std::to_string(std::lround(m.altitude_deg)) + "\u00b0 up in the " + kPoints[point] + " (" +
           std::to_string(std::lround(m.azimuth_deg) % 360) + "\u00b0), " + away;
}

// "December solstice 2026-12-21 21:50, in 12.1 days", "Perigee 2026-12-12 14:20, 364,500 km".
std::string cycle_lines(const YearAndMonth& c, const PlaceClock& clock, bool twelve_hour) {
    const double now = jd_of(clock);
    const auto dated = [&](const std::string& name, double jd) -> std::string {
        const std::optional<LocalTime> t = place_time_of(jd, clock);
        if (!t) return {};
        return "\n" + name + " " + date_of(*t) + " " + clock_time(t->hour, t->minute, twelve_hour);
    };
    std::string out;
    if (!c.seasons.empty()) {
        const astro::Season& s = c.seasons.front();
        char days[32];
        const auto end = std::to_chars(days, days + sizeof days, std::clamp(s.jd_ut - now, 0.0, 999.0),
                                       std::chars_format::fixed, 1);
        const std::string line = dated(capitalised(season_name(s.kind)), s.jd_ut);
        if (!line.empty()) out += line + ", in " + std::string(days, end.ptr) + " days";
    }
    if (c.apsides) {
        for (const auto& [a, name] : {std::pair{c.apsides->perigee, "Perigee"}, std::pair{c.apsides->apogee, "Apogee"}}) {
            const std::string line = dated(name, a.jd_ut);
            if (!line.empty()) out += line + ", " + kilometres(a.distance_km);
        }
    }
    return out;
}

}  // namespace

std::string reminder_text(const std::string& kind, std::time_t at, const PlaceClock& clock, bool twelve_hour) {
    constexpr std::pair<const char*, const char*> kNames[] = {
        {"sunrise", "Sunrise"}, {"sunset", "Sunset"}, {"golden_hour", "Golden hour"},
        {"full_moon", "Full moon"}, {"new_moon", "New moon"}, {"eclipse", "Eclipse"}};
    std::string name = kind;
    for (const auto& [key, said] : kNames)
        if (kind == key) name = said;
    const std::optional<LocalTime> t = place_time_of(astro::kUnixEpochJd + static_cast<double>(at) / astro::kSecondsPerDay, clock);
    if (!t) return name;
    const LocalTime today = local_now(clock).t;
    const bool same_day = t->year == today.year && t->month == today.month && t->day == today.day;
    return name + (same_day ? "" : " on " + date_of(*t)) + " at " + clock_time(t->hour, t->minute, twelve_hour);
}

const char* twilight_name(astro::Twilight kind) {
    constexpr const char* kNames[astro::kTwilightKinds] = {"civil", "nautical", "astronomical"};
    return kNames[static_cast<int>(kind)];
}

const char* season_name(astro::SeasonStart kind) {
    constexpr const char* kNames[] = {"March equinox", "June solstice", "September equinox", "December solstice"};
    return kNames[static_cast<int>(kind)];
}

const char* phase_name_text(astro::PhaseName name) {
    constexpr const char* kNames[] = {"new moon", "waxing crescent", "first quarter", "waxing gibbous",
                                      "full moon", "waning gibbous", "last quarter", "waning crescent"};
    return kNames[static_cast<int>(name)];
}

const char* eclipse_kind_name(astro::EclipseKind kind) {
    constexpr const char* kNames[] = {"none", "penumbral", "partial", "annular", "total"};
    return kNames[static_cast<int>(kind)];
}

std::string glance_text(const astro::CalcContext& ctx, const astro::CPlnt_Data& planets, const PlaceClock& clock,
                        const PhasesAhead& phases, bool twelve_hour, const std::string& zone_note,
                        const Outlook& outlook) {
    const LocalNow here = local_now(clock);
    const LocalTime& now = here.t;
    const int second = here.second;
    const std::string twilight = capitalised(twilight_name(outlook.twilight)) + " twilight";
    const std::string kNames[astro::kDayEventCount] = {"Sunrise", "Sunset", twilight + " begins", twilight + " ends",
                                                       "Moonrise", "Moonset"};
    // An event that comes twice in the coming day is listed twice (a sunrise today and one
    // tomorrow a little earlier), each with its date when it is not today's.
    std::vector<ComingEvent> events;
    for (int i = 0; i < astro::kDayEventCount; ++i) {
        const auto kind = static_cast<astro::DayEvent>(i);
        const astro::EventTime e = astro::day_event(ctx, kind);
        const bool twice = e.found && std::isfinite(e.first_hours);
        if (twice) events.push_back({kNames[i], e.first_hours, true, kind, true});
        events.push_back({kNames[i], e.hours, e.found, kind, twice});
    }
    std::stable_sort(events.begin(), events.end(), [](const ComingEvent& a, const ComingEvent& b) {
        if (a.found != b.found) return a.found;
        return a.found && a.offset < b.offset;
    });
    std::string out = date_of(now);
    for (const ComingEvent& e : events) {
        const bool twilight = e.kind == EventKind::kTwilightBegin || e.kind == EventKind::kTwilightEnd;
        if (!e.found && !twilight && outlook.missing) {
            const std::string line = absence_line(e, ctx, *outlook.missing, clock, twelve_hour);
            if (!line.empty()) out.append("\n").append(line);
            continue;
        }
        const double on_clock = clock_offset(e.offset, e.found, clock, here.zone);
        const int m = e.found ? minutes_of_day(on_clock, now.hour, now.minute, second) : kNoMinute;
        out.append("\n").append(e.name).append(" ");
        if (m == kNoMinute) {
            out += kNone;
            continue;
        }
        const std::optional<LocalTime> day = e.twice ? place_time_of(astro::ut_julian_day(ctx) + e.offset / 24, clock)
                                                     : std::nullopt;
        if (day && (day->year != now.year || day->month != now.month || day->day != now.day))
            out += day_and_month(*day) + " ";
        out += clock_time(m / 60, m % 60, twelve_hour);
    }
    out += day_length_line(outlook.light);
    out += light_lines(outlook.light, clock, twelve_hour);
    const double lit = astro::lit_fraction(ctx.moon_phase_angle) * 100;
    char moon[64];
    std::snprintf(moon, sizeof moon, "\nMoon %s days old, %d%% lit", shortest_decimal(planets.moon_age).c_str(),
                  static_cast<int>(std::lround(std::clamp(lit, 0.0, 100.0))));
    out += moon;
    if (outlook.cycles.phase) out.append(", ").append(phase_name_text(*outlook.cycles.phase));
    out.append("\n").append(moon_now_line(astro::moon_now(ctx)));
    for (int k = 0; k < astro::kPrincipalPhaseCount; ++k) {
        out.append("\n").append(kPhaseNames[k]).append(" ");
        const std::optional<LocalTime>& t = phases.when[k];
        if (!t || !std::isfinite(phases.days[k])) {
            out += "not found";
            continue;
        }
        char days[32];
        const auto end = std::to_chars(days, days + sizeof days, std::clamp(phases.days[k], 0.0, 99.0),
                                       std::chars_format::fixed, 1);
        out += date_of(*t) + " " + clock_time(t->hour, t->minute, twelve_hour) + ", in " +
               std::string(days, end.ptr) + " days";
        if (std::isfinite(outlook.cycles.supermoon_km[k]))
            out += " \u2014 supermoon, " + kilometres(outlook.cycles.supermoon_km[k]);
    }
    out += cycle_lines(outlook.cycles, clock, twelve_hour);
    if (outlook.lunar) out.append("\n").append(lunar_line(*outlook.lunar, clock, twelve_hour));
    if (outlook.solar) out.append("\n").append(solar_line(*outlook.solar, clock, twelve_hour));
    if (!zone_note.empty()) out += "\n" + zone_note;
    return out;
}

std::string age_text(double moon_age) { return "Age=" + shortest_decimal(cut(moon_age * 10) * 0.1); }

std::string illum_text(double moon_phase_angle) {
    return "k=" + shortest_decimal(cut(astro::lit_fraction(moon_phase_angle) * 100) * 0.01);
}

std::string event_text(double offset, bool found, int hour, int minute, int second) {
    const int total = found ? minutes_of_day(offset, hour, minute, second) : kNoMinute;
    if (total == kNoMinute) return kAbsentEvent;
    const std::string text = std::to_string(total / 60) + "h" + std::to_string(total % 60) + "m";
    return offset < 0 ? "(" + text + ")" : text;
}

DisplayTexts build_display_texts(const astro::CalcContext& ctx, const astro::CPlnt_Data& planets,
                                 const PlaceClock& clock) {
    const LocalNow here = local_now(clock);
    const int hour = here.t.hour, minute = here.t.minute, second = here.second;
    const auto text = [&](astro::DayEvent kind) {
        const astro::EventTime e = astro::day_event(ctx, kind);
        return event_text(clock_offset(e.hours, e.found, clock, here.zone), e.found, hour, minute, second);
    };
    using astro::DayEvent;
    return {age_text(planets.moon_age),
            illum_text(ctx.moon_phase_angle),
            text(DayEvent::kMoonrise),
            text(DayEvent::kMoonset),
            text(DayEvent::kSunrise),
            text(DayEvent::kSunset),
            text(DayEvent::kTwilightBegin),
            text(DayEvent::kTwilightEnd)};
}

std::vector<std::string> info_memo_lines(const DisplayTexts& t) {
    return {"Orbalis",
            " " + t.age_text + ", " + t.illum_text,
            "",
            "Within 24h...",
            " MoonRise:" + t.moonrise_text,
            " MoonSet: " + t.moonset_text,
            " SunSet: " + t.sunset_text,
            " TwilightEnd:" + t.twilight_end_text,
            " TwilightBegin:" + t.twilight_begin_text,
            " SunRise:" + t.sunrise_text};
}

std::string one_line(std::string text) {
    std::replace_if(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, '?');
    return text;
}
