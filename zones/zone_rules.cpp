#include "zone_rules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cctype>
#include <iterator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kMaxZoneFile = 1 << 20;  // real ones are a few kilobytes
constexpr std::size_t kHeaderSize = 44;         // RFC 8536 section 3.1
constexpr std::int32_t kSecondsPerHour = 3600;

std::uint32_t be32(const std::string& b, std::size_t at) {
    return (std::uint32_t{static_cast<unsigned char>(b[at])} << 24) |
           (std::uint32_t{static_cast<unsigned char>(b[at + 1])} << 16) |
           (std::uint32_t{static_cast<unsigned char>(b[at + 2])} << 8) | static_cast<unsigned char>(b[at + 3]);
}

std::int64_t be64(const std::string& b, std::size_t at) {
    return static_cast<std::int64_t>((std::uint64_t{be32(b, at)} << 32) | be32(b, at + 4));
}

bool usable_name(const std::string& name) {
    constexpr std::size_t kMaxName = 64;
    if (name.empty() || name.size() > kMaxName || name.front() == '/' || name.back() == '/') return false;
    if (name.find("//") != std::string::npos || name.front() == '.' || name.find("/.") != std::string::npos)
        return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '/' || c == '_' || c == '+' || c == '-';
    });
}

// POSIX TZ rule parsing (IEEE Std 1003.1, 8.3), for the footer of a TZif file.
class PosixReader {
public:
    explicit PosixReader(const std::string& s) : s(s) {}

    std::optional<ZoneRules::Posix> read() {
        ZoneRules::Posix p;
        if (!zone_name()) return std::nullopt;
        const auto std_off = offset();
        if (!std_off) return std::nullopt;
        p.std_offset_s = -*std_off;  // POSIX counts west of Greenwich
        if (at == s.size()) return p;
        if (!zone_name()) return std::nullopt;
        p.has_dst = true;
        p.dst_offset_s = p.std_offset_s + kSecondsPerHour;
        if (at < s.size() && s[at] != ',') {
            const auto dst_off = offset();
            if (!dst_off) return std::nullopt;
            p.dst_offset_s = -*dst_off;
        }
        if (!take(',') || !date(p.start) || !take(',') || !date(p.end) || at != s.size()) return std::nullopt;
        return p;
    }

private:
    bool take(char c) {
        if (at < s.size() && s[at] == c) {
            ++at;
            return true;
        }
        return false;
    }
    bool zone_name() {
        const std::size_t from = at;
        if (take('<')) {
            while (at < s.size() && s[at] != '>') ++at;
            return take('>') && at - from > 2;
        }
        while (at < s.size() && std::isalpha(static_cast<unsigned char>(s[at]))) ++at;
        return at - from >= 3;
    }
    std::optional<int> number() {
        const std::size_t from = at;
        int v = 0;
        while (at < s.size() && std::isdigit(static_cast<unsigned char>(s[at])) && at - from < 3) v = v * 10 + (s[at++] - '0');
        return at > from ? std::optional<int>(v) : std::nullopt;
    }
    // [+-]hh[:mm[:ss]] in seconds.
    std::optional<std::int32_t> offset() {
        const bool negative = take('-');
        if (!negative) take('+');
        const auto h = number();
        if (!h) return std::nullopt;
        std::int32_t v = *h * kSecondsPerHour;
        if (take(':')) {
            const auto m = number();
            if (!m) return std::nullopt;
            v += *m * 60;
            if (take(':')) {
                const auto sec = number();
                if (!sec) return std::nullopt;
                v += *sec;
            }
        }
        return negative ? -v : v;
    }
    bool date(ZoneRules::Posix::Date& d) {
        if (!take('M')) return false;  // the Julian-day forms are not used by tzdata
        const auto m = number();
        if (!m || !take('.')) return false;
        const auto w = number();
        if (!w || !take('.')) return false;
        const auto wd = number();
        if (!wd || *m < 1 || *m > 12 || *w < 1 || *w > 5 || *wd > 6) return false;
        d = {*m, *w, *wd, 2 * kSecondsPerHour};
        if (take('/')) {
            const auto t = offset();
            if (!t) return false;
            d.time_s = *t;
        }
        return true;
    }

    const std::string& s;
    std::size_t at = 0;
};

// Days from 1970-01-01 to a civil date (H. Hinnant's days_from_civil).
std::int64_t days_from_civil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// The UTC instant of a rule's change in year y, given the offset in force before it.
std::int64_t change_instant(const ZoneRules::Posix::Date& d, std::int64_t y, std::int32_t offset_before_s) {
    const std::int64_t first = days_from_civil(y, d.month, 1);
    const int first_weekday = static_cast<int>(((first % 7) + 11) % 7);  // 1970-01-01 was a Thursday
    std::int64_t day = first + (d.weekday - first_weekday + 7) % 7 + 7 * (d.week - 1);
    const int month_days = static_cast<int>(days_from_civil(d.month == 12 ? y + 1 : y, d.month == 12 ? 1 : d.month + 1, 1) - first);
    while (day - first >= month_days) day -= 7;  // week 5: the last such weekday
    return day * 86400 + d.time_s - offset_before_s;
}

