// Writes tests/data/eclipses.csv, sky_crossings.csv and day_events.csv from Astronomy Engine
// 2.1.19 (npm "astronomy-engine", MIT licence), an ephemeris independent of the clock's:
//   npm install astronomy-engine@2.1.19 && node tests/tools/make_sky_reference.mjs
import { writeFileSync } from 'node:fs';
import * as Astronomy from 'astronomy-engine';

const kSearchDays = 25 * 365.25;  // the clock's eclipse search
const places = [
  ['tromso', 69.6492, 18.9553, 10], ['reykjavik', 64.1466, -21.9426, 20], ['london', 51.5074, -0.1278, 25],
  ['madrid', 40.4168, -3.7038, 657], ['new-york', 40.7128, -74.006, 10], ['mexico-city', 19.4326, -99.1332, 2240],
  ['sydney', -33.8688, 151.2093, 20], ['tokyo', 35.6762, 139.6503, 40], ['cairo', 30.0444, 31.2357, 23],
  ['nairobi', -1.2921, 36.8219, 1795], ['santiago', -33.4489, -70.6693, 570], ['honolulu', 21.3069, -157.8583, 5],
  ['anchorage', 61.2181, -149.9003, 30], ['mumbai', 19.076, 72.8777, 14],
];
const iso = (t) => t.date.toISOString().replace(/\.\d+Z$/, 'Z');
const days = (a, b) => b.ut - a.ut;
const altitude = (body, t, obs) => {
  const e = Astronomy.Equator(body, t, obs, true, true);
  return Astronomy.Horizon(t, obs, e.ra, e.dec).altitude;  // no refraction
};

// The next lunar and local solar eclipse within 25 years of each start, for each place.
const kMinute = 1 / 1440;
// The Moon counts as up where its centre is above the moonrise altitude, -0.597 degrees.
const kMoonriseDeg = Math.asin(-0.01041) * 180 / Math.PI;
const eclipses = ['place,lat,lon,height,start_utc,lunar_kind,lunar_peak_utc,moon_altitude,moon_up,' +
                  'solar_kind,obscuration,solar_begin_utc,solar_peak_utc,solar_end_utc,sun_altitude'];
// An eclipse in progress at the start is the one the clock shows: `inProgress` is it.
const eclipseRow = (name, lat, lon, h, start, inProgress) => {
  const obs = new Astronomy.Observer(lat, lon, h);
  const lunar = Astronomy.SearchLunarEclipse(start);
  const moonAltitude = altitude(Astronomy.Body.Moon, lunar.peak, obs);
  const l = days(start, lunar.peak) <= kSearchDays
    ? [lunar.kind, iso(lunar.peak), moonAltitude.toFixed(2), moonAltitude > kMoonriseDeg ? 1 : 0] : ['none', '', '', ''];
  const solar = inProgress ?? Astronomy.SearchLocalSolarEclipse(start, obs);
  const s = days(start, solar.partial_begin.time) <= kSearchDays
    ? [solar.kind, solar.obscuration.toFixed(4), iso(solar.partial_begin.time), iso(solar.peak.time),
       iso(solar.partial_end.time), solar.peak.altitude.toFixed(2)] : ['none', '', '', '', '', ''];
  eclipses.push([name, lat, lon, h, iso(start), ...l, ...s].join(','));
};
for (let year = 2026; year <= 2040; year += 1.5) {
  const start = Astronomy.MakeTime(new Date(Date.UTC(Math.floor(year), year % 1 ? 6 : 0, 1)));
  for (const [name, lat, lon, h] of places) eclipseRow(name, lat, lon, h, start);
}
// The edges: each lunar eclipse to 2045, and each penumbral one to 2099, from three days
// before (the faint ones near the node limit among them); each to 2045 from twenty minutes
// after its peak; each place from
// halfway between the peak and the end of its next solar eclipse (one in progress); and the
// place on the equator where the Moon stands between the moonrise altitude and 0 at the
// peak of 2026-03-03.
for (let e = Astronomy.SearchLunarEclipse(Astronomy.MakeTime(new Date(Date.UTC(2026, 0, 1))));
     e.peak.date.getUTCFullYear() < 2100; e = Astronomy.NextLunarEclipse(e.peak)) {
  if (e.peak.date.getUTCFullYear() >= 2046 && e.kind !== 'penumbral') continue;  // after 2045 the faint ones only
  eclipseRow('london', 51.5074, -0.1278, 25, e.peak.AddDays(-3));
  if (e.peak.date.getUTCFullYear() < 2046) eclipseRow('london', 51.5074, -0.1278, 25, e.peak.AddDays(20 * kMinute));
}
for (const [name, lat, lon, h] of places) {
  const solar = Astronomy.SearchLocalSolarEclipse(Astronomy.MakeTime(new Date(Date.UTC(2026, 0, 1))),
                                                  new Astronomy.Observer(lat, lon, h));
  eclipseRow(name, lat, lon, h, solar.peak.time.AddDays((solar.partial_end.time.ut - solar.peak.time.ut) / 2), solar);
}
const marchPeak = Astronomy.SearchLunarEclipse(Astronomy.MakeTime(new Date(Date.UTC(2026, 0, 1)))).peak;
for (let lon = -180; lon < 180; lon += 0.01) {
  const a = altitude(Astronomy.Body.Moon, marchPeak, new Astronomy.Observer(0, lon, 0));
  if (a > kMoonriseDeg + 0.2 && a < -0.2) {
    eclipseRow('equator-moonrise', 0, +lon.toFixed(2), 0, Astronomy.MakeTime(new Date(Date.UTC(2026, 0, 1))));
    break;
  }
}
writeFileSync('tests/data/eclipses.csv', eclipses.join('\n') + '\n');

