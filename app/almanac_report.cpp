#include "almanac_report.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

#include "choices.h"
#include "eclipses.h"
#include "first_start.h"
#include "next_crossing.h"
#include "places.h"
#include "sun_bands.h"
#include "series.h"

std::string zone_note(const PlaceZone& zone, std::time_t utc, const Wording& words) {
    if (zone.computers(utc)) return {};
    return fill(words.translate("Almanac", "Times at %1", "a time zone's name or offset"), {zone.name(utc)});
}

namespace {

// The engine works on the instant itself: the UTC reading, zone 0.
astro::CivilMoment utc_moment(std::time_t t) {
    std::tm u{};
    gmtime_r(&t, &u);
    return {u.tm_year + 1900, u.tm_mon + 1, u.tm_mday, u.tm_hour, u.tm_min, u.tm_sec};
}

std::string two(int v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

// "2026-12-09T17:05:23+09:00" on the place's clock, "2026-12-09T08:05:23Z" for UTC.
std::string iso_time(std::time_t utc, const PlaceZone* zone) {
    const long offset_s = zone != nullptr ? zone_seconds(zone->offset_hours(utc)) : 0;
    const std::time_t local = utc + offset_s;
    std::tm t{};
    gmtime_r(&local, &t);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                  t.tm_hour, t.tm_min, t.tm_sec);
    std::string out = buf;
    if (zone == nullptr) return out + "Z";
    const long a = std::labs(offset_s) / 60;
    return out + (offset_s < 0 ? "-" : "+") + two(static_cast<int>(a / 60)) + ":" + two(static_cast<int>(a % 60));
}

// A JSON string; a byte that is not UTF-8 (a zone name from an odd TZ) is U+FFFD, so the
// document stays valid.
std::string quoted(const std::string& s) {
    constexpr const char* kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8
    std::string out = "\"";
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t start = i;
        if (!places::decode_code_point(s, i)) {
            out += kReplacement;
            ++i;
            continue;
        }
        const char c = s[start];
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') out += std::string("\\") + c;
        else if (u < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", u);
            out += buf;
        } else out.append(s, start, i - start);
    }
    return out + "\"";
}

// A JSON number with a point whatever the locale, or null.
std::string number(double v, int decimals) {
    if (!std::isfinite(v)) return "null";
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    return end.ec == std::errc() ? std::string(buf, end.ptr) : "null";
}

// An instant as "local" and "utc" members, or nothing for one outside the calendar.
std::optional<std::string> when(double jd_ut, const PlaceZone& zone, const char* local_key = "local",
                                const char* utc_key = "utc") {
    const std::optional<std::time_t> t = astro::unix_time_of(jd_ut + 0.5 / astro::kSecondsPerDay);
    if (!t) return std::nullopt;
    return quoted(local_key) + ": " + quoted(iso_time(*t, &zone)) + ", " + quoted(utc_key) + ": " +
           quoted(iso_time(*t, nullptr));
}

std::string list(const std::vector<std::string>& items) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) out += (i ? ", " : "") + items[i];
    return out + "]";
}

struct Timed {
    double jd;
    const char* kind;
    std::string more = {};  // further members, ", "-led
};

std::string timed_list(std::vector<Timed> items, const PlaceZone& zone) {
    std::stable_sort(items.begin(), items.end(), [](const Timed& a, const Timed& b) { return a.jd < b.jd; });
    std::vector<std::string> out;
    for (const Timed& t : items)
        if (const auto w = when(t.jd, zone)) out.push_back("{\"kind\": " + quoted(t.kind) + ", " + *w + t.more + "}");
    return list(out);
}

