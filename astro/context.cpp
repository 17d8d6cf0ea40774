#include "context.h"

#include <algorithm>
#include <cmath>


namespace astro {

namespace {

// Shared by julian_day (integer year and month) and compute_jd (the record's doubles).
double calendar_to_jd(double year, double month, double day) {
    double y = year;
    double m = month;
    if (m <= 2) {
        y -= 1;
        m += 12;
    }
    double b = 0;
    const bool gregorian = y > 1582 || (y == 1582 && (m > 10 || (m == 10 && day >= 15)));
    if (gregorian) {
        const double a = std::floor(y / 100);
        b = 2 - a + std::floor(a / 4);
    }
    return std::floor(365.25 * y) + std::floor(30.6001 * (m + 1)) + day + 1720994.5 + b;
}

bool gregorian_leap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Delta T at the start of 1975 ... 1989, whole seconds: the observed values of the
// Astronomical Almanac's Delta T table, rounded.
constexpr int kDeltaTTable[] = {46, 47, 48, 49, 50, 51, 52, 53, 54, 54, 55, 55, 56, 56, 57};
constexpr int kDeltaTFirstYear = 1975;
constexpr int kDaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// Schmadel & Zech 1979 (Acta Astron. 29, 101), the 12th-degree fit for 1800 ... 1975:
// polynomial in centuries from 1900 January 0.5, result in days.
double delta_t_polynomial(int year, int month, double day) {
    constexpr double kCoefficients[] = {-0.000029, 0.001233,  0.003081, -0.013867, -0.020446,
                                        0.076929,  0.075456,  -0.200097, -0.159732, 0.247433,
                                        0.185489,  -0.117389, -0.089491};
    const double c = (julian_day(year, month, day) - 2415020.0) / kDaysPerCentury;
    double sum = 0;
    double power = 1;
    for (double k : kCoefficients) {
        sum += k * power;
        power *= c;
    }
    return kSecondsPerDay * sum;
}

}  // namespace

double julian_day(int year, int month, double day) { return calendar_to_jd(year, month, day); }

double delta_t_seconds(int year, int month, double day) {
    // A month outside 1..12 is carried into the year, as the calendar formula does.
    const int shift = (month >= 1) ? (month - 1) / 12 : -((12 - month) / 12);
    year += shift;
    month -= 12 * shift;

    if (year < 1800) return 0.0;
    if (year <= 1974) return delta_t_polynomial(year, month, day);

    const int leap = (month >= 3 && gregorian_leap(year)) ? 1 : 0;
    const double g = (kDaysBeforeMonth[month - 1] + day + leap) / 365.25;
    if (year <= 1988) {
        const int i = year - kDeltaTFirstYear;
        return (1 - g) * kDeltaTTable[i] + g * kDeltaTTable[i + 1];
    }
    return 58 + 0.8 * (year - 1990 + g);  // linear extrapolation from 58 s in 1990, 0.8 s a year
}

double ut_julian_day(const CalcContext& ctx) { return ctx.jd - ctx.delta_t / kSecondsPerDay; }

std::optional<std::time_t> unix_time_of(double jd_ut) {
    constexpr double kFirstJd = 1721425.5, kLastJd = 5373484.5;  // 0001-01-01 and 10000-01-01
    if (!std::isfinite(jd_ut) || jd_ut < kFirstJd || jd_ut >= kLastJd) return std::nullopt;
    return static_cast<std::time_t>(std::floor((jd_ut - kUnixEpochJd) * kSecondsPerDay));
}

double ut_hours_of(const CalcContext& ctx, double extra_seconds) {
    return ctx.hour - ctx.tz_hours + ctx.minute / 60 + (ctx.second + extra_seconds) / 3600;
}

double compute_jd(CalcContext& ctx) {
    const double day_fraction = ut_hours_of(ctx, ctx.delta_t) / 24;  // TT hours: UT plus Delta T
    ctx.jd = calendar_to_jd(ctx.year, ctx.month, ctx.day) + day_fraction;
    return ctx.jd;
}

EventTime day_event(const CalcContext& ctx, DayEvent e) {
    switch (e) {
        case DayEvent::kSunrise: return {ctx.sunrise, ctx.sunrise_found, ctx.sunrise_first};
        case DayEvent::kSunset: return {ctx.sunset, ctx.sunset_found, ctx.sunset_first};
        case DayEvent::kTwilightBegin: return {ctx.twilight_begin, ctx.twilight_begin_found, ctx.twilight_begin_first};
        case DayEvent::kTwilightEnd: return {ctx.twilight_end, ctx.twilight_end_found, ctx.twilight_end_first};
        case DayEvent::kMoonrise: return {ctx.moonrise, ctx.moonrise != kNoMoonEvent, ctx.moonrise_first};
        case DayEvent::kMoonset: return {ctx.moonset, ctx.moonset != kNoMoonEvent, ctx.moonset_first};
    }
    return {0, false};
}

}  // namespace astro
