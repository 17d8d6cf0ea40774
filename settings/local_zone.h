// The computer's time zone: its name, the place tzdata gives for it, its standard offset
// and daylight-saving shift, and noticing when it changes. Standard library and POSIX only.
#pragma once

#include <ctime>
#include <optional>
#include <string>

#include "settings.h"

inline constexpr const char* kZoneInfoDir = "/usr/share/zoneinfo";

// The IANA name of the computer's zone: from TZ ("Europe/Berlin", ":Europe/Berlin", or a
// path into the zone folder), else where /etc/localtime points, else /etc/timezone. Empty
// where none can be named (TZ holds a rule such as "CET-1CEST", or nothing is set).
std::string computer_zone_name();

// The place tzdata's zone1970.tab (or zone.tab) gives for a zone, degrees north and east;
// links ("US/Eastern") are followed to their zone. Nothing for UTC, Etc/... or an unknown name.
struct ZonePlace {
    double latitude, longitude;
};
std::optional<ZonePlace> zone_place(const std::string& zone_name, const std::string& zoneinfo_dir = kZoneInfoDir);

// The process's zone at the moment t: its standard offset (the smaller of its offsets on
// January 1 and July 1 of that year) and its daylight-saving shift over it, in hours.
double standard_offset_hours(std::time_t t);
double dst_shift_hours(std::time_t t);

// The settings of a first start on this computer: the defaults, with the place and the
// standard offset of the named zone where tzdata knows its place.
void first_start_settings(CInit& s, const std::string& zone_name, double standard_offset,
                          const std::string& zoneinfo_dir = kZoneInfoDir);

// Makes the C library read the computer's zone again when it changed since the last call
// (a trip: /etc/localtime re-pointed, or the file TZ names replaced, or TZ itself changed).
// Returns whether it changed.
class ZoneWatch {
public:
    bool changed();

private:
    std::string last_key;
};