std::string coming_events(const astro::CalcContext& c, astro::Twilight twilight, const PlaceZone& zone, double now) {
    constexpr const char* kKinds[astro::kDayEventCount] = {"sunrise",      "sunset",   "twilight_begin",
                                                           "twilight_end", "moonrise", "moonset"};
    std::vector<Timed> found;
    for (int i = 0; i < astro::kDayEventCount; ++i) {
        const astro::EventTime e = astro::day_event(c, static_cast<astro::DayEvent>(i));
        if (!e.found) continue;
        const auto kind = static_cast<astro::DayEvent>(i);
        const bool twilight_event = kind == astro::DayEvent::kTwilightBegin || kind == astro::DayEvent::kTwilightEnd;
        const std::string more =
            twilight_event ? ", \"twilight\": " + quoted(twilight_name(twilight)) +
                                 ", \"depression_deg\": " + number(astro::twilight_depression_deg(twilight), 0)
                           : std::string();
        found.push_back({now + e.hours / 24, kKinds[i], more});
        if (std::isfinite(e.first_hours)) found.push_back({now + e.first_hours / 24, kKinds[i], more});  // twice
    }
    return timed_list(found, zone);
}

// "up_all_day", "down_all_day" or null for a body without a rise or a set in the coming day.
std::string all_day(bool no_rise, bool no_set, bool up) {
    if (!no_rise || !no_set) return "null";
    return up ? "\"up_all_day\"" : "\"down_all_day\"";
}

std::string polar(const astro::CalcContext& c, const Outlook& outlook, const PlaceZone& zone) {
    const auto lacks = [&c](astro::DayEvent e) { return !astro::day_event(c, e).found; };
    std::vector<Timed> next;
    if (const auto& m = outlook.missing) {
        for (const Timed& t : {Timed{m->sunrise, "sunrise"}, Timed{m->sunset, "sunset"},
                               Timed{m->moonrise, "moonrise"}, Timed{m->moonset, "moonset"}})
            if (std::isfinite(t.jd)) next.push_back(t);
    }
    using astro::DayEvent;
    return "{\"sun\": " + all_day(lacks(DayEvent::kSunrise), lacks(DayEvent::kSunset),
                                  c.sun_horizon_vector[2] > astro::kSunriseSine) +
           ", \"moon\": " + all_day(lacks(DayEvent::kMoonrise), lacks(DayEvent::kMoonset), c.moon_up_flag > 0) +
           ", \"next\": " + timed_list(next, zone) + "}";
}

std::string lunar_eclipse(const Outlook& outlook, const PlaceZone& zone) {
    const auto& e = outlook.lunar;
    if (!e || e->kind == astro::EclipseKind::kNone) return "null";
    const auto w = when(e->peak, zone, "peak_local", "peak_utc");
    if (!w) return "null";
    return "{\"kind\": " + quoted(eclipse_kind_name(e->kind)) + ", " + *w +
           ", \"moon_altitude_deg\": " + number(e->moon_altitude_deg, 2) +
           ", \"moon_up\": " + (e->moon_up ? "true" : "false") + "}";
}

std::string solar_eclipse(const Outlook& outlook, const PlaceZone& zone) {
    const auto& e = outlook.solar;
    if (!e || e->kind == astro::EclipseKind::kNone) return "null";
    const auto begin = when(e->begin, zone, "begin_local", "begin_utc");
    const auto peak = when(e->peak, zone, "peak_local", "peak_utc");
    const auto end = when(e->end, zone, "end_local", "end_utc");
    if (!begin || !peak || !end) return "null";
    return "{\"kind\": " + quoted(eclipse_kind_name(e->kind)) + ", \"obscuration\": " + number(e->obscuration, 4) +
           ", " + *begin + ", " + *peak + ", " + *end + ", \"sun_altitude_deg\": " + number(e->sun_altitude_deg, 2) +
           "}";
}

// Golden or blue hours: [{"period", "begin_local", "begin_utc", "end_local", "end_utc"}], an
// end beyond the search null.
std::string spans(const std::vector<LightSpan>& list_of, const PlaceZone& zone) {
    std::vector<std::string> out;
    for (const LightSpan& s : list_of) {
        const auto begin = when(s.begin, zone, "begin_local", "begin_utc");
        const auto end = when(s.end, zone, "end_local", "end_utc");
        out.push_back(std::string("{\"period\": ") + (s.morning ? "\"morning\"" : "\"evening\"") + ", " +
                      begin.value_or("\"begin_local\": null, \"begin_utc\": null") + ", " +
                      end.value_or("\"end_local\": null, \"end_utc\": null") + "}");
    }
    return list(out);
}

