#include "texts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <ctime>

#include "series.h"

// Marks a phrase for Qt's lupdate where the texts keep it in a table.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(context, text) text  // a text with a count, %n
#endif

namespace {

// Cuts toward zero as if the value carried no representation error: (1 - cos 90)*50 is
// 49.999999999999993 and must still count as 50.
double cut(double v) {
    constexpr double kTolerance = 1e-9;
    return std::trunc(v + std::copysign(kTolerance, v));
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
std::optional<LocalTime> place_time_of(double jd_ut, const PlaceClock& clock) {
    return zone_time_of(jd_ut, clock.zone);
}

// A date and a clock time: "2026-12-10 07:05" (or as the locale writes them).
std::string date_and_time(const LocalTime& t, bool twelve_hour, const Wording& w) {
    return w.date(t) + " " + w.time(t.hour, t.minute, twelve_hour);
}

constexpr int kFarthestDays = static_cast<int>(astro::kFarthestCrossingDays);

// A body without a rise or a set in the coming day: one line for a day with neither ("Sun
// down all day: rises 2027-01-15 11:52"), said at the rise's place in the list, or one for
// the event it lacks ("No moonset in the next 24 h: 2027-01-10 01:12"; not "today", which
// may have had one). Empty for the set when the rise's line says both.
std::string absence_line(const ComingEvent& e, const astro::CalcContext& ctx, const astro::MissingEvents& next,
                         const PlaceClock& clock, bool twelve_hour, const Wording& w) {
    const bool sun = e.kind == EventKind::kSunrise || e.kind == EventKind::kSunset;
    const bool rise = e.kind == EventKind::kSunrise || e.kind == EventKind::kMoonrise;
    using astro::DayEvent;
    const bool no_rise = !astro::day_event(ctx, sun ? DayEvent::kSunrise : DayEvent::kMoonrise).found;
    const bool no_set = !astro::day_event(ctx, sun ? DayEvent::kSunset : DayEvent::kMoonset).found;
    const auto next_one = [&](double jd, const char* when, const char* none) {
        const std::optional<LocalTime> t = place_time_of(jd, clock);
        return t ? fill(w.translate("Almanac", when), {date_and_time(*t, twelve_hour, w)})
                 : w.translate("Almanac", none, "", kFarthestDays);
    };
    if (no_rise && no_set) {
        if (!rise) return {};
        const bool up = sun ? ctx.sun_horizon_vector[2] > astro::kSunriseSine : ctx.moon_up_flag > 0;
        if (sun)
            return up ? next_one(next.sunset, QT_TRANSLATE_NOOP("Almanac", "Sun up all day: sets %1"),
                                 QT_TRANSLATE_N_NOOP("Almanac", "Sun up all day, no sunset within %n day(s)"))
                      : next_one(next.sunrise, QT_TRANSLATE_NOOP("Almanac", "Sun down all day: rises %1"),
                                 QT_TRANSLATE_N_NOOP("Almanac", "Sun down all day, no sunrise within %n day(s)"));
        return up ? next_one(next.moonset, QT_TRANSLATE_NOOP("Almanac", "Moon up all day: sets %1"),
                             QT_TRANSLATE_N_NOOP("Almanac", "Moon up all day, no moonset within %n day(s)"))
                  : next_one(next.moonrise, QT_TRANSLATE_NOOP("Almanac", "Moon down all day: rises %1"),
                             QT_TRANSLATE_N_NOOP("Almanac", "Moon down all day, no moonrise within %n day(s)"));
    }
    if (sun)
        return rise ? next_one(next.sunrise, QT_TRANSLATE_NOOP("Almanac", "No sunrise in the next 24 h: %1"),
                               QT_TRANSLATE_N_NOOP("Almanac", "No sunrise within %n day(s)"))
                    : next_one(next.sunset, QT_TRANSLATE_NOOP("Almanac", "No sunset in the next 24 h: %1"),
                               QT_TRANSLATE_N_NOOP("Almanac", "No sunset within %n day(s)"));
    return rise ? next_one(next.moonrise, QT_TRANSLATE_NOOP("Almanac", "No moonrise in the next 24 h: %1"),
                           QT_TRANSLATE_N_NOOP("Almanac", "No moonrise within %n day(s)"))
                : next_one(next.moonset, QT_TRANSLATE_NOOP("Almanac", "No moonset in the next 24 h: %1"),
                           QT_TRANSLATE_N_NOOP("Almanac", "No moonset within %n day(s)"));
}

// "Total lunar eclipse 2026-03-03 12:33, Moon up here".
std::string lunar_line(const astro::LunarEclipse& e, const PlaceClock& clock, bool twelve_hour, const Wording& w) {
    const std::optional<LocalTime> t = place_time_of(e.peak, clock);
    constexpr const char* kNoneFound = QT_TRANSLATE_N_NOOP("Almanac", "No lunar eclipse within %n year(s)");
    if (e.kind == astro::EclipseKind::kNone || !t)
        return w.translate("Almanac", kNoneFound, "", astro::kEclipseSearchYears);
    const char* up[] = {"", QT_TRANSLATE_NOOP("Almanac", "Penumbral lunar eclipse %1, Moon up here"),
                        QT_TRANSLATE_NOOP("Almanac", "Partial lunar eclipse %1, Moon up here"),
                        QT_TRANSLATE_NOOP("Almanac", "Annular lunar eclipse %1, Moon up here"),
                        QT_TRANSLATE_NOOP("Almanac", "Total lunar eclipse %1, Moon up here")};
    const char* down[] = {"", QT_TRANSLATE_NOOP("Almanac", "Penumbral lunar eclipse %1, Moon below the horizon here"),
                          QT_TRANSLATE_NOOP("Almanac", "Partial lunar eclipse %1, Moon below the horizon here"),
                          QT_TRANSLATE_NOOP("Almanac", "Annular lunar eclipse %1, Moon below the horizon here"),
                          QT_TRANSLATE_NOOP("Almanac", "Total lunar eclipse %1, Moon below the horizon here")};
    const int kind = static_cast<int>(e.kind);
    return fill(w.translate("Almanac", e.moon_up ? up[kind] : down[kind]), {date_and_time(*t, twelve_hour, w)});
}

// "Partial solar eclipse 2026-08-12 20:13, 91% covered, 19:17 to 21:06".
std::string solar_line(const astro::SolarEclipse& e, const PlaceClock& clock, bool twelve_hour, const Wording& w) {
    const std::optional<LocalTime> begin = place_time_of(e.begin, clock), peak = place_time_of(e.peak, clock),
                                   end = place_time_of(e.end, clock);
    constexpr const char* kNoneFound = QT_TRANSLATE_N_NOOP("Almanac", "No solar eclipse seen here within %n year(s)");
    if (e.kind == astro::EclipseKind::kNone || !begin || !peak || !end)
        return w.translate("Almanac", kNoneFound, "", astro::kEclipseSearchYears);
    // Only a total eclipse covers it all: a deep partial one is not rounded up to 100%.
    const long covered = e.kind == astro::EclipseKind::kTotal ? 100 : std::min(99L, std::lround(e.obscuration * 100));
    const std::string share = covered < 1 ? w.translate("Almanac", "under 1%", "of the Sun covered")  // a graze
                                          : fill(w.translate("Almanac", "%1%", "a share in percent"),
                                                 {w.number(static_cast<double>(covered), 0)});
    const char* said[] = {"", QT_TRANSLATE_NOOP("Almanac", "Penumbral solar eclipse %1, %2 covered, %3 to %4"),
                          QT_TRANSLATE_NOOP("Almanac", "Partial solar eclipse %1, %2 covered, %3 to %4"),
                          QT_TRANSLATE_NOOP("Almanac", "Annular solar eclipse %1, %2 covered, %3 to %4"),
                          QT_TRANSLATE_NOOP("Almanac", "Total solar eclipse %1, %2 covered, %3 to %4")};
    return fill(w.translate("Almanac", said[static_cast<int>(e.kind)]),
                {date_and_time(*peak, twelve_hour, w), share, w.time(begin->hour, begin->minute, twelve_hour),
                 w.time(end->hour, end->minute, twelve_hour)});
}

// The clock's instant as a UT Julian day.
double jd_of(const PlaceClock& clock) {
    return astro::kUnixEpochJd + static_cast<double>(clock.utc) / astro::kSecondsPerDay;
}

// A line of the tooltip after the one before it.
std::string on_a_new_line(std::string text) { return text.insert(0, 1, '\n'); }

// "7 h 42 min", "12 min 5 s", "45 s".
std::string duration_text(double seconds, const Wording& w) {
    const long s = std::lround(std::fabs(seconds));
    if (s >= 3600)
        return fill(w.translate("Almanac", "%1 h %2 min", "hours and minutes"),
                    {std::to_string(s / 3600), std::to_string(s % 3600 / 60)});
    if (s >= 60)
        return fill(w.translate("Almanac", "%1 min %2 s", "minutes and seconds"),
                    {std::to_string(s / 60), std::to_string(s % 60)});
    return fill(w.translate("Almanac", "%1 s", "seconds"), {std::to_string(s)});
}

// "Day 7 h 42 min, 1 min 12 s shorter than yesterday"; a polar day or night said as such.
std::string day_length_line(const DayLight& light, const Wording& w) {
    constexpr double kWholeDay = 86400, kSecond = 1;
    if (!std::isfinite(light.today_s)) return {};
    if (light.today_s >= kWholeDay - kSecond)
        return on_a_new_line(w.translate("Almanac", "Polar day: the Sun does not set today"));
    if (light.today_s < kSecond)
        return on_a_new_line(w.translate("Almanac", "Polar night: the Sun does not rise today"));
    const std::string today = duration_text(light.today_s, w);
    const double change = light.today_s - light.yesterday_s;
    if (!std::isfinite(change))
        return on_a_new_line(fill(w.translate("Almanac", "Day %1", "the length of daylight"), {today}));
    if (std::fabs(change) < 0.5)
        return on_a_new_line(fill(w.translate("Almanac", "Day %1, as long as yesterday"), {today}));
    return on_a_new_line(
        fill(w.translate("Almanac", change < 0 ? QT_TRANSLATE_NOOP("Almanac", "Day %1, %2 shorter than yesterday")
                                               : QT_TRANSLATE_NOOP("Almanac", "Day %1, %2 longer than yesterday")),
             {today, duration_text(change, w)}));
}

// "Golden hour 15:02–16:10", "Blue hour 16:10–16:31", in time order; "until"/"from" where an
// end lies beyond the search. Only those that end after now and begin within 24 hours.
std::string light_lines(const DayLight& light, const PlaceClock& clock, bool twelve_hour, const Wording& w) {
    const double now = jd_of(clock);
    struct Line {
        double at;
        std::string text;
    };
    std::vector<Line> lines;
    const auto time_of = [&](double jd) {
        const std::optional<LocalTime> t = place_time_of(jd, clock);
        return t ? w.time(t->hour, t->minute, twelve_hour) : std::string("?");
    };
    struct Said {
        const std::vector<LightSpan>* spans;
        const char *whole, *until, *from;
    };
    for (const Said& said : {Said{&light.golden, QT_TRANSLATE_NOOP("Almanac", "Golden hour %1\u2013%2"),
                                  QT_TRANSLATE_NOOP("Almanac", "Golden hour until %1"),
                                  QT_TRANSLATE_NOOP("Almanac", "Golden hour from %1")},
                             Said{&light.blue, QT_TRANSLATE_NOOP("Almanac", "Blue hour %1\u2013%2"),
                                  QT_TRANSLATE_NOOP("Almanac", "Blue hour until %1"),
                                  QT_TRANSLATE_NOOP("Almanac", "Blue hour from %1")}}) {
        for (const LightSpan& s : *said.spans) {
            if (s.end < now || s.begin > now + 1) continue;
            std::string text;
            if (std::isnan(s.begin)) text = fill(w.translate("Almanac", said.until), {time_of(s.end)});
            else if (std::isnan(s.end)) text = fill(w.translate("Almanac", said.from), {time_of(s.begin)});
            else text = fill(w.translate("Almanac", said.whole), {time_of(s.begin), time_of(s.end)});
            lines.push_back({std::isnan(s.begin) ? now : s.begin, text});
        }
    }
    std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) { return a.at < b.at; });
    std::string out;
    for (const Line& l : lines) out.append("\n").append(l.text);
    return out;
}

