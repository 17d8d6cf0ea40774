#include "first_start.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <optional>
#include <sys/stat.h>

#include "place_zone.h"
#include "places.h"

namespace {

// The city a zone is named after: its last part, blanks for underscores ("New York").
std::string city_of(const std::string& zone) {
    std::string city = zone.substr(zone.rfind('/') + 1);
    std::replace(city.begin(), city.end(), '_', ' ');
    return city;
}

// The zone's own city in the compiled-in list: the largest place of the zone whose name
// begins with the city's ("New York City" for New York).
std::optional<places::Place> named_city(const std::string& zone) {
    constexpr std::size_t kCandidates = 20;
    const std::string city = places::search_key(city_of(zone));
    for (const places::Place& p : places::find_places(city_of(zone), kCandidates))
        if (p.zone == zone && places::search_key(p.name).starts_with(city)) return p;
    return std::nullopt;
}

// Whole minutes of arc, as the record keeps them.
void to_fields(double deg, std::int16_t& d, std::int16_t& m) {
    const places::DegreesMinutes dm = places::to_degrees_minutes(std::fabs(deg));
    d = static_cast<std::int16_t>(dm.degrees);
    m = static_cast<std::int16_t>(dm.minutes);
}

}  // namespace

std::optional<PlaceChoice> first_start_settings(CInit& s, const std::string& zone_name, double standard_offset,
                                                const std::string& zoneinfo_dir) {
    default_settings(s);
    s.height = 0.0;
    derive_angles(s);
    if (zone_name.empty() || zone_name.find("..") != std::string::npos || !std::isfinite(standard_offset) ||
        standard_offset < kMinTimeZone || standard_offset > kMaxTimeZone)
        return std::nullopt;
    // A link ("US/Eastern", "Asia/Calcutta") stands for the zone it names.
    const std::string canonical = canonical_zone_name(zone_name, zoneinfo_dir);
    const std::string zone = canonical.empty() ? zone_name : canonical;
    std::optional<ZonePlace> place;
    std::string name = city_of(zone);
    if (const std::optional<places::Place> p = named_city(zone)) {
        place = ZonePlace{p->latitude, p->longitude};
        if (p->height_m) s.height = *p->height_m;
        name = places::place_name(*p);
    } else {
        place = zone_place(zone, zoneinfo_dir);
    }
    if (!place) return std::nullopt;
    s.south = place->latitude < 0;
    s.west = place->longitude < 0;
    to_fields(place->latitude, s.lat_deg, s.lat_min);
    to_fields(place->longitude, s.lon_deg, s.lon_min);
    drop_minutes_at_the_limits(s);
    s.tz_hours = standard_offset;
    derive_angles(s);
    return PlaceChoice{name, zone};
}

LoadedSettings load_or_first_start(CInit& s, const std::string& path, std::time_t now) {
    struct stat st {};
    // Whatever stands at the path (a link that loops, a folder it cannot enter) is the
    // reader's to judge: only a path with nothing there is a first start.
    if (::stat(path.c_str(), &st) != 0 && errno == ENOENT)
        return {{}, first_start_settings(s, computer_zone_name(), computer_standard_offset_hours(now))};
    return {load_settings(s, path), std::nullopt};
}