// Days without a rise or a set: for each place and start, the next sunrise, sunset,
// moonrise and moonset within 190 days, wherever one of them is more than a day away. A
// rise or set is where the centre's topocentric altitude, unrefracted, passes the clock's
// threshold: -0.847 degrees for the Sun, -0.597 for the Moon.
const kThresholdDeg = { sun: Math.asin(-0.01478) * 180 / Math.PI, moon: Math.asin(-0.01041) * 180 / Math.PI };
const crossings = ['place,lat,lon,height,start_utc,body,event,next_utc'];
const kinds = [['sun', Astronomy.Body.Sun], ['moon', Astronomy.Body.Moon]];
const polar = [['tromso', 69.6492, 18.9553, 10], ['longyearbyen', 78.2232, 15.6267, 10],
               ['utqiagvik', 71.2906, -156.7887, 10], ['mcmurdo', -77.8419, 166.6863, 10],
               ['murmansk', 68.9585, 33.0827, 50], ['london', 51.5074, -0.1278, 25]];
for (const [name, lat, lon, h] of polar) {
  const obs = new Astronomy.Observer(lat, lon, h);
  for (let d = 0; d < 730; d += 9) {
    const start = Astronomy.MakeTime(new Date(Date.UTC(2026, 11, 21 + d, 12 - Math.round(lon / 15))));
    for (const [body, b] of kinds) {
      const events = [['rise', +1], ['set', -1]].map(([e, dir]) => [e, Astronomy.SearchAltitude(b, obs, dir, start, 190, kThresholdDeg[body])]);
      if (events.every(([, t]) => t && days(start, t) < 1)) continue;
      for (const [e, t] of events) crossings.push([name, lat, lon, h, iso(start), body, e, t ? iso(t) : ''].join(','));
    }
  }
}
// The edges, along a meridian a fifth of a degree apart: the first sunrise after the polar
// night and the first sunset after the polar day, from starts whose hourly samples fall half
// an hour either side of noon and midnight, where the Sun shows (or dips) for minutes between
// two of them; and the days that lack only one of the two, from between the last sunrise and
// sunset before the polar night, and the last sunset and sunrise before the polar day.
const kMeridian = 18.9553;
const sunAt = (obs, dir, from, limit) => Astronomy.SearchAltitude(Astronomy.Body.Sun, obs, dir, from, limit, kThresholdDeg.sun);
const sunRows = (lat, obs, start) => {
  for (const [e, dir] of [['rise', +1], ['set', -1]]) {
    const t = sunAt(obs, dir, start, 190);
    crossings.push(['meridian', lat.toFixed(1), kMeridian, 0, iso(start), 'sun', e, t ? iso(t) : ''].join(','));
  }
};
// The last event of one kind before the other stays away for more than a day and a half.
const lastBefore = (obs, dir, from) => {
  for (let t = sunAt(obs, dir, from, 90); t && days(from, t) < 90; t = sunAt(obs, dir, t.AddDays(kMinute), 90)) {
    const other = sunAt(obs, -dir, t, 190);
    if (!other || days(t, other) > 1.5) return t;
  }
  return null;
};
for (let lat = 66.8; lat <= 71.01; lat += 0.2) {
  const obs = new Astronomy.Observer(+lat.toFixed(1), kMeridian, 0);
  sunRows(lat, obs, Astronomy.MakeTime(new Date(Date.UTC(2026, 11, 21, 11, 24))));
  sunRows(lat, obs, Astronomy.MakeTime(new Date(Date.UTC(2027, 5, 21, 11, 24))));
  for (const [dir, from] of [[-1, Date.UTC(2026, 10, 1)], [+1, Date.UTC(2027, 3, 15)]]) {
    const last = lastBefore(obs, dir, Astronomy.MakeTime(new Date(from)));
    const before = last && sunAt(obs, -dir, last.AddDays(-1), 1);  // the other event, earlier that day
    if (before) sunRows(lat, obs, before.AddDays(days(before, last) / 2));
  }
}
writeFileSync('tests/data/sky_crossings.csv', crossings.join('\n') + '\n');

