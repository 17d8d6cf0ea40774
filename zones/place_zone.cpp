#include "place_zone.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace {

constexpr double kSecondsPerHour = 3600;

}  // namespace

bool usable_zone_hours(double hours) { return std::isfinite(hours) && std::fabs(hours) <= kMostOffsetHours; }

long zone_seconds(double hours) { return usable_zone_hours(hours) ? std::lround(hours * kSecondsPerHour) : 0; }

// Twice a month over the year: a season of standard time lasts months, Casablanca's month of
// Ramadan (from the Sunday before to the Sunday after, up to five weeks) at most three samples.
double standard_offset_hours(const std::function<long(std::time_t)>& offset_seconds_at, std::time_t t) {
    constexpr int kMonths = 12;
    constexpr int kSampleDays[] = {1, 16};
    constexpr std::size_t kSamples = kMonths * std::size(kSampleDays);
    constexpr std::size_t kLeastSamples = kSamples / 4;  // a quarter of the year
    std::tm now{};
    if (gmtime_r(&t, &now) == nullptr) return static_cast<double>(offset_seconds_at(t)) / kSecondsPerHour;
    std::array<long, kSamples> seen{};
    std::size_t n = 0;
    for (int month = 0; month < kMonths; ++month)
        for (const int day : kSampleDays) {
            std::tm noon{};
            noon.tm_year = now.tm_year;
            noon.tm_mon = month;
            noon.tm_mday = day;
            noon.tm_hour = 12;
            seen[n++] = offset_seconds_at(timegm(&noon));
        }
    std::sort(seen.begin(), seen.end());
    for (std::size_t from = 0; from < kSamples;) {
        const std::size_t to = static_cast<std::size_t>(std::upper_bound(seen.begin(), seen.end(), seen[from]) - seen.begin());
        if (to - from >= kLeastSamples) return static_cast<double>(seen[from]) / kSecondsPerHour;
        from = to;
    }
    return static_cast<double>(offset_seconds_at(t)) / kSecondsPerHour;
}

double standard_offset_hours(const ZoneRules& z, std::time_t t) {
    return standard_offset_hours([&z](std::time_t at) { return long{zone_type_at(z, at).utc_offset_s}; }, t);
}

double computer_standard_offset_hours(std::time_t t) { return standard_offset_hours(computer_offset_seconds, t); }

std::string utc_offset_name(double hours) {
    const long minutes = zone_seconds(hours) / 60;
    if (minutes == 0) return "UTC";
    const long a = std::labs(minutes);
    std::string out = std::string("UTC") + (minutes < 0 ? "-" : "+") + std::to_string(a / 60);
    if (a % 60 != 0) out.append(a % 60 < 10 ? ":0" : ":").append(std::to_string(a % 60));
    return out;
}

PlaceZone::PlaceZone(double standard_hours, bool follows)
    : fixed_hours(usable_zone_hours(standard_hours) ? standard_hours : 0), follows_computer(follows) {}

PlaceZone::PlaceZone(std::string name, ZoneRules zone_rules)
    : fixed_hours(0), follows_computer(false), zone_name(std::move(name)),
      rules(std::make_shared<const ZoneRules>(std::move(zone_rules))) {}

PlaceZone PlaceZone::of_settings(double standard_hours, const std::string& chosen_zone) {
    if (!chosen_zone.empty())
        if (std::optional<ZoneRules> r = load_zone_rules(chosen_zone)) return PlaceZone(chosen_zone, std::move(*r));
    return PlaceZone(standard_hours, true);
}

double PlaceZone::offset_hours(std::time_t t) const {
    if (rules) return zone_type_at(*rules, t).utc_offset_s / kSecondsPerHour;
    if (follows_computer && computers(t)) return static_cast<double>(computer_offset_seconds(t)) / kSecondsPerHour;
    return fixed_hours;
}

double PlaceZone::standard_hours(std::time_t t) const {
    return rules ? standard_offset_hours(*rules, t) : fixed_hours;
}

bool PlaceZone::computers(std::time_t t) const {
    if (rules) {
        // A link ("US/Eastern", "Asia/Calcutta") is the zone it names.
        const std::string computer = computer_zone_name();
        return zone_name == computer || (!computer.empty() && canonical_zone_name(computer) == zone_name);
    }
    if (!follows_computer) return false;
    std::tm utc{};
    if (gmtime_r(&t, &utc) == nullptr)
        return zone_seconds(computer_standard_offset_hours(t)) == zone_seconds(fixed_hours);
    if (!computer_standard || computer_standard->year != utc.tm_year)
        computer_standard = YearsOffset{utc.tm_year, zone_seconds(computer_standard_offset_hours(t))};
    return computer_standard->seconds == zone_seconds(fixed_hours);
}

std::string PlaceZone::name(std::time_t t) const {
    if (rules) return zone_name;
    if (!computers(t)) return utc_offset_name(fixed_hours);
    const std::string computer = computer_zone_name();
    return computer.empty() ? "local" : computer;
}
