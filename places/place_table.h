// The compiled-in list of populated places (places/place_table.cpp, made by
// places/tools/make_places.py). Every text is an offset into kText, ended by a NUL.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>

namespace places::table {

inline constexpr std::int16_t kNoHeight = INT16_MIN;

struct Row {  // 32 bytes, no padding
    std::uint32_t name;        // as the gazetteer spells it, UTF-8
    std::uint32_t key;         // the name folded for search
    std::uint32_t alt_first;   // other spellings' keys: kAltKeys[alt_first, alt_first + alt_count)
    std::uint32_t population;  // rows run from the largest place down
    std::int32_t lat_e5;       // degrees north x 1e5
    std::int32_t lon_e5;       // degrees east x 1e5
    std::uint16_t alt_count;
    std::uint16_t zone;        // into kZones
    std::uint16_t country;     // into kCountries
    std::int16_t height_m;     // metres, kNoHeight where the gazetteer has none
};
static_assert(sizeof(Row) == 32);

struct Country {
    std::uint32_t code, name, code_key, name_key;  // "CH", "Switzerland", "ch", "switzerland"
};

// A Latin letter and the ASCII text it folds to ("ü" -> "u", "ß" -> "ss").
struct FoldEntry {
    char32_t code_point;
    const char* folded;
};

extern const Row kRows[];
extern const std::size_t kRowCount;
extern const std::uint32_t kAltKeys[];
extern const std::uint32_t kZones[];
extern const std::size_t kZoneCount;
extern const Country kCountries[];
extern const std::size_t kCountryCount;
extern const FoldEntry kFold[];  // sorted by code point
extern const std::size_t kFoldCount;
extern const char kText[];

}  // namespace places::table