// "357,100 km": to the hundred, as the distance is known.
std::string kilometres(double km, const Wording& w) {
    constexpr double kRound = 100;
    constexpr double kFarthest = 1e12;  // beyond any distance told; keeps the rounding in range
    const std::string number = std::fabs(km) < kFarthest ? w.number(std::round(km / kRound) * kRound, 0) : "?";
    return fill(w.translate("Almanac", "%1 km", "a distance"), {number});
}

// "Moon 23° up in the SE (131°), 372,400 km away"; "Moon below the horizon, …".
std::string moon_now_line(const astro::MoonNow& m, const Wording& w) {
    constexpr const char* kPoints[] = {
        QT_TRANSLATE_NOOP("Compass", "N"),
        QT_TRANSLATE_NOOP("Compass", "NNE"),
        QT_TRANSLATE_NOOP("Compass", "NE"),
        QT_TRANSLATE_NOOP("Compass", "ENE"),
        QT_TRANSLATE_NOOP("Compass", "E"),
        QT_TRANSLATE_NOOP("Compass", "ESE"),
        QT_TRANSLATE_NOOP("Compass", "SE"),
        QT_TRANSLATE_NOOP("Compass", "SSE"),
        QT_TRANSLATE_NOOP("Compass", "S"),
        QT_TRANSLATE_NOOP("Compass", "SSW"),
        QT_TRANSLATE_NOOP("Compass", "SW"),
        QT_TRANSLATE_NOOP("Compass", "WSW"),
        QT_TRANSLATE_NOOP("Compass", "W"),
        QT_TRANSLATE_NOOP("Compass", "WNW"),
        QT_TRANSLATE_NOOP("Compass", "NW"),
        QT_TRANSLATE_NOOP("Compass", "NNW"),
    };
    constexpr double kPointDeg = 360.0 / 16;
    const std::string away = std::isfinite(m.distance_km)
                                 ? fill(w.translate("Almanac", "%1 away", "a distance"), {kilometres(m.distance_km, w)})
                                 : w.translate("Almanac", "distance unknown");
    if (!(m.altitude_deg >= 0)) return fill(w.translate("Almanac", "Moon below the horizon, %1"), {away});
    const int point = static_cast<int>(std::lround(m.azimuth_deg / kPointDeg)) % 16;
    return fill(w.translate("Almanac", "Moon %1\u00b0 up in the %2 (%3\u00b0), %4",
                            "altitude, compass point, azimuth, distance"),
                {std::to_string(std::lround(m.altitude_deg)), w.translate("Compass", kPoints[point]),
                 std::to_string(std::lround(m.azimuth_deg) % 360), away});
}

