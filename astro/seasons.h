// The equinoxes and solstices: when the Sun's apparent longitude reaches 0, 90, 180 and
// 270 degrees.
#pragma once

#include <cstddef>

namespace astro {

enum class SeasonStart { kMarchEquinox, kJuneSolstice, kSeptemberEquinox, kDecemberSolstice };
inline constexpr std::size_t kSeasonStarts = 4;

// The Sun's apparent geocentric ecliptic longitude of date, degrees in [0, 360), at T
// (Julian centuries of TT): the Earth's VSOP87B position (good to the arcsecond, finer than
// the frames' own series) precessed to the date, with the IAU 1980 nutation and the annual
// aberration.
double sun_apparent_longitude(double T);

// The next equinox or solstice after jd_ut (UT Julian day): which, and when (UT Julian day).
struct Season {
    SeasonStart kind;
    double jd_ut;
};
Season next_season(double jd_ut);

}  // namespace astro
