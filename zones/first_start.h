// The settings of a first start: the place and the standard offset of the computer's zone.
// Standard library and POSIX only.
#pragma once

#include <ctime>
#include <string>

#include "computer_zone.h"
#include "settings.h"

// The defaults, with the place of the named zone (its largest place in the compiled-in
// list, else tzdata's place for it) and its standard offset; the angles derived either way.
void first_start_settings(CInit& s, const std::string& zone_name, double standard_offset,
                          const std::string& zoneinfo_dir = kZoneInfoDir);

// The settings kept at `path`, or a first start's for the computer's zone at `now` where
// there is no file (nothing is written). Returns what to tell the user about a file that is
// there but was not read (empty otherwise).
std::string load_or_first_start(CInit& s, const std::string& path, std::time_t now);