// The day's events at high latitudes: from each start, the last sunrise, sunset, twilight
// beginning and end and moonrise and moonset within 24 hours (the clock lists the last of
// each), at the clock's thresholds (-18.06 degrees for twilight), or none. From 55 to 78
// degrees in both hemispheres, at solstices, equinoxes and the days between, with starts at
// several hours, so that many crossings are grazing ones.
kThresholdDeg.twilight = Math.asin(-0.31) * 180 / Math.PI;
const lastWithinDay = (b, obs, dir, start, threshold) => {
  let last = null;
  for (let t = Astronomy.SearchAltitude(b, obs, dir, start, 1, threshold); t && days(start, t) <= 1;
       t = Astronomy.SearchAltitude(b, obs, dir, t.AddDays(1 / 1440), 1 - days(start, t) - 1 / 1440, threshold))
    last = t;
  return last;
};
const dayEvents = ['lat,lon,height,start_utc,event,utc'];
const kEvents = [['sunrise', Astronomy.Body.Sun, +1, 'sun'], ['sunset', Astronomy.Body.Sun, -1, 'sun'],
                 ['twilight_begin', Astronomy.Body.Sun, +1, 'twilight'], ['twilight_end', Astronomy.Body.Sun, -1, 'twilight'],
                 ['moonrise', Astronomy.Body.Moon, +1, 'moon'], ['moonset', Astronomy.Body.Moon, -1, 'moon']];
for (const lat of [55, 58.5, 60.2, 62, 64.1, 66, 67.3, 68.9, 70.4, 72, 74.5, 76, 78]) {
  for (const sign of [+1, -1]) {
    const lon = sign > 0 ? 24.94 : -68.3;
    const obs = new Astronomy.Observer(sign * lat, lon, 0);
    for (const [month, day, hour] of [[0, 20, 6], [2, 20, 13], [3, 25, 20], [5, 21, 2], [7, 10, 9], [8, 22, 17],
                                      [10, 5, 22], [11, 21, 4]]) {
      const start = Astronomy.MakeTime(new Date(Date.UTC(2027, month, day, hour, 17)));
      for (const [name, b, dir, kind] of kEvents) {
        const t = lastWithinDay(b, obs, dir, start, kThresholdDeg[kind]);
        dayEvents.push([sign * lat, lon, 0, iso(start), name, t ? iso(t) : ''].join(','));
      }
    }
  }
}
writeFileSync('tests/data/day_events.csv', dayEvents.join('\n') + '\n');