std::string day_length(const DayLight& light) {
    return "{\"seconds\": " + number(light.today_s, 0) +
           ", \"change_seconds\": " + number(light.today_s - light.yesterday_s, 0) + "}";
}

std::string seasons(const YearAndMonth& c, const PlaceZone& zone) {
    constexpr const char* kKinds[] = {"march_equinox", "june_solstice", "september_equinox", "december_solstice"};
    std::vector<Timed> items;
    for (const astro::Season& s : c.seasons) items.push_back({s.jd_ut, kKinds[static_cast<int>(s.kind)]});
    return timed_list(items, zone);
}

// The next perigee and apogee; a perigee that makes a new or full moon a supermoon says so.
std::string apsides(const YearAndMonth& c, const astro::NextPhases& next, const PlaceZone& zone) {
    if (!c.apsides) return "[]";
    bool super = false;
    for (int k = 0; k < astro::kPrincipalPhaseCount; ++k)
        super = super || (std::isfinite(c.supermoon_km[k]) &&
                          std::fabs(next.jd_ut[k] - c.apsides->perigee.jd_ut) <= astro::kSupermoonWithinDays);
    const auto more = [](const astro::Apsis& a, bool supermoon) {
        return ", \"distance_km\": " + number(a.distance_km, 0) + ", \"supermoon\": " + (supermoon ? "true" : "false");
    };
    return timed_list({{c.apsides->perigee.jd_ut, "perigee", more(c.apsides->perigee, super)},
                       {c.apsides->apogee.jd_ut, "apogee", more(c.apsides->apogee, false)}},
                      zone);
}

std::string phase_key(const std::optional<astro::PhaseName>& p) {
    if (!p) return "null";
    std::string name = phase_name_text(*p);
    std::replace(name.begin(), name.end(), ' ', '_');
    return quoted(name);
}

// Whether the eclipses found are out of date at now_jd_ut: one of them has passed (an
// eclipse in progress stays until it ends).
bool eclipses_passed(const Outlook& o, double now_jd_ut) {
    const bool lunar = o.lunar && o.lunar->kind != astro::EclipseKind::kNone && !(o.lunar->peak > now_jd_ut);
    const bool solar = o.solar && o.solar->kind != astro::EclipseKind::kNone && !(o.solar->end > now_jd_ut);
    return lunar || solar;
}

// The events the coming day lacks, one bit each.
int lacking_events(const astro::CalcContext& c) {
    using astro::DayEvent;
    int lacking = 0;
    for (const DayEvent e : {DayEvent::kSunrise, DayEvent::kSunset, DayEvent::kMoonrise, DayEvent::kMoonset})
        lacking = lacking * 2 + (astro::day_event(c, e).found ? 0 : 1);
    return lacking;
}

}  // namespace

void Almanac::start(const astro::Place& place, const PlaceZone& place_zone, std::time_t at) {
    zone = place_zone;
    utc = at;
    ctx.tz_hours = 0;
    astro::start_at(ctx, planets, place, utc_moment(utc));
    search_phases();
    search_ahead();
    search_light();
}

void Almanac::set_twilight(astro::Twilight kind) {
    ctx.twilight_sine = astro::twilight_sine(kind);
    outlook.twilight = kind;
}

void Almanac::advance(std::time_t at) {
    utc = at;
    ctx.tz_hours = 0;
    astro::minute_pass(ctx, planets, utc_moment(utc));
    const double now = astro::ut_julian_day(ctx);
    if (!(*std::min_element(std::begin(next.jd_ut), std::end(next.jd_ut)) > now))  // NaN counts as passed
        search_phases();
    if (outlook_day != static_cast<int>(std::floor(now)) || outlook_lacking != lacking_events(ctx) ||
        eclipses_passed(outlook, now) || cycles_out_of_date(now))
        search_ahead();
    if (light_out_of_date(now)) search_light();
    outlook.cycles.phase = astro::phase_name(now, ctx.moon_phase_angle, around);
}