// "in 12.1 days": days to a tenth, which no plural form fits.
std::string in_days(double days, const Wording& w) {
    return fill(w.translate("Almanac", "in %1 days", "a number of days with one decimal"),
                {w.number(std::clamp(days, 0.0, 999.0), 1)});
}

// "December solstice 2026-12-21 21:50, in 12.1 days", "Perigee 2026-12-12 14:20, 364,500 km".
std::string cycle_lines(const YearAndMonth& c, const PlaceClock& clock, bool twelve_hour, const Wording& w) {
    const double now = jd_of(clock);
    std::string out;
    if (!c.seasons.empty()) {
        const astro::Season& s = c.seasons.front();
        constexpr const char* kSeasons[] = {QT_TRANSLATE_NOOP("Almanac", "March equinox %1, %2"),
                                            QT_TRANSLATE_NOOP("Almanac", "June solstice %1, %2"),
                                            QT_TRANSLATE_NOOP("Almanac", "September equinox %1, %2"),
                                            QT_TRANSLATE_NOOP("Almanac", "December solstice %1, %2")};
        if (const std::optional<LocalTime> t = place_time_of(s.jd_ut, clock))
            out.append("\n").append(fill(w.translate("Almanac", kSeasons[static_cast<int>(s.kind)]),
                                         {date_and_time(*t, twelve_hour, w), in_days(s.jd_ut - now, w)}));
    }
    if (c.apsides) {
        for (const auto& [a, said] : {std::pair{c.apsides->perigee, QT_TRANSLATE_NOOP("Almanac", "Perigee %1, %2")},
                                      std::pair{c.apsides->apogee, QT_TRANSLATE_NOOP("Almanac", "Apogee %1, %2")}})
            if (const std::optional<LocalTime> t = place_time_of(a.jd_ut, clock))
                out.append("\n").append(fill(w.translate("Almanac", said),
                                             {date_and_time(*t, twelve_hour, w), kilometres(a.distance_km, w)}));
    }
    return out;
}

