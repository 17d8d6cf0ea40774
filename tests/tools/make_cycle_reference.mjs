// Writes tests/data/apsides.csv, sun_altitudes.csv and moon_now.csv from Astronomy Engine
// 2.1.19 (npm "astronomy-engine", MIT licence), an ephemeris independent of the clock's:
//   npm install astronomy-engine@2.1.19 && node tests/tools/make_cycle_reference.mjs
import { writeFileSync } from 'node:fs';
import * as Astronomy from 'astronomy-engine';

const iso = (t) => t.date.toISOString().replace(/\.\d+Z$/, 'Z');
const at = (y, m, d, h = 0) => Astronomy.MakeTime(new Date(Date.UTC(y, m - 1, d, h)));

// Every perigee and apogee from 2000 to 2050, with the Moon's distance from the Earth's centre.
const apsides = ['kind,utc,distance_km'];
for (let a = Astronomy.SearchLunarApsis(at(2000, 1, 1)); a.time.date.getUTCFullYear() < 2051;
     a = Astronomy.NextLunarApsis(a))
  apsides.push([a.kind === Astronomy.ApsisKind.Pericenter ? 'perigee' : 'apogee', iso(a.time), a.dist_km.toFixed(1)].join(','));
writeFileSync('tests/data/apsides.csv', apsides.join('\n') + '\n');

// The first rise and the first set of the Sun's centre (topocentric, unrefracted) through
// each altitude within a day of each start: four latitudes in each hemisphere, the four
// seasons, and 60 and 69 degrees north in the polar summer.
const places = [
  ['quito', -0.18, -78.47, 2850], ['singapore', 1.35, 103.82, 15], ['cairo', 30.04, 31.24, 23],
  ['sydney', -33.87, 151.21, 20], ['berlin', 52.52, 13.4, 34], ['wellington', -41.29, 174.78, 20],
  ['helsinki', 60.17, 24.94, 10], ['ushuaia', -54.8, -68.3, 20], ['tromso', 69.65, 18.96, 10],
];
const dates = [[3, 20], [6, 21], [9, 23], [12, 21], [5, 15], [7, 30]];
// Golden hour's upper edge: 6 degrees as seen, less Bennett's refraction there.
const goldenTop = 6 - 1 / Math.tan((6 + 7.31 / 10.4) * Math.PI / 180) / 60;
const altitudes = [-18, -12, -6, -4, goldenTop];
const crossings = ['place,lat,lon,height,start_utc,altitude_deg,rise_utc,set_utc'];
for (const [name, lat, lon, h] of places) {
  const obs = new Astronomy.Observer(lat, lon, h);
  for (const [m, d] of dates) {
    const start = at(2027, m, d, (12 - lon / 15 + 24 + 6) % 24 | 0);  // six hours after local noon
    for (const alt of altitudes) {
      const rise = Astronomy.SearchAltitude(Astronomy.Body.Sun, obs, +1, start, 1, alt);
      const set = Astronomy.SearchAltitude(Astronomy.Body.Sun, obs, -1, start, 1, alt);
      crossings.push([name, lat, lon, h, iso(start), alt.toFixed(4), rise ? iso(rise) : '', set ? iso(set) : ''].join(','));
    }
  }
}
writeFileSync('tests/data/sun_altitudes.csv', crossings.join('\n') + '\n');

// Where the Moon stands at each of those starts: its topocentric centre's unrefracted
// altitude and azimuth, and its distance from the Earth's centre.
const moon = ['place,lat,lon,height,start_utc,altitude_deg,azimuth_deg,distance_km'];
for (const [name, lat, lon, h] of places) {
  const obs = new Astronomy.Observer(lat, lon, h);
  for (const [m, d] of dates) {
    const start = at(2027, m, d, (12 - lon / 15 + 24 + 6) % 24 | 0);
    const e = Astronomy.Equator(Astronomy.Body.Moon, start, obs, true, true);
    const hor = Astronomy.Horizon(start, obs, e.ra, e.dec);
    const km = Astronomy.GeoMoon(start).Length() * Astronomy.KM_PER_AU;
    moon.push([name, lat, lon, h, iso(start), hor.altitude.toFixed(3), hor.azimuth.toFixed(3), km.toFixed(1)].join(','));
  }
}
writeFileSync('tests/data/moon_now.csv', moon.join('\n') + '\n');
