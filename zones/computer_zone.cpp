#include "computer_zone.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

constexpr const char* kLocaltime = "/etc/localtime";

// "Europe/Berlin" from a path into a zoneinfo folder ("/usr/share/zoneinfo/Europe/Berlin",
// "../usr/share/zoneinfo/Europe/Berlin"); empty when the path goes elsewhere.
std::string name_after_zoneinfo(const std::string& path) {
    const std::string marker = "zoneinfo/";
    const auto at = path.rfind(marker);
    return at == std::string::npos ? std::string() : path.substr(at + marker.size());
}

std::string link_target(const std::string& path) {
    char buf[4096];
    const ssize_t n = ::readlink(path.c_str(), buf, sizeof buf - 1);
    return n > 0 ? std::string(buf, static_cast<std::size_t>(n)) : std::string();
}

// tzdata's "+DDMM[SS]" or "+DDDMM[SS]" coordinate, in degrees; nothing when malformed.
std::optional<double> iso6709(const std::string& s, std::size_t degree_digits) {
    if (s.size() != 1 + degree_digits + 2 && s.size() != 1 + degree_digits + 4) return std::nullopt;
    if ((s[0] != '+' && s[0] != '-') || !std::all_of(s.begin() + 1, s.end(), ::isdigit)) return std::nullopt;
    const double deg = std::stoi(s.substr(1, degree_digits));
    const double min = std::stoi(s.substr(1 + degree_digits, 2));
    const double sec = s.size() > 1 + degree_digits + 2 ? std::stoi(s.substr(3 + degree_digits, 2)) : 0;
    const double v = deg + min / 60 + sec / 3600;
    return s[0] == '-' ? -v : v;
}

std::optional<ZonePlace> place_in_table(const std::string& table, const std::string& zone_name) {
    std::ifstream in(table);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string codes, coordinates, name;
        if (!(fields >> codes >> coordinates >> name) || name != zone_name) continue;
        const auto split = coordinates.find_first_of("+-", 1);
        if (split == std::string::npos) return std::nullopt;
        const auto lat = iso6709(coordinates.substr(0, split), 2);
        const auto lon = iso6709(coordinates.substr(split), 3);
        if (lat && lon) return ZonePlace{*lat, *lon};
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

long computer_offset_seconds(std::time_t t) {
    std::tm local{};
    return localtime_r(&t, &local) != nullptr ? local.tm_gmtoff : 0;
}

std::string computer_zone_name() {
    if (const char* tz = std::getenv("TZ"); tz != nullptr) {
        std::string v = tz;
        if (!v.empty() && v[0] == ':') v.erase(0, 1);
        if (!v.empty() && v[0] == '/') {
            const std::string target = link_target(v);
            const std::string via_link = name_after_zoneinfo(target);
            return !via_link.empty() ? via_link : name_after_zoneinfo(v);
        }
        // A name has a slash or is one of tzdata's plain names; a rule has digits.
        const bool rule = v.find_first_of("0123456789,<") != std::string::npos;
        return rule ? std::string() : v;
    }
    if (std::string name = name_after_zoneinfo(link_target(kLocaltime)); !name.empty()) return name;
    std::ifstream timezone("/etc/timezone");
    std::string name;
    std::getline(timezone, name);
    return name;
}

std::optional<ZonePlace> zone_place(const std::string& zone_name, const std::string& zoneinfo_dir) {
    if (zone_name.empty() || zone_name.find("..") != std::string::npos) return std::nullopt;
    for (const char* table : {"/zone1970.tab", "/zone.tab"})
        if (auto p = place_in_table(zoneinfo_dir + table, zone_name)) return p;
    // A link ("US/Eastern", "Asia/Calcutta") names the zone it points to.
    const std::string canonical = canonical_zone_name(zone_name, zoneinfo_dir);
    if (canonical.empty()) return std::nullopt;
    for (const char* table : {"/zone1970.tab", "/zone.tab"})
        if (auto p = place_in_table(zoneinfo_dir + table, canonical)) return p;
    return std::nullopt;
}

std::string canonical_zone_name(const std::string& zone_name, const std::string& zoneinfo_dir) {
    if (zone_name.empty() || zone_name.find("..") != std::string::npos) return {};
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path target = fs::canonical(fs::path(zoneinfo_dir) / zone_name, ec);
    if (ec) return {};
    const fs::path root = fs::canonical(zoneinfo_dir, ec);
    if (ec) return {};
    const fs::path relative = target.lexically_relative(root);
    if (relative.empty() || *relative.begin() == "..") return {};
    const std::string name = relative.string();
    return name == zone_name ? std::string() : name;
}

// The zone file's identity (what the link points to, the file's inode and time) and TZ:
// a change of either is a new zone.
bool ZoneWatch::changed() {
    const char* tz = std::getenv("TZ");
    std::string file = kLocaltime;
    if (tz != nullptr) {
        file = tz[0] == ':' ? tz + 1 : tz;
        if (file.empty() || file[0] != '/') file = std::string(kZoneInfoDir) + "/" + file;
    }
    struct stat st {};
    const bool there = ::stat(file.c_str(), &st) == 0;
    std::ostringstream key;
    key << (tz != nullptr ? tz : "-") << '|' << link_target(file) << '|'
        << (there ? st.st_ino : 0) << '|' << (there ? st.st_mtime : 0);
    if (last_key.empty()) {
        last_key = key.str();
        return false;
    }
    if (key.str() == last_key) return false;
    last_key = key.str();
    // The C library reads a zone file again only when TZ's text changes (or, without TZ,
    // when /etc/localtime does): pass through UTC to make it.
    if (tz != nullptr) {
        const std::string kept = tz;
        setenv("TZ", "UTC0", 1);
        tzset();
        setenv("TZ", kept.c_str(), 1);
    }
    tzset();
    return true;
}