// The day's events by name, as the tooltip lists them.
std::string event_name(EventKind kind, astro::Twilight twilight, const Wording& w) {
    constexpr const char* kBegins[] = {QT_TRANSLATE_NOOP("Almanac", "Civil twilight begins"),
                                       QT_TRANSLATE_NOOP("Almanac", "Nautical twilight begins"),
                                       QT_TRANSLATE_NOOP("Almanac", "Astronomical twilight begins")};
    constexpr const char* kEnds[] = {QT_TRANSLATE_NOOP("Almanac", "Civil twilight ends"),
                                     QT_TRANSLATE_NOOP("Almanac", "Nautical twilight ends"),
                                     QT_TRANSLATE_NOOP("Almanac", "Astronomical twilight ends")};
    switch (kind) {
    case EventKind::kSunrise: return w.translate("Almanac", "Sunrise");
    case EventKind::kSunset: return w.translate("Almanac", "Sunset");
    case EventKind::kTwilightBegin: return w.translate("Almanac", kBegins[static_cast<int>(twilight)]);
    case EventKind::kTwilightEnd: return w.translate("Almanac", kEnds[static_cast<int>(twilight)]);
    case EventKind::kMoonrise: return w.translate("Almanac", "Moonrise");
    case EventKind::kMoonset: break;
    }
    return w.translate("Almanac", "Moonset");
}

