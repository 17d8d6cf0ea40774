// The settings of a first start: the place and the standard offset of the computer's zone.
// Standard library and POSIX only.
#pragma once

#include <ctime>
#include <optional>
#include <string>

#include "choices.h"
#include "computer_zone.h"
#include "settings.h"

// The defaults, with the place of the named zone and its standard offset; the angles
// derived either way. The zone's place is the city it is named after ("Kolkata" for
// Asia/Kolkata, New York City for America/New_York) from the compiled-in list, else the
// coordinates tzdata gives for it; the place is returned with the zone (nothing where the
// zone has none, and the defaults stand).
std::optional<PlaceChoice> first_start_settings(CInit& s, const std::string& zone_name, double standard_offset,
                                                const std::string& zoneinfo_dir = kZoneInfoDir);

// The settings kept at `path`, or a first start's for the computer's zone at `now` where
// there is no file (nothing is written).
struct LoadedSettings {
    std::string note;                       // about a file that is there but was not read
    std::optional<PlaceChoice> first_place;  // a first start's place, where it found one
};
LoadedSettings load_or_first_start(CInit& s, const std::string& path, std::time_t now);
