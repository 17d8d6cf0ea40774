// What the time tests share: the process's zone set for one test, and an instant from a
// UTC reading.
#pragma once

#include <cstdlib>
#include <ctime>
#include <string>

// The process's time zone (TZ) for one test, put back after it.
struct ZoneScope {
    explicit ZoneScope(const std::string& zone) {
        const char* old = std::getenv("TZ");
        had = old != nullptr;
        if (had) saved = old;
        setenv("TZ", zone.c_str(), 1);
        tzset();
    }
    ~ZoneScope() {
        had ? setenv("TZ", saved.c_str(), 1) : unsetenv("TZ");
        tzset();
    }
    ZoneScope(const ZoneScope&) = delete;
    ZoneScope& operator=(const ZoneScope&) = delete;

    bool had = false;
    std::string saved;
};

inline std::time_t utc(int y, int mo, int d, int h = 12, int mi = 0, int s = 0) {
    std::tm t{};
    t.tm_year = y - 1900;
    t.tm_mon = mo - 1;
    t.tm_mday = d;
    t.tm_hour = h;
    t.tm_min = mi;
    t.tm_sec = s;
    return timegm(&t);
}
