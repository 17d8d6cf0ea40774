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
    if (!std::isfinite(t) || std::fabs(t) > 48) return kNoMinute;
    return static_cast<int>(std::trunc(astro::floor_mod(t, 24.0) * 60 + kMinuteTolerance)) % (24 * 60);
}

enum class EventKind { kSunrise, kSunset, kTwilightBegin, kTwilightEnd, kMoonrise, kMoonset };

struct ComingEvent {
    const char* name;
    double offset;  // hours after now
    bool found;
    EventKind kind;
};

constexpr double kMostZoneHours = 48;

bool usable_zone(double hours) { return std::isfinite(hours) && std::fabs(hours) <= kMostZoneHours; }

// The place's clock now, to the second.
struct LocalNow {
    LocalTime t;
    int second;
    double zone;  // hours
};

LocalNow local_now(const PlaceClock& c) {
    double zone = c.zone(c.utc);
    if (!usable_zone(zone)) zone = 0;
    const std::time_t t = c.utc + static_cast<std::time_t>(std::lround(zone * 3600));
    std::tm tm{};
    gmtime_r(&t, &tm);
    return {{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min}, tm.tm_sec, zone};
}

// An event's offset from now on the place's clock: its offset in time, plus the change of
// the zone's offset between now and then (a daylight-saving change in between).
double clock_offset(double offset, bool found, const PlaceClock& c, double zone_now) {
    constexpr double kMostOffsetHours = 48;
    if (!found || !std::isfinite(offset) || std::fabs(offset) > kMostOffsetHours) return offset;
    const double then = c.zone(c.utc + static_cast<std::time_t>(std::floor(offset * 3600)));
    return usable_zone(then) ? offset + (then - zone_now) : offset;
}

}  // namespace

std::string utc_offset_name(double hours) {
    if (!usable_zone(hours)) return "UTC";
    const long minutes = std::lround(hours * 60);
    if (minutes == 0) return "UTC";
    const long a = std::labs(minutes);
    std::string out = std::string("UTC") + (minutes < 0 ? "-" : "+") + std::to_string(a / 60);
    if (a % 60 != 0) out.append(":").append(two_digits(static_cast<int>(a % 60)));
    return out;
}

PhasesAhead phases_ahead(const astro::NextPhases& next, double now_jd_ut, const ZoneRule& zone) {
    PhasesAhead ahead{};
    for (int k = 0; k < astro::kPrincipalPhaseCount; ++k) {
        const double jd = next.jd_ut[k];
        const std::optional<std::time_t> at = astro::unix_time_of(jd);
        ahead.when[k] = at ? local_time_of(jd, zone(*at)) : std::nullopt;
        ahead.days[k] = jd - now_jd_ut;
    }
    return ahead;
}

std::optional<LocalTime> local_time_of(double jd_ut, double tz_hours) {
    const std::optional<std::time_t> utc = astro::unix_time_of(jd_ut);
    if (!utc || !usable_zone(tz_hours)) return std::nullopt;
    const std::time_t t = *utc + static_cast<std::time_t>(std::floor(tz_hours * 3600));
    std::tm tm{};
    if (gmtime_r(&t, &tm) == nullptr) return std::nullopt;
    return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min};
}

