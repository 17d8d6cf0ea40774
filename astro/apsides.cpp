#include "apsides.h"

#include <cmath>

#include "context.h"
#include "extremum.h"
#include "series.h"
#include "vecmath.h"

namespace astro {

namespace {

constexpr double kStepDays = 0.25;       // the distance turns once in about 14 days
constexpr double kSearchDays = 32;       // more than an anomalistic month (27.55 days)
constexpr double kPrecisionDays = 1.0 / 1440;  // a minute

}  // namespace

double moon_geocentric_km(double T) { return kParallaxRadiusKm / std::sin(moon_parallax(T) * kDegToRad); }

// Stepped from the moment until a turn of each kind is bracketed, then narrowed by golden
// sections. Delta T is taken as constant over the month searched.
NextApsides next_apsides(double jd_ut, double delta_t_seconds) {
    const double dt_days = delta_t_seconds / kSecondsPerDay;
    const auto km = [&](double jd) { return moon_geocentric_km((jd + dt_days - kJ2000) / kDaysPerCentury); };
    NextApsides out{{NAN, NAN}, {NAN, NAN}};
    const auto found = [](const Apsis& a) { return !std::isnan(a.jd_ut); };
    // From a step before the moment, so that a turn within the first step is bracketed too;
    // one that has passed already is not kept.
    double before = km(jd_ut - kStepDays), now = km(jd_ut);
    for (double d = kStepDays; d <= kSearchDays && !(found(out.perigee) && found(out.apogee)); d += kStepDays) {
        const double after = km(jd_ut + d);
        const double a = jd_ut + d - 2 * kStepDays, b = jd_ut + d;
        if (now < before && now <= after && !found(out.perigee)) {
            const double at = lowest_between(km, a, b, kPrecisionDays);
            if (at > jd_ut) out.perigee = {at, km(at)};
        } else if (now > before && now >= after && !found(out.apogee)) {
            const double at = lowest_between([&](double jd) { return -km(jd); }, a, b, kPrecisionDays);
            if (at > jd_ut) out.apogee = {at, km(at)};
        }
        before = now;
        now = after;
    }
    return out;
}

}  // namespace astro
