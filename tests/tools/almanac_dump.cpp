// Reads "year month day hour minute second tz lat lon height" lines from standard input
// and prints, for each, what the clock computes at start-up and in one minute update
// with that moment as the clock reading, and the next principal phases (Julian days, UT):
// one JSON object per line.
#include <cmath>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <sstream>
#include <string>

#include "almanac.h"
#include "texts.h"

namespace {

struct Moment {
    int year, month, day, hour, minute, second;
    double tz, lat, lon, height;
};

void field(std::string& out, const char* name, double v) {
    char buf[64];
    if (std::isfinite(v))
        std::snprintf(buf, sizeof buf, "\"%s\":%.17g", name, v);
    else
        std::snprintf(buf, sizeof buf, "\"%s\":null", name);
    if (out.size() > 1) out += ',';
    out += buf;
}

void text(std::string& out, const char* name, const std::string& v) {
    out += ",\"";
    out += name;
    out += "\":\"" + v + "\"";  // the texts hold no quotes or backslashes
}

void flag(std::string& out, const char* name, bool v) {
    out += ",\"";
    out += name;
    out += v ? "\":true" : "\":false";
}

void run(const Moment& m) {
    astro::CalcContext ctx;
    astro::CPlnt_Data planets;
    // The clock's start: the stored zone, then the engine's entry for a new start.
    ctx.tz_hours = m.tz;
    astro::start_at(ctx, planets, {m.lat, m.lon, m.height}, {m.year, m.month, m.day, m.hour, m.minute, m.second});

    std::string out = "{";
    field(out, "jd", ctx.jd);
    field(out, "t2000", ctx.t2000);
    field(out, "delta_t", ctx.delta_t);
    field(out, "ut_hours", ctx.ut_hours);
    field(out, "gmst_deg", ctx.gmst_deg);
    field(out, "gast_deg", ctx.gast_deg);
    field(out, "nut_longitude", ctx.nut_longitude);
    field(out, "nut_obliquity", ctx.nut_obliquity);
    field(out, "mean_obliquity", ctx.mean_obliquity);
    field(out, "sun_longitude", ctx.sun_longitude);
    field(out, "sun_distance", ctx.sun_distance);
    field(out, "moon_phase_angle", ctx.moon_phase_angle);
    field(out, "moon_up_flag", ctx.moon_up_flag);
    field(out, "sunrise", ctx.sunrise);
    field(out, "sunset", ctx.sunset);
    field(out, "twilight_begin", ctx.twilight_begin);
    field(out, "twilight_end", ctx.twilight_end);
    field(out, "moonrise", ctx.moonrise);
    field(out, "moonset", ctx.moonset);
    flag(out, "sunrise_found", ctx.sunrise_found);
    flag(out, "sunset_found", ctx.sunset_found);
    flag(out, "twilight_begin_found", ctx.twilight_begin_found);
    flag(out, "twilight_end_found", ctx.twilight_end_found);
    field(out, "moon_age", planets.moon_age);
    const astro::NextPhases next = astro::next_principal_phases(astro::ut_julian_day(ctx), ctx.delta_t);
    field(out, "next_new_moon", next.jd_ut[astro::kNewMoon]);
    field(out, "next_first_quarter", next.jd_ut[astro::kFirstQuarter]);
    field(out, "next_full_moon", next.jd_ut[astro::kFullMoon]);
    field(out, "next_last_quarter", next.jd_ut[astro::kLastQuarter]);
    std::tm local{};
    local.tm_year = m.year - 1900;
    local.tm_mon = m.month - 1;
    local.tm_mday = m.day;
    local.tm_hour = m.hour;
    local.tm_min = m.minute;
    local.tm_sec = m.second;
    const std::time_t utc = timegm(&local) - static_cast<std::time_t>(std::lround(m.tz * 3600));
    const DisplayTexts t = build_display_texts(ctx, planets, {utc, PlaceZone(m.tz)});
    text(out, "age_text", t.age_text);
    text(out, "illum_text", t.illum_text);
    text(out, "moonrise_text", t.moonrise_text);
    text(out, "moonset_text", t.moonset_text);
    text(out, "sunrise_text", t.sunrise_text);
    text(out, "sunset_text", t.sunset_text);
    text(out, "twilight_begin_text", t.twilight_begin_text);
    text(out, "twilight_end_text", t.twilight_end_text);
    out += "}";
    std::cout << out << '\n';
}

}  // namespace

int main() {
    std::string line;
    int status = 0;
    while (std::getline(std::cin, line)) {
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        std::istringstream in(line);
        Moment m{};
        if (!(in >> m.year >> m.month >> m.day >> m.hour >> m.minute >> m.second >> m.tz >> m.lat >>
              m.lon >> m.height)) {
            std::cerr << "almanac_dump: unreadable line: " << line << '\n';
            status = 1;
            continue;
        }
        run(m);
    }
    return status;
}
