// The rules of a named IANA time zone ("America/New_York"), read from the system's tzdata
// (TZif files, RFC 8536): its offset from UTC at any instant, daylight saving included,
// whatever the computer's own zone. Standard library only.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "computer_zone.h"

struct ZoneRules {
    struct Type {
        std::int32_t utc_offset_s;
        bool dst;
    };
    // A POSIX TZ rule ("EST5EDT,M3.2.0,M11.1.0"): the offsets after the last transition.
    struct Posix {
        std::int32_t std_offset_s = 0, dst_offset_s = 0;
        bool has_dst = false;
        struct Date {
            int month, week, weekday;  // Mm.w.d
            std::int32_t time_s;       // local time of the change, seconds
        } start{}, end{};
    };
    std::vector<std::int64_t> transitions;  // UTC seconds, ascending
    std::vector<std::uint8_t> type_after;   // the type in force from each transition on
    std::vector<Type> types;
    std::optional<Posix> footer;
};

// A zone name that can only name a file inside the zone folder: letters, digits and
// "/_+-", no empty or dot part. Nothing for an unusable name or file.
std::optional<ZoneRules> load_zone_rules(const std::string& name, const std::string& zoneinfo_dir = kZoneInfoDir);
std::optional<ZoneRules> parse_tzif(const std::string& bytes);

// The zone's offset from UTC at the instant t (from the second of a transition on, the new
// one), and whether tzdata flags it as daylight-saving time.
ZoneRules::Type zone_type_at(const ZoneRules& z, std::time_t t);
