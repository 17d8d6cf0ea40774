#include "almanac_report.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <utility>
#include <vector>

#include "almanac.h"
#include "local_zone.h"
#include "series.h"

ZoneRule place_zone_rule(double standard_hours, const std::optional<ZoneRules>& rules) {
    if (rules) return [r = *rules](std::time_t t) { return utc_offset_hours(r, t); };
    return [standard_hours](std::time_t t) {
        return standard_offset_hours(t) == standard_hours ? standard_hours + dst_shift_hours(t) : standard_hours;
    };
}

PlaceZone place_zone_of(double standard_hours, const std::string& chosen_zone, std::time_t now) {
    if (!chosen_zone.empty()) return {chosen_zone, chosen_zone == computer_zone_name()};
    if (standard_hours == standard_offset_hours(now)) {
        const std::string computer = computer_zone_name();
        return {computer.empty() ? "local" : computer, true};
    }
    return {utc_offset_name(standard_hours), false};
}

std::string zone_note_of(const PlaceZone& zone) { return zone.computers ? std::string() : "Times at " + zone.name; }

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
std::string iso_time(std::time_t utc, const ZoneRule* zone) {
    const double hours = zone != nullptr ? (*zone)(utc) : 0.0;
    const long offset_s = std::isfinite(hours) && std::fabs(hours) <= 48 ? std::lround(hours * 3600) : 0;
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

std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (const char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') out += std::string("\\") + c;
        else if (u < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", u);
            out += buf;
        } else out += c;
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
std::optional<std::string> when(double jd_ut, const ZoneRule& zone, const char* local_key = "local",
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
};

std::string timed_list(std::vector<Timed> items, const ZoneRule& zone) {
    std::stable_sort(items.begin(), items.end(), [](const Timed& a, const Timed& b) { return a.jd < b.jd; });
    std::vector<std::string> out;
    for (const Timed& t : items)
        if (const auto w = when(t.jd, zone)) out.push_back("{\"kind\": " + quoted(t.kind) + ", " + *w + "}");
    return list(out);
}

std::string coming_events(const Almanac& a, double now) {
    const astro::CalcContext& c = a.ctx;
    const std::pair<double, bool> events[] = {
        {c.sunrise, c.sunrise_found}, {c.sunset, c.sunset_found}, {c.twilight_begin, c.twilight_begin_found},
        {c.twilight_end, c.twilight_end_found}, {c.moonrise, c.moonrise != astro::kNoMoonEvent},
        {c.moonset, c.moonset != astro::kNoMoonEvent}};
    constexpr const char* kKinds[] = {"sunrise", "sunset", "twilight_begin", "twilight_end", "moonrise", "moonset"};
    std::vector<Timed> found;
    for (std::size_t i = 0; i < std::size(events); ++i)
        if (events[i].second) found.push_back({now + events[i].first / 24, kKinds[i]});
    return timed_list(found, a.clock.zone);
}

// "up_all_day", "down_all_day" or null for a body without a rise or a set in the coming day.
std::string all_day(bool no_rise, bool no_set, bool up) {
    if (!no_rise || !no_set) return "null";
    return up ? "\"up_all_day\"" : "\"down_all_day\"";
}

std::string polar(const Almanac& a) {
    const astro::CalcContext& c = a.ctx;
    const bool moon_no_rise = c.moonrise == astro::kNoMoonEvent, moon_no_set = c.moonset == astro::kNoMoonEvent;
    std::vector<Timed> next;
    if (const auto& m = a.outlook.missing) {
        for (const Timed& t : {Timed{m->sunrise, "sunrise"}, Timed{m->sunset, "sunset"},
                               Timed{m->moonrise, "moonrise"}, Timed{m->moonset, "moonset"}})
            if (std::isfinite(t.jd)) next.push_back(t);
    }
    return "{\"sun\": " + all_day(!c.sunrise_found, !c.sunset_found, c.sun_horizon_vector[2] > astro::kSunriseSine) +
           ", \"moon\": " + all_day(moon_no_rise, moon_no_set, c.moon_up_flag > 0) +
           ", \"next\": " + timed_list(next, a.clock.zone) + "}";
}

std::string lunar_eclipse(const Almanac& a) {
    const auto& e = a.outlook.lunar;
    if (!e || e->kind == astro::EclipseKind::kNone) return "null";
    const auto w = when(e->peak, a.clock.zone, "peak_local", "peak_utc");
    if (!w) return "null";
    return "{\"kind\": " + quoted(eclipse_kind_name(e->kind)) + ", " + *w +
           ", \"moon_altitude_deg\": " + number(e->moon_altitude_deg, 2) +
           ", \"moon_up\": " + (e->moon_up ? "true" : "false") + "}";
}

std::string solar_eclipse(const Almanac& a) {
    const auto& e = a.outlook.solar;
    if (!e || e->kind == astro::EclipseKind::kNone) return "null";
    const auto begin = when(e->begin, a.clock.zone, "begin_local", "begin_utc");
    const auto peak = when(e->peak, a.clock.zone, "peak_local", "peak_utc");
    const auto end = when(e->end, a.clock.zone, "end_local", "end_utc");
    if (!begin || !peak || !end) return "null";
    return "{\"kind\": " + quoted(eclipse_kind_name(e->kind)) + ", \"obscuration\": " + number(e->obscuration, 4) +
           ", " + *begin + ", " + *peak + ", " + *end + ", \"sun_altitude_deg\": " + number(e->sun_altitude_deg, 2) +
           "}";
}

}  // namespace

namespace {

// The rules of the zone of a place chosen by name, if there is one.
std::optional<ZoneRules> chosen_zone_rules(const Companion& choices) {
    const std::string chosen = choices.get("place", "zone");
    return chosen.empty() ? std::nullopt : load_zone_rules(chosen);
}

Almanac almanac_with(const CInit& settings, const Companion& choices, const std::optional<ZoneRules>& rules,
                     std::time_t utc) {
    Almanac a;
    const std::string chosen = choices.get("place", "zone");
    a.clock = {utc, place_zone_rule(settings.tz_hours, rules)};
    a.zone = place_zone_of(settings.tz_hours, rules ? chosen : std::string(), utc);
    a.twelve_hour = !choices.twenty_four_hour();
    a.ctx.tz_hours = 0;
    astro::start_at(a.ctx, a.planets, {settings.latitude, settings.longitude, settings.height}, utc_moment(utc));
    a.next = astro::next_principal_phases(astro::ut_julian_day(a.ctx), a.ctx.delta_t);
    a.outlook = eclipses_ahead(a.ctx);
    a.outlook.missing = astro::missing_events(a.ctx);
    return a;
}

}  // namespace

Almanac almanac_at(const CInit& settings, const Companion& choices, std::time_t utc) {
    return almanac_with(settings, choices, chosen_zone_rules(choices), utc);
}

std::string almanac_text(const Almanac& a) {
    const double now = astro::ut_julian_day(a.ctx);
    return glance_text(a.ctx, a.planets, a.clock, phases_ahead(a.next, now, a.clock.zone), a.twelve_hour,
                       zone_note_of(a.zone), a.outlook);
}

std::string almanac_json(const Almanac& a) {
    const double now = astro::ut_julian_day(a.ctx);
    std::vector<Timed> phases;
    constexpr const char* kPhases[] = {"new_moon", "first_quarter", "full_moon", "last_quarter"};
    for (int k = 0; k < astro::kPrincipalPhaseCount; ++k) phases.push_back({a.next.jd_ut[k], kPhases[k]});
    const astro::CalcContext& c = a.ctx;
    return "{\"place\": {\"latitude\": " + number(c.latitude, 4) + ", \"longitude\": " + number(c.longitude, 4) +
           ", \"height\": " + number(c.height, 1) + ", \"zone\": " + quoted(a.zone.name) + "},\n" +
           " \"moment\": {\"local\": " + quoted(iso_time(a.clock.utc, &a.clock.zone)) +
           ", \"utc\": " + quoted(iso_time(a.clock.utc, nullptr)) + "},\n" +
           " \"events\": " + coming_events(a, now) + ",\n" +
           " \"moon\": {\"age_days\": " + number(a.planets.moon_age, 2) +
           ", \"lit_fraction\": " + number(astro::lit_fraction(c.moon_phase_angle), 4) +
           ", \"phase_angle_deg\": " + number(c.moon_phase_angle, 2) + "},\n" +
           " \"phases\": " + timed_list(phases, a.clock.zone) + ",\n" +
           " \"polar\": " + polar(a) + ",\n" +
           " \"lunar_eclipse\": " + lunar_eclipse(a) + ",\n" +
           " \"solar_eclipse\": " + solar_eclipse(a) + "}\n";
}

std::optional<std::time_t> parse_local_moment(const std::string& text, const ZoneRule& zone) {
    constexpr const char* kForm = "dddd-dd-dd dd:dd";
    if (text.size() != std::char_traits<char>::length(kForm)) return std::nullopt;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = std::isdigit(static_cast<unsigned char>(text[i])) != 0;
        if (kForm[i] == 'd' ? !digit : text[i] != kForm[i]) return std::nullopt;
    }
    const auto field = [&text](std::size_t at, std::size_t n) { return std::stoi(text.substr(at, n)); };
    const int y = field(0, 4), mo = field(5, 2), d = field(8, 2), h = field(11, 2), mi = field(14, 2);
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 1 || mo < 1 || mo > 12 || d < 1 || d > kDays[mo - 1] + (mo == 2 && leap) || h > 23 || mi > 59)
        return std::nullopt;
    std::tm t{};
    t.tm_year = y - 1900;
    t.tm_mon = mo - 1;
    t.tm_mday = d;
    t.tm_hour = h;
    t.tm_min = mi;
    const std::time_t as_utc = timegm(&t);
    // The offset in force at the instant: found from the offset at the reading taken as UTC.
    const auto offset_s = [&zone](std::time_t at) {
        const double hours = zone(at);
        return std::isfinite(hours) && std::fabs(hours) <= 48 ? static_cast<std::time_t>(std::lround(hours * 3600)) : 0;
    };
    const std::time_t first = as_utc - offset_s(as_utc);
    return as_utc - offset_s(first);
}

