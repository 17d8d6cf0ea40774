#include "settings.h"

#include <fcntl.h>
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::int16_t kDefaultLatDeg = 35;
constexpr std::int16_t kDefaultLonDeg = 135;
constexpr double kDefaultTimeZone = 9.0;

bool in_range(std::int16_t v, int lo, int hi) { return v >= lo && v <= hi; }

bool write_all(int fd, const void* data, std::size_t size) {
    const auto* p = static_cast<const unsigned char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, p, size);
        if (n <= 0) return false;
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

void warn(const std::string& path, const char* what) {
    std::fprintf(stderr, "orbalis: could not save %s (%s): %s; the previous file is kept\n",
                 path.c_str(), what, std::strerror(errno));
}

// Fields outside their valid ranges take their defaults.
void sanitize_settings(CInit& s) {
    if (!in_range(s.lat_deg, 0, 90)) s.lat_deg = kDefaultLatDeg;
    if (!in_range(s.lat_min, 0, 59)) s.lat_min = 0;
    if (!in_range(s.lon_deg, 0, 180)) s.lon_deg = kDefaultLonDeg;
    if (!in_range(s.lon_min, 0, 59)) s.lon_min = 0;
    if (s.lat_deg == 90 && s.lat_min != 0) s.lat_min = 0;
    if (s.lon_deg == 180 && s.lon_min != 0) s.lon_min = 0;
    if (!std::isfinite(s.tz_hours) || s.tz_hours < kMinTimeZone || s.tz_hours > kMaxTimeZone)
        s.tz_hours = kDefaultTimeZone;
    if (!std::isfinite(s.height) || s.height < kMinHeight || s.height > kMaxHeight) s.height = 0.0;
}

}  // namespace

void default_settings(CInit& s) {
    s.left = 0;
    s.top = 0;
    s.south = 0;
    s.west = 0;
    s.lat_deg = kDefaultLatDeg;
    s.lat_min = 0;
    s.lon_deg = kDefaultLonDeg;
    s.lon_min = 0;
    s.height = 0.0;
    s.tz_hours = kDefaultTimeZone;
}

void derive_angles(CInit& s) {
    const double lat = s.lat_deg + s.lat_min / 60.0;
    const double lon = s.lon_deg + s.lon_min / 60.0;
    s.latitude = s.south ? -lat : lat;
    s.longitude = s.west ? -lon : lon;
}

void load_settings(CInit& s, const std::string& path) {
    unsigned char block[kSettingsSize];
    std::FILE* f = std::fopen(path.c_str(), "rb");
    const bool whole = f != nullptr && std::fread(block, kSettingsSize, 1, f) == 1;
    if (f != nullptr) std::fclose(f);
    if (whole) {
        std::memcpy(&s, block, kSettingsSize);
        sanitize_settings(s);
    } else {
        default_settings(s);
    }
    derive_angles(s);
}

bool save_settings(const CInit& s, const std::string& path) {
    const std::string tmp = path + ".tmp";
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        warn(path, "open");
        return false;
    }
    const bool written = write_all(fd, &s, kSettingsSize) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        warn(path, "write");
        ::unlink(tmp.c_str());
        return false;
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0) {
        warn(path, "rename");
        ::unlink(tmp.c_str());
        return false;
    }
    return true;
}

std::string shortest_decimal(double v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
    return std::string(buf, r.ptr);
}

std::optional<double> parse_decimal(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::nullopt;
    const auto last = text.find_last_not_of(" \t");
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    if (*begin == '+' && end - begin > 1 && begin[1] != '-' && begin[1] != '+') ++begin;
    double v = 0;
    const auto r = std::from_chars(begin, end, v, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != end || !std::isfinite(v)) return std::nullopt;
    return v;
}