// A decimal as shortest_decimal gives it ("0.5", "12.25"), with the locale's decimal sign.
std::string decimal_said(double v, const Wording& w) {
    const std::string plain = shortest_decimal(v);
    const auto point = plain.find('.');
    return point == std::string::npos ? plain : w.number(v, static_cast<int>(plain.size() - point - 1));
}

// "waxing crescent", as the tooltip says the phase after the Moon's age.
std::string phase_said(astro::PhaseName name, const Wording& w) { return w.translate("Phase", phase_name_text(name)); }

// "Moon 0.5 days old, 3% lit, waxing crescent".
std::string moon_age_line(double age, double lit_percent, const std::optional<astro::PhaseName>& phase,
                          const Wording& w) {
    const std::string lit =
        std::isfinite(lit_percent) ? std::to_string(std::lround(std::clamp(lit_percent, 0.0, 100.0))) : "?";
    const std::string line =
        fill(w.translate("Almanac", "Moon %1 days old, %2% lit", "age in days with a decimal, percent"),
             {decimal_said(age, w), lit});
    if (!phase) return line;
    return fill(w.translate("Almanac", "%1, %2", "the Moon's age and lit share, its phase by name"),
                {line, phase_said(*phase, w)});
}

// "Full moon 2026-12-24 02:28, in 14.6 days — supermoon, 357,100 km".
std::string phase_line(int k, const PhasesAhead& phases, double supermoon_km, bool twelve_hour, const Wording& w) {
    constexpr const char* kFound[] = {
        QT_TRANSLATE_NOOP("Almanac", "New moon %1, %2"), QT_TRANSLATE_NOOP("Almanac", "First quarter %1, %2"),
        QT_TRANSLATE_NOOP("Almanac", "Full moon %1, %2"), QT_TRANSLATE_NOOP("Almanac", "Last quarter %1, %2")};
    constexpr const char* kMissing[] = {
        QT_TRANSLATE_NOOP("Almanac", "New moon not found"), QT_TRANSLATE_NOOP("Almanac", "First quarter not found"),
        QT_TRANSLATE_NOOP("Almanac", "Full moon not found"), QT_TRANSLATE_NOOP("Almanac", "Last quarter not found")};
    const std::optional<LocalTime>& t = phases.when[k];
    if (!t || !std::isfinite(phases.days[k])) return w.translate("Almanac", kMissing[k]);
    std::string line = fill(w.translate("Almanac", kFound[k]),
                            {date_and_time(*t, twelve_hour, w), in_days(phases.days[k], w)});
    if (std::isfinite(supermoon_km))
        line = fill(w.translate("Almanac", "%1 \u2014 supermoon, %2", "a full or new moon, the Moon's distance then"),
                    {line, kilometres(supermoon_km, w)});
    return line;
}

}  // namespace

