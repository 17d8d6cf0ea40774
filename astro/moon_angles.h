// Which way the Moon's lit side points in the observer's sky: the position angle of its
// bright limb (Meeus, Astronomical Algorithms, 2nd ed., eq. 48.5), the parallactic angle
// (eq. 14.1), and the two together for the moment of a context.
#pragma once

#include "context.h"

namespace astro {

// Position angle of the Moon's bright limb, degrees in [0, 360) from north through east,
// from the Sun's and the Moon's right ascension and declination (degrees).
double bright_limb_angle(double sun_ra_deg, double sun_dec_deg, double moon_ra_deg, double moon_dec_deg);

// Parallactic angle of a body at hour angle `hour_angle_deg` and declination `dec_deg` for an
// observer at `latitude_deg`, degrees in (-180, 180]: the angle at the body between the
// directions to the celestial north pole and to the zenith.
double parallactic_angle(double hour_angle_deg, double dec_deg, double latitude_deg);

// The bright limb's direction measured from the observer's zenith through east (left on a
// picture with the zenith up), degrees in [0, 360), for the context's moment and place.
// Geocentric apparent positions; the Moon's topocentric shift moves this by well under a
// degree.
double bright_limb_from_zenith(const CalcContext& ctx);

}  // namespace astro