// The next principal phases, those around now for the phase's name, and which of the new
// and full moons are supermoons.
void Almanac::search_phases() {
    const double now = astro::ut_julian_day(ctx);
    next = astro::next_principal_phases(now, ctx.delta_t);
    around = astro::next_principal_phases(now - astro::kPhaseAroundDays, ctx.delta_t);
    outlook.cycles.phase = astro::phase_name(now, ctx.moon_phase_angle, around);
    for (int k = 0; k < astro::kPrincipalPhaseCount; ++k) {
        outlook.cycles.supermoon_km[k] = NAN;
        if (k != astro::kNewMoon && k != astro::kFullMoon) continue;
        const astro::Apsis p = astro::next_apsides(next.jd_ut[k] - astro::kSupermoonWithinDays, ctx.delta_t).perigee;
        if (std::fabs(p.jd_ut - next.jd_ut[k]) <= astro::kSupermoonWithinDays && p.distance_km < astro::kSupermoonKm)
            outlook.cycles.supermoon_km[k] = p.distance_km;
    }
}

void Almanac::search_ahead() {
    const double now = astro::ut_julian_day(ctx);
    outlook.missing = astro::missing_events(ctx);
    outlook.lunar = astro::next_lunar_eclipse(ctx);
    outlook.solar = astro::next_solar_eclipse(ctx);
    outlook.cycles.apsides = astro::next_apsides(now, ctx.delta_t);
    outlook.cycles.seasons.clear();
    for (double from = now; outlook.cycles.seasons.size() < astro::kSeasonStarts;) {
        outlook.cycles.seasons.push_back(astro::next_season(from));
        from = outlook.cycles.seasons.back().jd_ut;
    }
    outlook_day = static_cast<int>(std::floor(now));
    outlook_lacking = lacking_events(ctx);
}

namespace {

constexpr double kLightBeforeHours = 3;  // a golden hour that began a little before now is told whole
constexpr long kSecondsPerDay = 86400;

// The place's day now, counted from 1970, and the seconds since its midnight.
std::pair<long, long> place_day(std::time_t utc, const PlaceZone& zone) {
    const double offset = zone.offset_hours(utc);
    const long local = static_cast<long>(utc) + (usable_zone_hours(offset) ? std::lround(offset * 3600) : 0);
    const long day = local >= 0 ? local / kSecondsPerDay : -((-local - 1) / kSecondsPerDay) - 1;
    return {day, local - day * kSecondsPerDay};
}

std::vector<LightSpan> light_spans(const astro::CalcContext& c, double low_deg, double high_deg) {
    const double now = astro::ut_julian_day(c);
    std::vector<LightSpan> out;
    for (const astro::SunSpan& s : astro::sun_spans(c, low_deg, high_deg, -kLightBeforeHours, astro::kEventSteps))
        if (!s.ends || s.end_hours > 0)  // not one that has ended
            out.push_back(
                {s.begins ? now + s.begin_hours / 24 : NAN, s.ends ? now + s.end_hours / 24 : NAN, s.morning});
    return out;
}

}  // namespace

// Golden and blue hours from a little before now to a day ahead; the daylight of the place's
// today and yesterday, midnight to midnight.
void Almanac::search_light() {
    const auto [day, since_midnight] = place_day(utc, zone);
    const double midnight = -since_midnight / 3600.0;
    outlook.light = {
        light_spans(ctx, astro::kGoldenHourLowDeg, astro::geometric_altitude_deg(astro::kGoldenHourHighDeg)),
        light_spans(ctx, astro::kBlueHourLowDeg, astro::kGoldenHourLowDeg),
        astro::daylight_seconds(ctx, midnight, midnight + 24), astro::daylight_seconds(ctx, midnight - 24, midnight)};
    light_day = day;
}

