// The clock of a place: a named zone's rules, or a fixed standard offset that follows the
// computer's daylight saving or does not. Its offset at an instant, its standard offset, its
// name. Standard library only.
#pragma once

#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "zone_rules.h"

// An offset beyond two days, of a zone or of an event from now, is none: no zone has one,
// and the day's events lie within the coming day.
inline constexpr double kMostOffsetHours = 48;
bool usable_zone_hours(double hours);
// Whole seconds of an offset in hours; 0 for one that is not usable.
long zone_seconds(double hours);

// The standard offset of a zone at t, in hours: the lesser of the offsets in force for at
// least a quarter of t's year (sampled twice a month). The flag tzdata gives cannot be
// trusted for it: Europe/Dublin flags winter as daylight-saving time, Africa/Casablanca
// flags the month of Ramadan, Africa/Windhoek flagged its winters.
double standard_offset_hours(const std::function<long(std::time_t)>& offset_seconds_at, std::time_t t);
double standard_offset_hours(const ZoneRules& z, std::time_t t);
// The computer's zone's.
double computer_standard_offset_hours(std::time_t t);

// "UTC+9", "UTC-3:30", "UTC" for an offset in hours.
std::string utc_offset_name(double hours);

class PlaceZone {
public:
    // A fixed offset, hours east; with the computer's daylight saving added while the
    // computer's standard offset is this one, where `follows_computer`.
    explicit PlaceZone(double standard_hours = 0, bool follows_computer = false);
    // A named zone's rules.
    PlaceZone(std::string name, ZoneRules rules);
    // A settings record's zone: the rules of the place's chosen zone where they load, else
    // its stored standard offset with the computer's daylight saving.
    static PlaceZone of_settings(double standard_hours, const std::string& chosen_zone);

    double offset_hours(std::time_t t) const;
    double operator()(std::time_t t) const { return offset_hours(t); }
    double standard_hours(std::time_t t) const;
    // Whether the place's times at t are the computer's. The computer's standard offset is
    // sampled once a year (two dozen conversions, and an almanac asks for each of its times)
    // and kept until the computer's zone changes: say so by forget_computer_zone().
    bool computers(std::time_t t) const;
    void forget_computer_zone() { computer_standard = {}; }
    // "America/New_York", the computer's zone's name ("local" where it has none) or "UTC+9".
    std::string name(std::time_t t) const;

private:
    double fixed_hours;
    bool follows_computer;
    std::string zone_name;
    std::shared_ptr<const ZoneRules> rules;
    struct YearsOffset {
        int year;  // UTC
        long seconds;
    };
    mutable std::optional<YearsOffset> computer_standard;
};
