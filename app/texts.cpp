#include "texts.h"

#include <cmath>

namespace {

// Cuts toward zero as if the value carried no representation error: (1 - cos 90)*50 is
// 49.999999999999993 and must still count as 50.
double cut(double v) {
    constexpr double kTolerance = 1e-9;
    return std::trunc(v + std::copysign(kTolerance, v));
}

}  // namespace

std::string age_text(double moon_age) { return "Age=" + shortest_decimal(cut(moon_age * 10) * 0.1); }

std::string illum_text(double moon_phase_angle) {
    const double k = (1 - std::cos(moon_phase_angle * astro::kDegToRad)) * 0.5 * 100;
    return "k=" + shortest_decimal(cut(k) * 0.01);
}

std::string event_text(double offset, bool found, int hour, int minute, int second) {
    double t = hour + minute / 60.0 + second / 3600.0 + offset;
    if (!found || !std::isfinite(t) || std::fabs(t) > 48) return kAbsentEvent;
    if (t >= 24) t -= 24;
    constexpr double kMinuteTolerance = 1e-6;
    const double whole_minutes = std::trunc(t * 60 + std::copysign(kMinuteTolerance, t));
    const int total = static_cast<int>(whole_minutes);
    const std::string text = std::to_string(total / 60) + "h" + std::to_string(total % 60) + "m";
    return offset < 0 ? "(" + text + ")" : text;
}

DisplayTexts build_display_texts(const astro::CalcContext& ctx, const astro::CPlnt_Data& planets,
                                 int hour, int minute, int second) {
    auto sun = [&](double d, bool found) { return event_text(d, found, hour, minute, second); };
    auto moon = [&](double d) { return event_text(d, d != astro::kNoMoonEvent, hour, minute, second); };
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

std::string autostart_entry(const std::string& binary) {
    // The Exec key's quoting: a path with reserved characters goes in double quotes, with
    // '"', '`', '$' and '\\' escaped.
    std::string exec = binary;
    if (binary.find_first_of(" \t\n\"'\\><~|&;$*?#()`") != std::string::npos) {
        exec = "\"";
        for (const char c : binary) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') exec += "\\\\";
            exec += c;
        }
        exec += '"';
    }
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Orbalis\n"
           "Comment=Round desktop clock with the Moon's phase, sunrise, sunset and moonrise\n"
           "Exec=" + exec + "\n"
           "Icon=orbalis\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}
