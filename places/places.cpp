#include "places.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "place_table.h"

namespace places {

namespace {

using namespace table;

constexpr std::size_t kMinimumKey = 2;  // letters before anything is listed
constexpr double kE5 = 1e5;             // the table's coordinates are in 1e-5 degrees

std::string_view text_at(std::uint32_t offset) { return std::string_view(kText + offset); }

// One code point from UTF-8; a malformed byte reads as itself.
char32_t next_code_point(std::string_view s, std::size_t& i) {
    if (const std::optional<char32_t> cp = decode_code_point(s, i)) return *cp;
    return static_cast<unsigned char>(s[i++]);
}

const char* folded(char32_t cp) {
    const FoldEntry* end = kFold + kFoldCount;
    const FoldEntry* at = std::lower_bound(kFold, end, cp, [](const FoldEntry& e, char32_t c) { return e.code_point < c; });
    return at != end && at->code_point == cp ? at->folded : nullptr;
}

bool starts_with_word(std::string_view key, std::string_view q) {
    for (std::size_t at = key.find(' '); at != std::string_view::npos; at = key.find(' ', at + 1))
        if (key.substr(at + 1).starts_with(q)) return true;
    return false;
}

// 0 the whole name, 1 its beginning, 2 the beginning of a later word, 3 no match.
int match_rank(std::string_view key, std::string_view q) {
    if (key == q) return 0;
    if (key.starts_with(q)) return 1;
    return starts_with_word(key, q) ? 2 : 3;
}

int row_rank(const Row& r, std::string_view q) {
    int best = match_rank(text_at(r.key), q);
    for (std::uint32_t k = 0; k < r.alt_count && best > 0; ++k)
        best = std::min(best, match_rank(text_at(kAltKeys[r.alt_first + k]), q));
    return best;
}

bool country_matches(const Country& c, std::string_view q) {
    if (q.empty()) return true;
    const std::string_view name = text_at(c.name_key);
    return text_at(c.code_key) == q || name.starts_with(q) || starts_with_word(name, q);
}

Place place_of(const Row& r) {
    const Country& c = kCountries[r.country];
    Place p{text_at(r.name),       text_at(c.name),     text_at(c.code), text_at(kZones[r.zone]),
            r.lat_e5 / kE5,        r.lon_e5 / kE5,      std::nullopt,    r.population};
    if (r.height_m != kNoHeight) p.height_m = r.height_m;
    return p;
}

std::string trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(s.substr(first, s.find_last_not_of(' ') - first + 1));
}

}  // namespace

std::optional<char32_t> decode_code_point(std::string_view s, std::size_t& i) {
    const auto b = static_cast<unsigned char>(s[i]);
    const int extra = b < 0x80 ? 0 : (b >> 5) == 0x6 ? 1 : (b >> 4) == 0xE ? 2 : (b >> 3) == 0x1E ? 3 : -1;
    if (extra < 0 || s.size() - i <= static_cast<std::size_t>(extra)) return std::nullopt;
    char32_t cp = extra == 0 ? b : b & (0x3Fu >> extra);
    for (int k = 1; k <= extra; ++k) {
        const auto c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((c >> 6) != 0x2) return std::nullopt;
        cp = (cp << 6) | (c & 0x3Fu);
    }
    constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};  // shorter forms are overlong
    if (cp < kLeast[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    i += static_cast<std::size_t>(extra) + 1;
    return cp;
}

bool is_utf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();)
        if (!decode_code_point(s, i)) return false;
    return true;
}

std::string search_key(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        const char32_t cp = next_code_point(utf8, i);
        if (cp < 0x80) {
            const char c = static_cast<char>(cp);
            if (c == '-' || c == ' ' || c == '\t') out += ' ';
            else if (c != '\'' && c != '`' && c != '.') out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else if (const char* f = folded(cp)) {
            out += f;
        } else {
            out.append(utf8.substr(start, i - start));  // another script: matches itself
        }
    }
    std::string collapsed;
    for (const char c : out)
        if (c != ' ' || (!collapsed.empty() && collapsed.back() != ' ')) collapsed += c;
    return trimmed(collapsed);
}

std::vector<Place> find_places(std::string_view query, std::size_t limit) {
    const auto comma = query.find(',');
    const std::string name = search_key(query.substr(0, comma));
    const std::string country = comma == std::string_view::npos ? std::string() : search_key(query.substr(comma + 1));
    if (name.size() < kMinimumKey || limit == 0) return {};
    std::array<bool, 256> country_ok{};
    for (std::size_t c = 0; c < kCountryCount && c < country_ok.size(); ++c)
        country_ok[c] = country_matches(kCountries[c], country);
    std::array<std::vector<std::size_t>, 3> by_rank;
    for (std::size_t i = 0; i < kRowCount; ++i) {
        const Row& r = kRows[i];
        if (!country_ok[r.country]) continue;
        const int rank = row_rank(r, name);
        if (rank < 3 && by_rank[static_cast<std::size_t>(rank)].size() < limit)
            by_rank[static_cast<std::size_t>(rank)].push_back(i);
    }
    std::vector<Place> out;
    for (const auto& rows : by_rank)
        for (const std::size_t i : rows)
            if (out.size() < limit) out.push_back(place_of(kRows[i]));
    return out;
}

std::optional<Place> principal_place(std::string_view zone) {
    for (std::size_t i = 0; i < kRowCount; ++i)
        if (text_at(kZones[kRows[i].zone]) == zone) return place_of(kRows[i]);
    return std::nullopt;
}

std::optional<Place> nearest_place(double latitude, double longitude) {
    if (!std::isfinite(latitude) || !std::isfinite(longitude)) return std::nullopt;
    constexpr double kDegToRad = 0.017453292519943295;
    // The haversine's term grows with the distance: the least is the nearest.
    const auto apart = [&](const Place& p) {
        const double dlat = (p.latitude - latitude) * kDegToRad, dlon = (p.longitude - longitude) * kDegToRad;
        const double a = std::sin(dlat / 2), b = std::sin(dlon / 2);
        return a * a + std::cos(latitude * kDegToRad) * std::cos(p.latitude * kDegToRad) * b * b;
    };
    std::optional<Place> best;
    double best_apart = 2;
    for (std::size_t i = 0; i < kRowCount; ++i) {
        const Place p = place_of(kRows[i]);
        if (const double d = apart(p); d < best_apart) {
            best_apart = d;
            best = p;
        }
    }
    return best;
}

std::size_t place_count() { return kRowCount; }

Place place_at(std::size_t index) { return place_of(kRows[std::min(index, kRowCount - 1)]); }

DegreesMinutes to_degrees_minutes(double degrees) {
    constexpr double kMinutesPerDegree = 60;
    const long minutes = std::isfinite(degrees) ? std::lround(std::min(std::fabs(degrees), 180.0) * kMinutesPerDegree) : 0;
    return {static_cast<int>(minutes / 60), static_cast<int>(minutes % 60)};
}

std::string place_name(const Place& p) { return std::string(p.name) + ", " + std::string(p.country); }

std::string place_label(const Place& p, const std::string& zone) {
    const auto angle = [](double v, const char* positive, const char* negative) {
        const DegreesMinutes dm = to_degrees_minutes(v);
        return std::to_string(dm.degrees) + "°" + std::to_string(dm.minutes) + "′ " + (v < 0 ? negative : positive);
    };
    return place_name(p) + " — " + angle(p.latitude, "N", "S") + " " +
           angle(p.longitude, "E", "W") + ", " + zone;
}

}  // namespace places