namespace {

// The place's local time of a UT Julian day, on the zone's offset at that instant.
std::optional<LocalTime> place_time_of(double jd_ut, const PlaceClock& clock) {
    const std::optional<std::time_t> at = astro::unix_time_of(jd_ut);
    return at ? local_time_of(jd_ut, clock.zone(*at)) : std::nullopt;
}

// "15 Jan 11:52" (or "15 Jan 11:52 am").
std::string day_and_time(const LocalTime& t, bool twelve_hour) {
    constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return std::to_string(t.day) + " " + kMonths[(t.month - 1) % 12] + " " + clock_time(t.hour, t.minute, twelve_hour);
}

// A body without a rise or a set in the coming day: one line for a day with neither ("Sun
// down all day: rises 15 Jan 11:52"), said at the rise's place in the list, or one for the
// event it lacks ("No moonset today: 10 Jan 01:12"). Empty for the set when the rise's line
// says both.
std::string absence_line(const ComingEvent& e, const astro::CalcContext& ctx, const astro::MissingEvents& next,
                         const PlaceClock& clock, bool twelve_hour) {
    const bool sun = e.kind == EventKind::kSunrise || e.kind == EventKind::kSunset;
    const bool rise = e.kind == EventKind::kSunrise || e.kind == EventKind::kMoonrise;
    const bool no_rise = sun ? !ctx.sunrise_found : ctx.moonrise == astro::kNoMoonEvent;
    const bool no_set = sun ? !ctx.sunset_found : ctx.moonset == astro::kNoMoonEvent;
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
    return t ? std::string("No ") + word + " today: " + day_and_time(*t, twelve_hour)
             : std::string("No ") + word + within;
}

std::string capitalised(std::string s) {
    if (!s.empty()) s[0] = static_cast<char>(s[0] - 'a' + 'A');
    return s;
}

// "Total lunar eclipse 2026-03-03 12:33, Moon up here".
std::string lunar_line(const astro::LunarEclipse& e, const PlaceClock& clock, bool twelve_hour) {
    const std::optional<LocalTime> t = place_time_of(e.peak, clock);
    if (e.kind == astro::EclipseKind::kNone || !t) return "No lunar eclipse within two years";
    return capitalised(eclipse_kind_name(e.kind)) + " lunar eclipse " + date_of(*t) + " " +
           clock_time(t->hour, t->minute, twelve_hour) + (e.moon_up ? ", Moon up here" : ", Moon below the horizon here");
}

// "Partial solar eclipse 2026-08-12 20:13, 91% covered, 19:17 to 21:06".
std::string solar_line(const astro::SolarEclipse& e, const PlaceClock& clock, bool twelve_hour) {
    const std::optional<LocalTime> begin = place_time_of(e.begin, clock), peak = place_time_of(e.peak, clock),
                                   end = place_time_of(e.end, clock);
    if (e.kind == astro::EclipseKind::kNone || !begin || !peak || !end) return "No solar eclipse seen here within two years";
    // Only a total eclipse covers it all: a deep partial one is not rounded up to 100%.
    const long covered = e.kind == astro::EclipseKind::kTotal ? 100 : std::min(99L, std::lround(e.obscuration * 100));
    const std::string share = covered < 1 ? "under 1%" : std::to_string(covered) + "%";  // a graze
    return capitalised(eclipse_kind_name(e.kind)) + " solar eclipse " + date_of(*peak) + " " +
           clock_time(peak->hour, peak->minute, twelve_hour) + ", " + share + " covered, " +
           clock_time(begin->hour, begin->minute, twelve_hour) + " to " + clock_time(end->hour, end->minute, twelve_hour);
}

}  // namespace

const char* eclipse_kind_name(astro::EclipseKind kind) {
    constexpr const char* kNames[] = {"none", "penumbral", "partial", "annular", "total"};
    return kNames[static_cast<int>(kind)];
}

Outlook eclipses_ahead(const astro::CalcContext& ctx) {
    return {std::nullopt, astro::next_lunar_eclipse(ctx), astro::next_solar_eclipse(ctx)};
}

bool eclipses_passed(const Outlook& o, double now_jd_ut) {
    const bool lunar = o.lunar && o.lunar->kind != astro::EclipseKind::kNone && !(o.lunar->peak > now_jd_ut);
    const bool solar = o.solar && o.solar->kind != astro::EclipseKind::kNone && !(o.solar->end > now_jd_ut);
    return lunar || solar;
}