std::string reminder_text(const std::string& kind, std::time_t at, const PlaceClock& clock, bool twelve_hour,
                          const Wording& w) {
    struct Said {
        const char *key, *name, *today, *later;
    };
    constexpr Said kSaid[] = {
        {"sunrise", QT_TRANSLATE_NOOP("Reminder", "Sunrise"), QT_TRANSLATE_NOOP("Reminder", "Sunrise at %1"),
         QT_TRANSLATE_NOOP("Reminder", "Sunrise on %1 at %2")},
        {"sunset", QT_TRANSLATE_NOOP("Reminder", "Sunset"), QT_TRANSLATE_NOOP("Reminder", "Sunset at %1"),
         QT_TRANSLATE_NOOP("Reminder", "Sunset on %1 at %2")},
        {"golden_hour", QT_TRANSLATE_NOOP("Reminder", "Golden hour"),
         QT_TRANSLATE_NOOP("Reminder", "Golden hour at %1"), QT_TRANSLATE_NOOP("Reminder", "Golden hour on %1 at %2")},
        {"full_moon", QT_TRANSLATE_NOOP("Reminder", "Full moon"), QT_TRANSLATE_NOOP("Reminder", "Full moon at %1"),
         QT_TRANSLATE_NOOP("Reminder", "Full moon on %1 at %2")},
        {"new_moon", QT_TRANSLATE_NOOP("Reminder", "New moon"), QT_TRANSLATE_NOOP("Reminder", "New moon at %1"),
         QT_TRANSLATE_NOOP("Reminder", "New moon on %1 at %2")},
        {"eclipse", QT_TRANSLATE_NOOP("Reminder", "Eclipse"), QT_TRANSLATE_NOOP("Reminder", "Eclipse at %1"),
         QT_TRANSLATE_NOOP("Reminder", "Eclipse on %1 at %2")}};
    const auto said =
        std::find_if(std::begin(kSaid), std::end(kSaid), [&kind](const Said& s) { return kind == s.key; });
    if (said == std::end(kSaid)) return kind;
    const std::optional<LocalTime> t =
        place_time_of(astro::kUnixEpochJd + static_cast<double>(at) / astro::kSecondsPerDay, clock);
    if (!t) return w.translate("Reminder", said->name);
    const LocalTime today = local_now(clock).t;
    const std::string time = w.time(t->hour, t->minute, twelve_hour);
    if (t->year == today.year && t->month == today.month && t->day == today.day)
        return fill(w.translate("Reminder", said->today), {time});
    return fill(w.translate("Reminder", said->later), {w.date(*t), time});
}

const char* twilight_name(astro::Twilight kind) {
    constexpr const char* kNames[astro::kTwilightKinds] = {"civil", "nautical", "astronomical"};
    return kNames[static_cast<int>(kind)];
}

