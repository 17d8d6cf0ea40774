// The computer's time zone: its IANA name, the place tzdata gives for it, its offset at an
// instant, and noticing when it changes. Standard library and POSIX only.
#pragma once

#include <ctime>
#include <optional>
#include <string>

inline constexpr const char* kZoneInfoDir = "/usr/share/zoneinfo";

// The IANA name of the computer's zone: from TZ ("Europe/Berlin", ":Europe/Berlin", or a
// path into the zone folder), else where /etc/localtime points, else /etc/timezone. Empty
// where none can be named (TZ holds a rule such as "CET-1CEST", or nothing is set).
std::string computer_zone_name();

// The computer's offset from UTC at the instant t, seconds east (0 where the C library
// cannot say).
long computer_offset_seconds(std::time_t t);

// The place tzdata's zone1970.tab (or zone.tab) gives for a zone, degrees north and east;
// links ("US/Eastern") are followed to their zone. Nothing for UTC, Etc/... or an unknown name.
struct ZonePlace {
    double latitude, longitude;
};
std::optional<ZonePlace> zone_place(const std::string& zone_name, const std::string& zoneinfo_dir = kZoneInfoDir);

// The zone a link in the zone folder names ("US/Eastern" -> "America/New_York"); empty for
// a name that is no link, or leads out of the folder.
std::string canonical_zone_name(const std::string& zone_name, const std::string& zoneinfo_dir = kZoneInfoDir);

// Makes the C library read the computer's zone again when it changed since the last call
// (a trip: /etc/localtime re-pointed, or the file TZ names replaced, or TZ itself changed).
// Returns whether it changed.
class ZoneWatch {
public:
    bool changed();

private:
    std::string last_key;
};