std::string glance_text(const astro::CalcContext& ctx, const astro::CPlnt_Data& planets, const PlaceClock& clock,
                        const PhasesAhead& phases, bool twelve_hour, const std::string& zone_note,
                        const Outlook& outlook) {
    const LocalNow here = local_now(clock);
    const LocalTime& now = here.t;
    const int second = here.second;
    ComingEvent events[] = {
        {"Sunrise", ctx.sunrise, ctx.sunrise_found, EventKind::kSunrise},
        {"Sunset", ctx.sunset, ctx.sunset_found, EventKind::kSunset},
        {"Twilight begins", ctx.twilight_begin, ctx.twilight_begin_found, EventKind::kTwilightBegin},
        {"Twilight ends", ctx.twilight_end, ctx.twilight_end_found, EventKind::kTwilightEnd},
        {"Moonrise", ctx.moonrise, ctx.moonrise != astro::kNoMoonEvent, EventKind::kMoonrise},
        {"Moonset", ctx.moonset, ctx.moonset != astro::kNoMoonEvent, EventKind::kMoonset},
    };
    std::stable_sort(std::begin(events), std::end(events), [](const ComingEvent& a, const ComingEvent& b) {
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
        out += m != kNoMinute ? clock_time(m / 60, m % 60, twelve_hour) : kNone;
    }
    const double lit = astro::lit_fraction(ctx.moon_phase_angle) * 100;
    char moon[64];
    std::snprintf(moon, sizeof moon, "\nMoon %s days old, %d%% lit", shortest_decimal(planets.moon_age).c_str(),
                  static_cast<int>(std::lround(std::clamp(lit, 0.0, 100.0))));
    out += moon;
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
    }
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
    auto sun = [&](double d, bool found) {
        return event_text(clock_offset(d, found, clock, here.zone), found, hour, minute, second);
    };
    auto moon = [&](double d) {
        const bool found = d != astro::kNoMoonEvent;
        return event_text(clock_offset(d, found, clock, here.zone), found, hour, minute, second);
    };
    return {age_text(planets.moon_age),
            illum_text(ctx.moon_phase_angle),
            moon(ctx.moonrise),
            moon(ctx.moonset),
            sun(ctx.sunrise, ctx.sunrise_found),
            sun(ctx.sunset, ctx.sunset_found),
            sun(ctx.twilight_begin, ctx.twilight_begin_found),
            sun(ctx.twilight_end, ctx.twilight_end_found)};
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

namespace {

// An argument of the Exec key by the freedesktop.org Desktop Entry rules: quoted when it holds a
// reserved character ('"', '`', '$' and '\\' escaped inside the quotes), '%' doubled, then
// every backslash escaped again as the key's value is a string.
std::string exec_argument(const std::string& arg) {
    constexpr const char* kReserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string quoted = arg;
    if (arg.empty() || arg.find_first_of(kReserved) != std::string::npos) {
        quoted.assign(1, '"');
        for (const char c : arg) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
            quoted += c;
        }
        quoted += '"';
    }
    std::string value;
    for (const char c : quoted) {
        if (c == '%') value += "%%";
        else if (c == '\\') value += "\\\\";
        else value += c;
    }
    return value;
}

bool has_control_character(const std::string& s) {
    constexpr unsigned char kFirstPrintable = 0x20, kDelete = 0x7f;
    return std::any_of(s.begin(), s.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < kFirstPrintable || u == kDelete;
    });
}

// Well-formed UTF-8 (RFC 3629): no overlong forms, surrogates or values past U+10FFFF.
bool is_utf8(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        const int extra = b < 0x80 ? 0 : (b >> 5) == 0x6 ? 1 : (b >> 4) == 0xE ? 2 : (b >> 3) == 0x1E ? 3 : -1;
        if (extra < 0 || s.size() - i <= static_cast<std::size_t>(extra)) return false;
        std::uint32_t cp = extra == 0 ? b : b & (0x3Fu >> extra);
        for (int k = 1; k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((c >> 6) != 0x2) return false;
            cp = (cp << 6) | (c & 0x3Fu);
        }
        constexpr std::uint32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kLeast[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

}  // namespace

std::optional<std::string> autostart_entry(const std::string& binary, const std::string& settings_file,
                                           std::string& why) {
    for (const std::string* path : {&binary, &settings_file}) {
        const char* fault = has_control_character(*path) ? " holds a control character"
                            : !is_utf8(*path)            ? " is not UTF-8"
                                                         : nullptr;
        if (fault != nullptr) {
            why = "the path " + *path + fault;
            return std::nullopt;
        }
    }
    std::string exec = exec_argument(binary);
    if (!settings_file.empty()) exec += " --settings " + exec_argument(settings_file);
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Orbalis\n"
           "Comment=Round desktop clock with the Moon's phase, sunrise, sunset and moonrise\n"
           "Exec=" + exec + "\n"
           "Icon=orbalis\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}
