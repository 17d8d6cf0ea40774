// Writes tests/data/eclipses.csv and tests/data/sky_crossings.csv from Astronomy Engine
// 2.1.19 (npm "astronomy-engine", MIT licence), an ephemeris independent of the clock's:
//   npm install astronomy-engine@2.1.19 && node tests/tools/make_sky_reference.mjs
import { writeFileSync } from 'node:fs';
import * as Astronomy from 'astronomy-engine';

const kTwoYearsDays = 2 * 365.25;
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

// The next lunar and local solar eclipse within two years of each start, for each place.
const eclipses = ['place,lat,lon,height,start_utc,lunar_kind,lunar_peak_utc,moon_altitude,' +
                  'solar_kind,obscuration,solar_begin_utc,solar_peak_utc,solar_end_utc,sun_altitude'];
for (let year = 2026; year <= 2040; year += 1.5) {
  const start = Astronomy.MakeTime(new Date(Date.UTC(Math.floor(year), year % 1 ? 6 : 0, 1)));
  for (const [name, lat, lon, h] of places) {
    const obs = new Astronomy.Observer(lat, lon, h);
    const lunar = Astronomy.SearchLunarEclipse(start);
    const l = days(start, lunar.peak) <= kTwoYearsDays
      ? [lunar.kind, iso(lunar.peak), altitude(Astronomy.Body.Moon, lunar.peak, obs).toFixed(2)] : ['none', '', ''];
    const solar = Astronomy.SearchLocalSolarEclipse(start, obs);
    const s = days(start, solar.partial_begin.time) <= kTwoYearsDays
      ? [solar.kind, solar.obscuration.toFixed(4), iso(solar.partial_begin.time), iso(solar.peak.time),
         iso(solar.partial_end.time), solar.peak.altitude.toFixed(2)] : ['none', '', '', '', '', ''];
    eclipses.push([name, lat, lon, h, iso(start), ...l, ...s].join(','));
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
writeFileSync('tests/data/sky_crossings.csv', crossings.join('\n') + '\n');