// Out of date on a new day on the place's calendar, or once a span told has ended.
bool Almanac::light_out_of_date(double now) const {
    if (place_day(utc, zone).first != light_day) return true;
    for (const auto* spans : {&outlook.light.golden, &outlook.light.blue})
        for (const LightSpan& s : *spans)
            if (s.end < now) return true;
    return false;
}

// Once the perigee, the apogee or the equinox or solstice found has passed.
bool Almanac::cycles_out_of_date(double now) const {
    const YearAndMonth& c = outlook.cycles;
    const bool apsis_passed = c.apsides && !(std::min(c.apsides->perigee.jd_ut, c.apsides->apogee.jd_ut) > now);
    return apsis_passed || c.seasons.empty() || !(c.seasons.front().jd_ut > now);
}

astro::Twilight twilight_of(const Choices& choices) {
    for (int k = 0; k < astro::kTwilightKinds; ++k)
        if (choices.twilight() == twilight_name(static_cast<astro::Twilight>(k)))
            return static_cast<astro::Twilight>(k);
    return astro::Twilight::kAstronomical;
}

PlaceNaming naming_of(const Choices& choices) {
    const std::optional<PlaceChoice> place = choices.place();
    if (!place) return {};
    return {place->name, choices.place_from_zone() ? PlaceNaming::By::kZone : PlaceNaming::By::kName};
}

std::string Almanac::text(bool twelve_hour) const {
    const double now = astro::ut_julian_day(ctx);
    const std::string glance = glance_text(ctx, planets, clock(), phases_ahead(next, now, zone), twelve_hour,
                                           zone_note(zone, utc, words), outlook, words);
    if (naming.by != PlaceNaming::By::kZone) return glance;
    return fill(words.translate("Almanac", "%1 \u2014 from your time zone; choose yours in Info\u2026",
                                "a place's name; the first start's place, taken from the computer's time zone"),
                {naming.name}) +
           "\n" + glance;
}

std::vector<Remindable> Almanac::remindable() const {
    std::vector<Remindable> out;
    const auto add = [&out](const char* kind, double jd_ut) {
        if (const std::optional<std::time_t> t = astro::unix_time_of(jd_ut)) out.push_back({kind, *t});
    };
    const double now = astro::ut_julian_day(ctx);
    for (const auto& [event, kind] :
         {std::pair{astro::DayEvent::kSunrise, "sunrise"}, std::pair{astro::DayEvent::kSunset, "sunset"}}) {
        const astro::EventTime e = astro::day_event(ctx, event);
        if (!e.found) continue;
        add(kind, now + e.hours / 24);
        if (std::isfinite(e.first_hours)) add(kind, now + e.first_hours / 24);
    }
    for (const LightSpan& s : outlook.light.golden)
        if (std::isfinite(s.begin)) add("golden_hour", s.begin);
    add("full_moon", next.jd_ut[astro::kFullMoon]);
    add("new_moon", next.jd_ut[astro::kNewMoon]);
    if (outlook.lunar && outlook.lunar->kind != astro::EclipseKind::kNone && outlook.lunar->moon_up)
        add("eclipse", outlook.lunar->peak);
    if (outlook.solar && outlook.solar->kind != astro::EclipseKind::kNone) add("eclipse", outlook.solar->begin);
    return out;
}

DisplayTexts Almanac::display_texts() const { return build_display_texts(ctx, planets, clock()); }