// The civil year of a day count from 1970-01-01.
std::int64_t year_of(std::int64_t days) {
    constexpr double kDaysPerYear = 365.2425;
    std::int64_t y = 1970 + static_cast<std::int64_t>(std::floor(static_cast<double>(days) / kDaysPerYear));
    while (days_from_civil(y, 1, 1) > days) --y;
    while (days_from_civil(y + 1, 1, 1) <= days) ++y;
    return y;
}

// The rule's type at t: its year on the standard clock decides the two changes.
ZoneRules::Type footer_type(const ZoneRules::Posix& p, std::int64_t t) {
    if (!p.has_dst) return {p.std_offset_s, false};
    constexpr std::int64_t kSecondsPerDay = 86400;
    const std::int64_t local = t + p.std_offset_s;
    const std::int64_t y = year_of(local >= 0 ? local / kSecondsPerDay : (local - kSecondsPerDay + 1) / kSecondsPerDay);
    const std::int64_t start = change_instant(p.start, y, p.std_offset_s);
    const std::int64_t end = change_instant(p.end, y, p.dst_offset_s);
    const bool in_dst = start < end ? (t >= start && t < end) : !(t >= end && t < start);
    return in_dst ? ZoneRules::Type{p.dst_offset_s, true} : ZoneRules::Type{p.std_offset_s, false};
}

}  // namespace

std::optional<ZoneRules> parse_tzif(const std::string& b) {
    if (b.size() < kHeaderSize || b.compare(0, 4, "TZif") != 0) return std::nullopt;
    const auto counts = [&](std::size_t at) {
        return std::array<std::uint64_t, 6>{be32(b, at + 20), be32(b, at + 24), be32(b, at + 28),
                                            be32(b, at + 32), be32(b, at + 36), be32(b, at + 40)};
    };
    // isutcnt, isstdcnt, leapcnt, timecnt, typecnt, charcnt
    auto c = counts(0);
    const bool v2 = b[4] != '\0';
    std::size_t at = kHeaderSize;
    std::size_t time_size = 4;
    if (v2) {
        at += c[3] * 4 + c[3] + c[4] * 6 + c[5] + c[2] * 8 + c[1] + c[0];
        if (at + kHeaderSize > b.size() || b.compare(at, 4, "TZif") != 0) return std::nullopt;
        c = counts(at);
        at += kHeaderSize;
        time_size = 8;
    }
    const std::uint64_t data = c[3] * time_size + c[3] + c[4] * 6 + c[5] + c[2] * (time_size + 4) + c[1] + c[0];
    if (c[4] == 0 || c[4] > 256 || data > b.size() - at) return std::nullopt;
    ZoneRules z;
    for (std::uint64_t i = 0; i < c[3]; ++i, at += time_size)
        z.transitions.push_back(time_size == 8 ? be64(b, at) : static_cast<std::int32_t>(be32(b, at)));
    for (std::uint64_t i = 0; i < c[3]; ++i, ++at) {
        const auto type = static_cast<std::uint8_t>(b[at]);
        if (type >= c[4]) return std::nullopt;
        z.type_after.push_back(type);
    }
    for (std::uint64_t i = 0; i < c[4]; ++i, at += 6)
        z.types.push_back({static_cast<std::int32_t>(be32(b, at)), b[at + 4] != '\0'});
    at += c[5] + c[2] * (time_size + 4) + c[1] + c[0];
    if (v2 && at < b.size() && b[at] == '\n') {
        const std::size_t end = b.find('\n', at + 1);
        if (end != std::string::npos) z.footer = PosixReader(b.substr(at + 1, end - at - 1)).read();
    }
    if (!std::is_sorted(z.transitions.begin(), z.transitions.end())) return std::nullopt;
    return z;
}

// A regular file is read; anything else under a zone's name (a FIFO, a device) is never
// waited on.
std::optional<ZoneRules> load_zone_rules(const std::string& name, const std::string& zoneinfo_dir) {
    if (!usable_name(name)) return std::nullopt;
    const int fd = ::open((zoneinfo_dir + "/" + name).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    std::string bytes;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        char buf[4096];
        for (ssize_t n; bytes.size() <= kMaxZoneFile && (n = ::read(fd, buf, sizeof buf)) > 0;)
            bytes.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (bytes.empty() || bytes.size() > kMaxZoneFile) return std::nullopt;
    return parse_tzif(bytes);
}

ZoneRules::Type zone_type_at(const ZoneRules& z, std::time_t t) {
    const auto after = std::upper_bound(z.transitions.begin(), z.transitions.end(), std::int64_t{t});
    if (after == z.transitions.end() && z.footer && !z.transitions.empty()) return footer_type(*z.footer, t);
    if (after == z.transitions.begin()) {
        // Before the first transition: the first standard type (RFC 8536, 3.2).
        const auto first_std = std::find_if(z.types.begin(), z.types.end(), [](const auto& ty) { return !ty.dst; });
        return first_std != z.types.end() ? *first_std : z.types.front();
    }
    return z.types[z.type_after[static_cast<std::size_t>(after - z.transitions.begin()) - 1]];
}