const char* phase_name_text(astro::PhaseName name) {
    constexpr const char* kNames[] = {
        QT_TRANSLATE_NOOP("Phase", "new moon"),       QT_TRANSLATE_NOOP("Phase", "waxing crescent"),
        QT_TRANSLATE_NOOP("Phase", "first quarter"),  QT_TRANSLATE_NOOP("Phase", "waxing gibbous"),
        QT_TRANSLATE_NOOP("Phase", "full moon"),      QT_TRANSLATE_NOOP("Phase", "waning gibbous"),
        QT_TRANSLATE_NOOP("Phase", "last quarter"),   QT_TRANSLATE_NOOP("Phase", "waning crescent")};
    return kNames[static_cast<int>(name)];
}

const char* eclipse_kind_name(astro::EclipseKind kind) {
    constexpr const char* kNames[] = {"none", "penumbral", "partial", "annular", "total"};
    return kNames[static_cast<int>(kind)];
}

std::string glance_text(const astro::CalcContext& ctx, const astro::CPlnt_Data& planets, const PlaceClock& clock,
                        const PhasesAhead& phases, bool twelve_hour, const std::string& zone_note,
                        const Outlook& outlook, const Wording& w) {
    const LocalNow here = local_now(clock);
    const LocalTime& now = here.t;
    const int second = here.second;
    // An event that comes twice in the coming day is listed twice (a sunrise today and one
    // tomorrow a little earlier), each with its date when it is not today's.
    std::vector<ComingEvent> events;
    for (int i = 0; i < astro::kDayEventCount; ++i) {
        const auto kind = static_cast<astro::DayEvent>(i);
        const astro::EventTime e = astro::day_event(ctx, kind);
        const bool twice = e.found && std::isfinite(e.first_hours);
        const std::string name = event_name(kind, outlook.twilight, w);
        if (twice) events.push_back({name, e.first_hours, true, kind, true});
        events.push_back({name, e.hours, e.found, kind, twice});
    }
    std::stable_sort(events.begin(), events.end(), [](const ComingEvent& a, const ComingEvent& b) {
        if (a.found != b.found) return a.found;
        return a.found && a.offset < b.offset;
    });
    std::string out = w.date(now);
    for (const ComingEvent& e : events) {
        const bool twilight = e.kind == EventKind::kTwilightBegin || e.kind == EventKind::kTwilightEnd;
        if (!e.found && !twilight && outlook.missing) {
            const std::string line = absence_line(e, ctx, *outlook.missing, clock, twelve_hour, w);
            if (!line.empty()) out.append("\n").append(line);
            continue;
        }
        const double on_clock = clock_offset(e.offset, e.found, clock, here.zone);
        const int m = e.found ? minutes_of_day(on_clock, now.hour, now.minute, second) : kNoMinute;
        out.append("\n").append(e.name).append(" ");
        if (m == kNoMinute) {
            out += w.translate("Almanac", "none within 24 h", "no such event in the coming day");
            continue;
        }
        const std::optional<LocalTime> day =
            e.twice ? place_time_of(astro::ut_julian_day(ctx) + e.offset / 24, clock) : std::nullopt;
        if (day && (day->year != now.year || day->month != now.month || day->day != now.day)) out += w.date(*day) + " ";
        out += w.time(m / 60, m % 60, twelve_hour);
    }
    out += day_length_line(outlook.light, w);
    out += light_lines(outlook.light, clock, twelve_hour, w);
    out.append("\n").append(
        moon_age_line(planets.moon_age, astro::lit_fraction(ctx.moon_phase_angle) * 100, outlook.cycles.phase, w));
    out.append("\n").append(moon_now_line(astro::moon_now(ctx), w));
    for (int k = 0; k < astro::kPrincipalPhaseCount; ++k)
        out.append("\n").append(phase_line(k, phases, outlook.cycles.supermoon_km[k], twelve_hour, w));
    out += cycle_lines(outlook.cycles, clock, twelve_hour, w);
    if (outlook.lunar) out.append("\n").append(lunar_line(*outlook.lunar, clock, twelve_hour, w));
    if (outlook.solar) out.append("\n").append(solar_line(*outlook.solar, clock, twelve_hour, w));
    if (!zone_note.empty()) out.append("\n").append(zone_note);
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