std::string Almanac::json() const {
    constexpr const char* kChosenBy[] = {"by hand", "by name", "time zone"};
    const double now = astro::ut_julian_day(ctx);
    std::vector<Timed> phases;
    constexpr const char* kPhases[] = {"new_moon", "first_quarter", "full_moon", "last_quarter"};
    for (int k = 0; k < astro::kPrincipalPhaseCount; ++k) phases.push_back({next.jd_ut[k], kPhases[k]});
    const astro::CalcContext& c = ctx;
    const astro::MoonNow moon = astro::moon_now(c);
    return "{\"place\": {\"latitude\": " + number(c.latitude, 4) + ", \"longitude\": " + number(c.longitude, 4) +
           ", \"height\": " + number(c.height, 1) + ", \"zone\": " + quoted(zone.name(utc)) +
           ", \"name\": " + (naming.name.empty() ? std::string("null") : quoted(naming.name)) +
           ", \"chosen\": " + quoted(kChosenBy[static_cast<int>(naming.by)]) + "},\n" +
           " \"moment\": {\"local\": " + quoted(iso_time(utc, &zone)) +
           ", \"utc\": " + quoted(iso_time(utc, nullptr)) + "},\n" +
           " \"events\": " + coming_events(c, outlook.twilight, zone, now) + ",\n" +
           " \"golden_hour\": " + spans(outlook.light.golden, zone) + ",\n" +
           " \"blue_hour\": " + spans(outlook.light.blue, zone) + ",\n" +
           " \"day_length\": " + day_length(outlook.light) + ",\n" +
           " \"moon\": {\"age_days\": " + number(now - astro::previous_new_moon(now, c.delta_t), 3) +
           ", \"lit_fraction\": " + number(astro::lit_fraction(c.moon_phase_angle), 4) +
           ", \"phase_angle_deg\": " + number(c.moon_phase_angle, 2) +
           ", \"phase_name\": " + phase_key(outlook.cycles.phase) +
           ", \"altitude_deg\": " + number(moon.altitude_deg, 2) + ", \"azimuth_deg\": " + number(moon.azimuth_deg, 2) +
           ", \"distance_km\": " + number(moon.distance_km, 0) + "},\n" +
           " \"phases\": " + timed_list(phases, zone) + ",\n" +
           " \"seasons\": " + seasons(outlook.cycles, zone) + ",\n" +
           " \"apsides\": " + apsides(outlook.cycles, next, zone) + ",\n" +
           " \"polar\": " + polar(c, outlook, zone) + ",\n" +
           " \"lunar_eclipse\": " + lunar_eclipse(outlook, zone) + ",\n" +
           " \"solar_eclipse\": " + solar_eclipse(outlook, zone) + "}\n";
}

Almanac almanac_of(const CInit& settings, const PlaceZone& zone, std::time_t utc) {
    Almanac a;
    a.start(place_of(settings), zone, utc);
    return a;
}

namespace {

// The reading's fields, and its offset where the text names one ("Z", "+05:30").
struct Reading {
    int year, month, day, hour, minute, second;
    std::optional<long> offset_s;
};

// "dddd-dd-dd dd:dd" and the ISO 8601 forms --json prints: a "T" for the blank, seconds,
// and "Z" or "+hh:mm" / "-hh:mm" after them. Nothing for any other text.
std::optional<Reading> read_moment(const std::string& text) {
    const auto digits = [&text](std::size_t at, std::size_t n) -> std::optional<int> {
        if (at + n > text.size()) return std::nullopt;
        int v = 0;
        for (std::size_t i = at; i < at + n; ++i) {
            if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
            v = v * 10 + (text[i] - '0');
        }
        return v;
    };
    const auto is = [&text](std::size_t at, const char* any) {
        return at < text.size() && std::char_traits<char>::find(any, std::strlen(any), text[at]) != nullptr;
    };
    const auto y = digits(0, 4), mo = digits(5, 2), d = digits(8, 2), h = digits(11, 2), mi = digits(14, 2);
    if (!y || !mo || !d || !h || !mi || !is(4, "-") || !is(7, "-") || !is(10, " T") || !is(13, ":"))
        return std::nullopt;
    Reading r{*y, *mo, *d, *h, *mi, 0, std::nullopt};
    std::size_t at = 16;
    if (is(at, ":")) {
        const auto sec = digits(at + 1, 2);
        if (!sec) return std::nullopt;
        r.second = *sec;
        at += 3;
    }
    if (is(at, "Z")) {
        r.offset_s = 0;
        ++at;
    } else if (is(at, "+-")) {
        const auto oh = digits(at + 1, 2), om = digits(at + 4, 2);
        if (!oh || !is(at + 3, ":") || !om || *oh > 23 || *om > 59) return std::nullopt;
        r.offset_s = (text[at] == '-' ? -1 : 1) * (*oh * 3600L + *om * 60L);
        at += 6;
    }
    if (at != text.size()) return std::nullopt;
    const bool leap = (r.year % 4 == 0 && r.year % 100 != 0) || r.year % 400 == 0;
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (r.year < 1 || r.month < 1 || r.month > 12 || r.day < 1 || r.day > kDays[r.month - 1] + (r.month == 2 && leap) ||
        r.hour > 23 || r.minute > 59 || r.second > 59)
        return std::nullopt;
    return r;
}

}  // namespace

