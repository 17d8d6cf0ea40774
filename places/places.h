// The world's populated places, compiled in: found by name as a user types it (case,
// accents and the ASCII spelling aside; "Paris, US" narrows to a country), and the
// principal place of a time zone. Standard library only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace places {

struct Place {
    std::string_view name;          // "Zürich"
    std::string_view country;       // "Switzerland"
    std::string_view country_code;  // "CH"
    std::string_view zone;          // "Europe/Zurich"
    double latitude;                // degrees north
    double longitude;               // degrees east
    std::optional<double> height_m;
    std::uint32_t population;
};

// One code point of well-formed UTF-8 (RFC 3629: no overlong forms, surrogates or values
// past U+10FFFF) at s[i], i moved past it; nothing, i kept, for a malformed one.
std::optional<char32_t> decode_code_point(std::string_view s, std::size_t& i);
bool is_utf8(std::string_view s);

// The text a name is matched by: lower case, Latin letters without their accents
// ("Zürich" -> "zurich", "Straße" -> "strasse"), hyphens as spaces, apostrophes and dots
// dropped, blanks collapsed.
std::string search_key(std::string_view utf8);

// Places whose name (or, for the larger places, another spelling of it) matches `query`,
// best first: the whole name, then its beginning, then the beginning of a later word;
// the larger place first within each. After a comma the country, by its two-letter
// code or the beginning of its name. Fewer than two letters list nothing.
std::vector<Place> find_places(std::string_view query, std::size_t limit);

// The largest place of a time zone ("Europe/Berlin" -> Berlin), if any.
std::optional<Place> principal_place(std::string_view zone);

// The place nearest to a position (degrees north and east), by the great-circle distance.
std::optional<Place> nearest_place(double latitude, double longitude);
std::size_t place_count();
Place place_at(std::size_t index);  // from the largest down

// "Zürich, Switzerland — 47°22′ N 8°33′ E, UTC+1" for a place and the name of its zone.
std::string place_label(const Place& p, const std::string& zone);
// "Zürich, Switzerland": how a place is named wherever it is shown and kept.
std::string place_name(const Place& p);

// Degrees as whole degrees and minutes, rounded to the minute (47.3667 -> 47, 22).
struct DegreesMinutes {
    int degrees, minutes;
};
DegreesMinutes to_degrees_minutes(double degrees);

}  // namespace places
