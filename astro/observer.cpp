#include "observer.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "apsides.h"
#include "extremum.h"
#include "frames.h"
#include "series.h"

namespace astro {

namespace {

constexpr double kEccentricitySquared = 0.00669438;
constexpr double kOneMinusE2 = 0.99330562;
constexpr double kDatumOffsetKm[3] = {-0.136, 0.521, 0.681};
constexpr double kMoonSemidiameterRefraction = 35.8 / 60.0;  // degrees
// The horizon turns with the stars: 15 deg per hour of mean solar time times the sidereal rate.
constexpr double kSiderealDegPerHour = 15.0 * kSiderealRate;

// Equator-to-horizon matrix R_y(90 - latitude) * R_z(theta); x south, y east, z zenith.
void horizon_matrix(double theta_deg, double latitude_deg, Mat3 out) {
    const double m = theta_deg * kDegToRad;
    const double o = (90.0 - latitude_deg) * kDegToRad;
    const double cm = std::cos(m), sm = std::sin(m), co = std::cos(o), so = std::sin(o);
    const double r[3][3] = {{co * cm, co * sm, -so}, {-sm, cm, 0}, {so * cm, so * sm, co}};
    mat_copy(r, out);
}

// The datum-shifted observer position rotated by the Greenwich angle g into the equator of date.
void observer_of_date(const CalcContext& ctx, double g_deg, Vec3 out) {
    const double g = g_deg * kDegToRad;
    const double cg = std::cos(g), sg = std::sin(g);
    out[0] = cg * ctx.obs_xd - sg * ctx.obs_yd;
    out[1] = sg * ctx.obs_xd + cg * ctx.obs_yd;
    out[2] = ctx.obs_zd;
}

// Geocentric ecliptic direction times distance, to the equator, less the observer,
// normalised and turned into the horizon frame. Returns the topocentric distance.
double topocentric(const Vec3 ecliptic_unit, double distance_km, const Mat3 ecl_to_equ,
                   const Vec3 observer, const Mat3 equ_to_hor, Vec3 out) {
    Vec3 equ;
    mat_vec(ecl_to_equ, ecliptic_unit, equ);
    for (int k = 0; k < 3; ++k) equ[k] = equ[k] * distance_km - observer[k];
    const double r = std::sqrt(equ[0] * equ[0] + equ[1] * equ[1] + equ[2] * equ[2]);
    if (r > 0)
        for (double& c : equ) c /= r;
    mat_vec(equ_to_hor, equ, out);
    return r;
}

// A body's geocentric place: ecliptic unit vector of date and distance in km.
struct BodyPlace {
    Vec3 unit;
    double distance_km;
};

void sun_unit(double longitude_deg, Vec3 out) {
    const double l = longitude_deg * kDegToRad;
    out[0] = std::cos(l);
    out[1] = std::sin(l);
    out[2] = 0;
}

void moon_unit(double longitude_deg, double latitude_deg, Vec3 out) {
    const double l = longitude_deg * kDegToRad, b = latitude_deg * kDegToRad;
    out[0] = std::cos(b) * std::cos(l);
    out[1] = std::cos(b) * std::sin(l);
    out[2] = std::sin(b);
}

// The geometric Sun, as the event search samples it.
void sun_place(double T, BodyPlace& out) {
    sun_unit(sun_longitude(T), out.unit);
    out.distance_km = sun_distance(T) * kAuKm;
}

void moon_place(double T, BodyPlace& out) {
    moon_unit(moon_longitude(T), moon_latitude(T), out.unit);
    out.distance_km = moon_distance_km(moon_parallax(T));
}

bool rises_through(double z_prev, double z, double threshold) { return z_prev < threshold && threshold <= z; }
bool sets_through(double z_prev, double z, double threshold) { return z < threshold && threshold <= z_prev; }

// The horizon matrix and observer vector i hours after the moment.
struct StepFrame {
    Mat3 equ_to_hor;
    Vec3 observer;
};

// The frames of the hourly samples 1 ... kEventSteps, shared by the Sun and the Moon.
struct StepFrames {
    StepFrame at[kEventSteps + 1];
};

void step_frames(const CalcContext& ctx, StepFrames& out) {
    for (int i = 1; i <= kEventSteps; ++i) {
        const double advance = kSiderealDegPerHour * i;
        horizon_matrix(ctx.local_apparent_sidereal + advance, ctx.horizon_latitude, out.at[i].equ_to_hor);
        observer_of_date(ctx, ctx.gmst_deg + advance, out.at[i].observer);
    }
}

// One altitude threshold and where its upward and downward crossings are stored. The
// found flags are null for the Moon, whose absent events keep kNoMoonEvent.
struct EventSlot {
    double threshold;  // sine of the altitude
    double* rise;
    double* set;
    bool* rise_found;
    bool* set_found;
    double* rise_first;  // the first of two crossings the same way
    double* set_first;
};

// A crossing in time order: the last is kept, and the first where there are two.
void record(double hour, double* time, bool* found, double* first) {
    const bool had = found != nullptr ? *found : *time != kNoMoonEvent;
    if (had && std::isnan(*first)) *first = *time;
    *time = hour;
    if (found != nullptr) *found = true;
}

// The body's altitude sine less a threshold, `hours` after the moment, exactly as the
// hourly samples take it (sky_place turns the moment's frame with the stars as they do).
struct AboveThreshold {
    const CalcContext& ctx;
    Luminary body;
    double threshold;
    double operator()(double hours) const { return sky_place(ctx, body, hours).horizon[2] - threshold; }
};

// The crossing between hours a and b, to the second. Where the moment's own sample (the
// apparent Sun) and this one differ on which side a crossing within seconds of the moment
// lies, the nearer end is the crossing.
double crossing_between(const AboveThreshold& f, double a, double b) {
    const double fa = f(a), fb = f(b);
    if ((fa < 0) == (fb < 0)) return std::fabs(fa) <= std::fabs(fb) ? a : b;
    return sign_change_between(f, a, b, kOneSecondInHours);
}

// A turn at sample i - 1 just short of the threshold (a peak just below it, or a dip just
// above it) may hide a crossing and its return between samples i - 2 and i: the Sun showing
// for minutes at the end of the polar night, or dipping below at the end of the polar day.
void look_into_turn(const AboveThreshold& f, int i, double before, double prev, double now, const EventSlot& s) {
    const bool peak = before < prev && prev > now && prev < 0 && prev > -kGrazingSine;
    const bool dip = before > prev && prev < now && prev >= 0 && prev < kGrazingSine;
    if (!peak && !dip) return;
    const double turn = lowest_between([&f, dip](double h) { return dip ? f(h) : -f(h); }, i - 2, i, kOneSecondInHours);
    const double at_turn = f(turn);
    if (peak && at_turn >= 0) {
        record(crossing_between(f, i - 2, turn), s.rise, s.rise_found, s.rise_first);
        record(crossing_between(f, turn, i), s.set, s.set_found, s.set_first);
    } else if (dip && at_turn < 0) {
        record(crossing_between(f, i - 2, turn), s.set, s.set_found, s.set_first);
        record(crossing_between(f, turn, i), s.rise, s.rise_found, s.rise_first);
    }
}

// The last crossing of each threshold in the coming day: found between hourly samples from
// the body's altitude sine z0 now, then refined to the second on the same altitude.
template <std::size_t N>
void search_events(const CalcContext& ctx, const StepFrames& frames, const Mat3 ecl_to_equ, Luminary body,
                   void (*place_at)(double, BodyPlace&), double z0, const EventSlot (&slots)[N]) {
    double z_before = NAN, z_prev = z0;
    for (int i = 1; i <= kEventSteps; ++i) {
        const double Ti = ctx.t2000 + i / 24.0 / kDaysPerCentury;
        BodyPlace place;
        place_at(Ti, place);
        Vec3 hor;
        topocentric(place.unit, place.distance_km, ecl_to_equ, frames.at[i].observer, frames.at[i].equ_to_hor,
                    hor);
        const double z = hor[2];
        for (const EventSlot& s : slots) {
            const AboveThreshold f{ctx, body, s.threshold};
            if (rises_through(z_prev, z, s.threshold))
                record(crossing_between(f, i - 1, i), s.rise, s.rise_found, s.rise_first);
            if (sets_through(z_prev, z, s.threshold))
                record(crossing_between(f, i - 1, i), s.set, s.set_found, s.set_first);
            if (i >= 2) look_into_turn(f, i, z_before - s.threshold, z_prev - s.threshold, z - s.threshold, s);
        }
        z_before = z_prev;
        z_prev = z;
    }
}

void reset_events(CalcContext& ctx) {
    ctx.sunrise = ctx.sunset = ctx.twilight_begin = ctx.twilight_end = 0;
    ctx.moonrise = ctx.moonset = kNoMoonEvent;
    ctx.sunrise_found = ctx.sunset_found = false;
    ctx.twilight_begin_found = ctx.twilight_end_found = false;
    ctx.sunrise_first = ctx.sunset_first = ctx.twilight_begin_first = ctx.twilight_end_first = NAN;
    ctx.moonrise_first = ctx.moonset_first = NAN;
}

}  // namespace

double twilight_sine(Twilight kind) {
    constexpr double kSines[kTwilightKinds] = {-0.10452846326765347,  // sin(-6 deg)
                                               -0.20791169081775934,  // sin(-12 deg)
                                               kTwilightSine};
    return kSines[static_cast<int>(kind)];
}

double twilight_depression_deg(Twilight kind) {
    constexpr double kDegrees[kTwilightKinds] = {6, 12, 18};
    return kDegrees[static_cast<int>(kind)];
}

double moon_distance_km(double parallax_deg) { return kEarthRadiusKm / std::sin(parallax_deg * kDegToRad); }

void set_observer(CalcContext& ctx, double latitude, double longitude, double height) {
    ctx.latitude = latitude;
    ctx.longitude = longitude;
    ctx.height = height;
    const double phi = latitude * kDegToRad, lambda = longitude * kDegToRad;
    const double h = height * 0.001;
    const double sphi = std::sin(phi);
    const double n = kEarthRadiusKm / std::sqrt(1 - kEccentricitySquared * sphi * sphi);
    ctx.obs_x = std::cos(lambda) * std::cos(phi) * (n + h);
    ctx.obs_y = std::sin(lambda) * std::cos(phi) * (n + h);
    ctx.obs_z = sphi * (n * kOneMinusE2 + h);
    ctx.obs_xd = ctx.obs_x + kDatumOffsetKm[0];
    ctx.obs_yd = ctx.obs_y + kDatumOffsetKm[1];
    ctx.obs_zd = ctx.obs_z + kDatumOffsetKm[2];
}

void orient_observer(CalcContext& ctx) {
    ctx.horizon_latitude = ctx.latitude;
    ctx.local_mean_sidereal = ctx.gmst_deg + ctx.longitude;
    ctx.local_apparent_sidereal = ctx.gast_deg + ctx.longitude;
    horizon_matrix(ctx.local_apparent_sidereal, ctx.horizon_latitude, ctx.equ_to_hor_matrix);
    mat_transpose(ctx.equ_to_hor_matrix, ctx.hor_to_equ_matrix);
    observer_of_date(ctx, ctx.gmst_deg, ctx.observer_vector);
    ctx.local_solar_hour = ctx.longitude * 24 / 360 + ctx.ut_hours;
}

void compute_sun_and_moon(CalcContext& ctx) {
    reset_events(ctx);
    Mat3 ecl_to_equ;
    ecliptic_to_equator(ctx.mean_obliquity + ctx.nut_obliquity, ecl_to_equ);

    // The frame pass has evaluated the Sun's series for this moment already.
    const double T = ctx.t2000;
    const double moon_lon = ctx.moon_longitude = moon_longitude(T);
    const double moon_lat = ctx.moon_latitude = moon_latitude(T);
    const double parallax = ctx.moon_parallax = moon_parallax(T);
    const double apparent_sun = apparent_sun_longitude(ctx.sun_longitude, T);

    Vec3 unit;
    sun_unit(apparent_sun, unit);
    topocentric(unit, ctx.sun_distance * kAuKm, ecl_to_equ, ctx.observer_vector, ctx.equ_to_hor_matrix,
                ctx.sun_horizon_vector);
    ctx.moon_phase_angle = moon_phase_angle(moon_lon, apparent_sun);

    Vec3& moon_hor = ctx.moon_horizon_vector;
    moon_unit(moon_lon, moon_lat, unit);
    topocentric(unit, moon_distance_km(parallax), ecl_to_equ, ctx.observer_vector,
                ctx.equ_to_hor_matrix, moon_hor);
    const double altitude = std::asin(std::clamp(moon_hor[2], -1.0, 1.0)) / kDegToRad;
    ctx.moon_up_flag = altitude + kMoonSemidiameterRefraction;

    StepFrames frames;
    step_frames(ctx, frames);
    const EventSlot sun_slots[] = {
        {kSunriseSine, &ctx.sunrise, &ctx.sunset, &ctx.sunrise_found, &ctx.sunset_found, &ctx.sunrise_first,
         &ctx.sunset_first},
        {ctx.twilight_sine, &ctx.twilight_begin, &ctx.twilight_end, &ctx.twilight_begin_found, &ctx.twilight_end_found,
         &ctx.twilight_begin_first, &ctx.twilight_end_first},
    };
    search_events(ctx, frames, ecl_to_equ, Luminary::kSun, sun_place, ctx.sun_horizon_vector[2], sun_slots);
    // The Moon is searched over the same 24 hourly steps, so its coming day is complete too.
    const EventSlot moon_slots[] = {
        {kMoonriseSine, &ctx.moonrise, &ctx.moonset, nullptr, nullptr, &ctx.moonrise_first, &ctx.moonset_first}};
    search_events(ctx, frames, ecl_to_equ, Luminary::kMoon, moon_place, moon_hor[2], moon_slots);
}

SkyPlace sky_place(const CalcContext& ctx, Luminary body, double hours, bool apparent) {
    const double T = ctx.t2000 + hours / 24.0 / kDaysPerCentury;
    BodyPlace place;
    if (body == Luminary::kSun) {
        const double geometric = sun_longitude(T);
        sun_unit(apparent ? apparent_sun_longitude(geometric, T) : geometric, place.unit);
        place.distance_km = sun_distance(T) * kAuKm;
    } else {
        // The Moon's longitude takes the same nutation term as the Sun's apparent one.
        moon_unit(moon_longitude(T) + (apparent ? nutation_main_term(T) : 0), moon_latitude(T), place.unit);
        place.distance_km = moon_distance_km(moon_parallax(T));
    }
    const double advance = kSiderealDegPerHour * hours;
    Mat3 ecl_to_equ, equ_to_hor;
    ecliptic_to_equator(ctx.mean_obliquity + ctx.nut_obliquity, ecl_to_equ);
    horizon_matrix(ctx.local_apparent_sidereal + advance, ctx.horizon_latitude, equ_to_hor);
    Vec3 observer;
    observer_of_date(ctx, ctx.gmst_deg + advance, observer);
    SkyPlace out;
    out.distance_km = topocentric(place.unit, place.distance_km, ecl_to_equ, observer, equ_to_hor, out.horizon);
    return out;
}

// From the minute pass's Moon.
MoonNow moon_now(const CalcContext& ctx) {
    const Vec3& h = ctx.moon_horizon_vector;
    const double altitude = std::asin(std::clamp(h[2], -1.0, 1.0)) / kDegToRad;
    const double azimuth = floor_mod(std::atan2(h[1], -h[0]) / kDegToRad, 360.0);  // x points south
    const double sine = std::sin(ctx.moon_parallax * kDegToRad);
    return {altitude, azimuth, sine > 0 ? kParallaxRadiusKm / sine : NAN};
}

void set_time_and_orient(CalcContext& ctx, double year, double month, double day, double hour,
                         double minute, double second) {
    set_time(ctx, year, month, day, hour, minute, second);
    orient_observer(ctx);
    compute_sun_and_moon(ctx);
}

}  // namespace astro