// A reading on the place's clock is the instant whose offset makes it so. Around a change
// the zone has two offsets, the one in force a day before and the one a day after: a
// reading both make (a repeated hour) is its first occurrence; one that neither makes (a
// skipped hour) is read on the offset before the change, as Python's zoneinfo and
// java.time read them.
std::optional<std::time_t> parse_local_moment(const std::string& text, const PlaceZone& zone) {
    const std::optional<Reading> r = read_moment(text);
    if (!r) return std::nullopt;
    std::tm t{};
    t.tm_year = r->year - 1900;
    t.tm_mon = r->month - 1;
    t.tm_mday = r->day;
    t.tm_hour = r->hour;
    t.tm_min = r->minute;
    t.tm_sec = r->second;
    const std::time_t as_utc = timegm(&t);
    if (r->offset_s) return as_utc - *r->offset_s;
    const auto offset_s = [&zone](std::time_t at) {
        return static_cast<std::time_t>(zone_seconds(zone.offset_hours(at)));
    };
    constexpr std::time_t kDay = 86400;
    const std::time_t before = offset_s(as_utc - kDay), after = offset_s(as_utc + kDay);
    const std::time_t on_before = as_utc - before, on_after = as_utc - after;
    const bool before_makes_it = offset_s(on_before) == before, after_makes_it = offset_s(on_after) == after;
    if (before_makes_it && after_makes_it) return std::min(on_before, on_after);
    if (after_makes_it) return on_after;
    return on_before;
}

int print_almanac(const std::string& settings_file, bool json, const std::optional<std::string>& at, std::FILE* out,
                  std::FILE* err, const Wording& words, bool locale_twelve_hour) {
    CInit settings{};
    const std::time_t now = std::time(nullptr);
    const LoadedSettings loaded = load_or_first_start(settings, settings_file, now);
    if (!loaded.note.empty()) std::fprintf(err, "orbalis: %s\n", one_line(loaded.note).c_str());
    const Choices choices(settings_file);
    const std::optional<PlaceChoice> first_place = loaded.first_place;
    const PlaceZone zone =
        PlaceZone::of_settings(settings.tz_hours, first_place ? first_place->zone : choices.place_zone());
    std::time_t moment = now;
    if (at) {
        const std::optional<std::time_t> t = parse_local_moment(*at, zone);
        if (!t) {
            const std::string said = one_line(*at);
            const std::string message = words.translate(
                "CommandLine", "orbalis: --at wants a date and time as \"YYYY-MM-DD HH:MM\" on the place's clock, or "
                               "in ISO 8601 (\"YYYY-MM-DDTHH:MM[:SS][Z|+HH:MM]\"), not \"%1\"");
            std::fprintf(err, "%s\n", fill(message, {said}).c_str());
            return 2;
        }
        moment = *t;
    }
    Almanac a;
    a.set_wording(words);
    a.set_twilight(twilight_of(choices));
    a.start(place_of(settings), zone, moment);
    a.set_naming(first_place ? PlaceNaming{first_place->name, PlaceNaming::By::kZone} : naming_of(choices));
    const bool twelve_hour = choices.dial_chosen() ? !choices.twenty_four_hour() : locale_twelve_hour;
    const std::string text = json ? a.json() : a.text(twelve_hour) + "\n";
    std::fputs(text.c_str(), out);
    return std::fflush(out) == 0 ? 0 : 1;
}
