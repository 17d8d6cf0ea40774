#include "planets.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "context.h"
#include "frames.h"
#include "observer.h"
#include "planet_tables.h"
#include "series.h"

namespace astro {

namespace {

constexpr double kMoonRadiusKm = 1738.0;
constexpr double kPlanetAberration = 0.00569;   // deg AU

struct BodyConstants {
    double radius_km;
    double light_time;  // deg AU
};

constexpr BodyConstants kBodyConstants[kPluto + 1] = {
    {696000, 0},      {2440, 0.00347},  {6052, 0.00484},  {6378, 0},       {3397, 0.007},
    {71492, 0.01298}, {60268, 0.01756}, {25559, 0.0249},  {24764, 0.03121}, {1137, 0.03461},
};

struct PlanetSeries {
    double L0;  // deg
    double n;   // deg per century
    double R0;  // AU
    std::span<const SeriesTerm> L, B, R;
};

constexpr PlanetSeries kSeries[kPluto + 1] = {
    {},
    {252.2502, 149474.0714, 0.395283, kMercuryLTerms, kMercuryBTerms, kMercuryRTerms},
    {181.9793, 58519.2125, 0.723348, kVenusLTerms, kVenusBTerms, kVenusRTerms},
    {},
    {355.4472, 19141.6999, 1.530339, kMarsLTerms, kMarsBTerms, kMarsRTerms},
    {34.39356, 3036.08406, 5.209105, kJupiterLTerms, kJupiterBTerms, kJupiterRTerms},
    {49.97937, 1224.04687, 9.554001, kSaturnLTerms, kSaturnBTerms, kSaturnRTerms},
    {313.33676, 428.7288, 19.203034, kUranusLTerms, kUranusBTerms, kUranusRTerms},
    {0, 219.93503, 30.073033, kNeptuneLTerms, kNeptuneBTerms, kNeptuneRTerms},
    {241.82574, 179.09519, 38.662489, kPlutoLTerms, kPlutoBTerms, kPlutoRTerms},
};

// The heliocentric series of one planet (kMercury ... kPluto, not kEarth): longitude in
// [0, 360) and latitude in degrees, radius in AU.
double planet_longitude(Body planet, double T) {
    const PlanetSeries& s = kSeries[planet];
    double base = floor_mod(s.n * T, 360.0) + s.L0;
    if (planet == kMercury) base = floor_mod(base, 360.0);
    return floor_mod(series_sum(base, s.L, T), 360.0);
}

double planet_latitude(Body planet, double T) { return series_sum(0.0, kSeries[planet].B, T); }

double planet_radius(Body planet, double T) {
    return series_sum(kSeries[planet].R0, kSeries[planet].R, T);
}

double positive_angle(double deg) { return floor_mod(deg, 360.0); }

// Going back in time the elongation falls by 10.8 to 14.5 deg a day and never rises but
// at new moon, so the first E / 15.5 days (less one for the nutation in E) need no look.
int days_before_new_moon_surely(double elongation) {
    constexpr double kFastestElongationDegPerDay = 15.5;
    if (!(elongation >= 0 && elongation < 360)) return 0;
    return std::max(0, static_cast<int>(elongation / kFastestElongationDegPerDay) - 1);
}

double diameter_arcsec(double radius_km, double distance_km) {
    return 2 * 3600 * std::asin(radius_km / distance_km) / kDegToRad;
}

struct Frames {
    double mean[3][3];       // mean ecliptic to mean equator of date
    double true_eq[3][3];    // true ecliptic to true equator of date
    double to_j2000[3][3];   // mean equator of date back to J2000.0 after `mean`
};

void set_pairs(PlanetEntry& e, double lon, const Frames& f) {
    e.eq_a = equatorial_pair(lon, e.geo_lat, f.mean);
    e.eq_b = equatorial_pair(lon, e.geo_lat, f.to_j2000);
}

// The Sun's and Moon's series and the nutation at the moment of the pass.
struct MomentSeries {
    double d_psi, d_eps;  // deg
    double sun_lon, sun_dist;
    double moon_lon, moon_lat, moon_parallax;
};

MomentSeries evaluate_moment(double T) {
    return {nutation_longitude(T) / 3600, nutation_obliquity(T) / 3600, sun_longitude(T), sun_distance(T),
            moon_longitude(T),           moon_latitude(T),              moon_parallax(T)};
}

void fill_sun(PlanetEntry& sun, const MomentSeries& m, const CPlnt_Data& d, const Frames& f) {
    sun.helio_lon = sun.geo_lon = m.sun_lon;
    sun.helio_lat = sun.geo_lat = 0;
    sun.helio_dist = sun.geo_dist = m.sun_dist;
    sun.app_lon = sun.geo_lon - kSunAberrationDeg;
    set_pairs(sun, sun.app_lon, f);
    sun.app_lon += d.d_psi;
    sun.eq_c = equatorial_pair(sun.app_lon, sun.geo_lat, f.true_eq);
}

void fill_earth(PlanetEntry& earth, const PlanetEntry& sun) {
    earth.helio_lon = positive_angle(sun.helio_lon - 180);
    earth.helio_lat = 0;
    earth.helio_dist = sun.helio_dist;
}

void fill_planet(PlanetEntry& p, Body b, double T, const PlanetEntry& sun, const CPlnt_Data& d,
                 const Frames& f) {
    const double L = planet_longitude(b, T), B = planet_latitude(b, T), R = planet_radius(b, T);
    p.helio_lon = L;
    p.helio_lat = B;
    p.helio_dist = R;
    const double l0 = sun.geo_lon * kDegToRad, r0 = sun.geo_dist;
    const double x = R * std::cos(B * kDegToRad) * std::cos(L * kDegToRad) + r0 * std::cos(l0);
    const double y = R * std::cos(B * kDegToRad) * std::sin(L * kDegToRad) + r0 * std::sin(l0);
    const double z = R * std::sin(B * kDegToRad);
    p.geo_lon = std::atan2(y, x) / kDegToRad;
    p.geo_lat = std::atan2(z, std::sqrt(x * x + y * y)) / kDegToRad;
    p.geo_dist = std::sqrt(x * x + y * y + z * z);
    const double lam = p.geo_lon;
    p.app_lon = lam - kPlanetAberration * std::cos((lam - sun.geo_lon) * kDegToRad) / r0 -
                kBodyConstants[b].light_time * std::cos((lam - L) * kDegToRad) / R;
    set_pairs(p, p.app_lon, f);
    p.app_lon += d.d_psi;
    p.eq_c = equatorial_pair(p.app_lon, p.geo_lat, f.true_eq);
    p.diameter = static_cast<float>(diameter_arcsec(kBodyConstants[b].radius_km, p.geo_dist * kAuKm));
    p.elongation = positive_angle(L - sun.helio_lon);
}

void fill_moon(PlanetEntry& moon, const MomentSeries& m, const PlanetEntry& sun, const CPlnt_Data& d,
               const Frames& f) {
    moon.app_lon = m.moon_lon;
    moon.helio_lon = moon.geo_lon = moon.app_lon - d.d_psi;
    moon.helio_lat = moon.geo_lat = m.moon_lat;
    moon.helio_dist = m.moon_parallax;
    moon.eq_c = equatorial_pair(moon.app_lon, moon.geo_lat, f.true_eq);
    set_pairs(moon, moon.geo_lon, f);
    moon.geo_dist = moon_distance_km(moon.helio_dist);
    moon.diameter = static_cast<float>(diameter_arcsec(kMoonRadiusKm, moon.geo_dist));
    moon.elongation = positive_angle(moon.geo_lon - sun.geo_lon);
}

void compute_from(CPlnt_Data& d, double T, const MomentSeries& m) {
    const PrecessionAngles prec = precession_angles(T);
    d.zeta = prec.zeta;
    d.z = prec.z;
    d.theta = prec.theta;
    d.eps = mean_obliquity(T);
    d.d_psi = m.d_psi;
    d.d_eps = m.d_eps;

    Frames f;
    ecliptic_to_equator(d.eps, f.mean);
    ecliptic_to_equator(d.eps + d.d_eps, f.true_eq);
    Mat3 back;
    inv_precession_matrix(d.zeta, d.z, d.theta, back);
    mat_mul(back, f.mean, f.to_j2000);

    PlanetEntry& sun = d.body[kSun];
    fill_sun(sun, m, d, f);
    fill_earth(d.body[kEarth], sun);
    fill_moon(d.body[kMoon], m, sun, d, f);
    for (Body b : {kMercury, kVenus, kMars, kJupiter, kSaturn, kUranus, kNeptune, kPluto})
        fill_planet(d.body[b], b, T, sun, d, f);
    sun.diameter = static_cast<float>(diameter_arcsec(kBodyConstants[kSun].radius_km, sun.geo_dist * kAuKm));
    sun.elongation = 0;

    d.moon_age = moon_age_days(d.body[kMoon].elongation, T);
}

}  // namespace

EquatorialPair equatorial_pair(double lon_deg, double lat_deg, const double m[3][3]) {
    const double l = lon_deg * kDegToRad, b = lat_deg * kDegToRad;
    const Vec3 v = {std::cos(b) * std::cos(l), std::cos(b) * std::sin(l), std::sin(b)};
    Vec3 e;
    mat_vec(m, v, e);
    const double r = std::sqrt(e[0] * e[0] + e[1] * e[1] + e[2] * e[2]);
    if (r == 0) return {0, 0};
    double ra = std::atan2(e[1], e[0]) / kDegToRad;
    if (ra < 0) ra += 360;
    return {ra, std::asin(e[2] / r) / kDegToRad};
}

double moon_age_days(double elongation, double T) {
    const auto elongation_before = [T](int i) {
        const double ti = T - i / kDaysPerCentury;
        const double e = moon_longitude(ti) - sun_longitude(ti);
        return e < 0 ? e + 360 : e;
    };
    return moon_age_search(elongation, elongation_before, days_before_new_moon_surely(elongation));
}

void compute(CPlnt_Data& d, double T) { compute_from(d, T, evaluate_moment(T)); }

void compute(CPlnt_Data& d, const CalcContext& ctx) {
    const MomentSeries m{ctx.nut_longitude, ctx.nut_obliquity, ctx.sun_longitude, ctx.sun_distance,
                         ctx.moon_longitude, ctx.moon_latitude, ctx.moon_parallax};
    compute_from(d, ctx.t2000, m);
}

}  // namespace astro