int print_almanac(const std::string& settings_file, bool json, const std::optional<std::string>& at, std::FILE* out,
                  std::FILE* err) {
    CInit settings{};
    const std::time_t now = std::time(nullptr);
    if (!std::filesystem::exists(settings_file)) {
        first_start_settings(settings, computer_zone_name(), standard_offset_hours(now));
    } else if (const std::string note = load_settings(settings, settings_file); !note.empty()) {
        std::fprintf(err, "orbalis: %s\n", note.c_str());
    }
    const Companion choices = Companion::load(Companion::path_beside(settings_file));
    const std::optional<ZoneRules> rules = chosen_zone_rules(choices);
    std::time_t moment = now;
    if (at) {
        const std::optional<std::time_t> t = parse_local_moment(*at, place_zone_rule(settings.tz_hours, rules));
        if (!t) {
            std::string said = *at;  // one line, whatever was passed
            std::replace_if(said.begin(), said.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, '?');
            std::fprintf(err, "orbalis: --at wants a local date and time as \"YYYY-MM-DD HH:MM\", not \"%s\"\n",
                         said.c_str());
            return 2;
        }
        moment = *t;
    }
    const Almanac a = almanac_with(settings, choices, rules, moment);
    const std::string text = json ? almanac_json(a) : almanac_text(a) + "\n";
    std::fputs(text.c_str(), out);
    return std::fflush(out) == 0 ? 0 : 1;
}
