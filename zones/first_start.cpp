#include "first_start.h"

#include <cerrno>
#include <cmath>
#include <optional>
#include <sys/stat.h>

#include "place_zone.h"
#include "places.h"

namespace {

// The largest place of the zone in the compiled-in list; a link ("US/Eastern") is
// followed to the zone it names.
std::optional<places::Place> principal_place_of(const std::string& zone_name, const std::string& zoneinfo_dir) {
    if (zone_name.empty() || zone_name.find("..") != std::string::npos) return std::nullopt;
    if (auto p = places::principal_place(zone_name)) return p;
    const std::string canonical = canonical_zone_name(zone_name, zoneinfo_dir);
    return canonical.empty() ? std::nullopt : places::principal_place(canonical);
}

// Whole minutes of arc, as the record keeps them.
void to_fields(double deg, std::int16_t& d, std::int16_t& m) {
    const places::DegreesMinutes dm = places::to_degrees_minutes(std::fabs(deg));
    d = static_cast<std::int16_t>(dm.degrees);
    m = static_cast<std::int16_t>(dm.minutes);
}

}  // namespace

void first_start_settings(CInit& s, const std::string& zone_name, double standard_offset,
                          const std::string& zoneinfo_dir) {
    default_settings(s);
    std::optional<ZonePlace> place;
    if (const std::optional<places::Place> p = principal_place_of(zone_name, zoneinfo_dir)) {
        place = ZonePlace{p->latitude, p->longitude};
        if (p->height_m) s.height = *p->height_m;
    } else {
        place = zone_place(zone_name, zoneinfo_dir);
    }
    if (place && std::isfinite(standard_offset) && standard_offset >= kMinTimeZone && standard_offset <= kMaxTimeZone) {
        s.south = place->latitude < 0;
        s.west = place->longitude < 0;
        to_fields(place->latitude, s.lat_deg, s.lat_min);
        to_fields(place->longitude, s.lon_deg, s.lon_min);
        drop_minutes_at_the_limits(s);
        s.tz_hours = standard_offset;
    } else {
        s.height = 0.0;
    }
    derive_angles(s);
}

std::string load_or_first_start(CInit& s, const std::string& path, std::time_t now) {
    struct stat st {};
    // Whatever stands at the path (a link that loops, a folder it cannot enter) is the
    // reader's to judge: only a path with nothing there is a first start.
    if (::stat(path.c_str(), &st) != 0 && errno == ENOENT) {
        first_start_settings(s, computer_zone_name(), computer_standard_offset_hours(now));
        return {};
    }
    return load_settings(s, path);
}
