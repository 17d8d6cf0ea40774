// Writes astro/vsop87b_earth.h: the Earth's heliocentric ecliptic longitude, latitude and
// distance as VSOP87B gives them (Bretagnon & Francou 1988, A&A 202, 309; J2000 ecliptic and
// equinox), truncated to the terms that can matter from 1900 to 2100, for the equinoxes and
// solstices, which want the Sun's longitude to the arcsecond.
//
// Source: astro/source/vsop87Bearth.js, the complete VSOP87B Earth series as the npm package
// astronomia@4.3.0 ships it (https://registry.npmjs.org/astronomia/-/astronomia-4.3.0.tgz),
// MIT licence (astro/source/LICENSE).
//
// Run from the repository's top folder:  node astro/tools/make_vsop87b_earth.mjs
import { writeFileSync } from 'node:fs';
import series from '../source/vsop87Bearth.js';

const kMillennia = 0.1;     // 1900 to 2100 lie within a tenth of a millennium of J2000
const kSmallest = 5e-9;     // rad (0.001"), or AU: a term smaller than this over the span is left out
const lines = [
  '// The Earth\'s heliocentric position, VSOP87B (Bretagnon & Francou 1988, A&A 202, 309): ecliptic',
  '// longitude and latitude (rad) and distance (AU), J2000 ecliptic and equinox, each a sum over',
  '// powers of t (Julian millennia of TT from J2000) of A cos(B + C t). Truncated to the terms whose',
  `// size over 1900 to 2100 reaches ${kSmallest}. Made by astro/tools/make_vsop87b_earth.mjs from the`,
  '// complete series in astro/source; do not edit.',
  '#pragma once',
  '',
  '#include <span>',
  '',
  'namespace astro::vsop87b {',
  '',
  'struct Term {',
  '    double a, b, c;',
  '};',
  '',
];
let kept = 0;
for (const name of ['L', 'B', 'R']) {
  const powers = [];
  for (const [power, terms] of Object.entries(series[name])) {
    const big = terms.filter(([a]) => a * kMillennia ** Number(power) >= kSmallest);
    if (big.length === 0) continue;
    kept += big.length;
    const id = `k${name}${power}`;
    lines.push(`inline constexpr Term ${id}[] = {`);
    for (const [a, b, c] of big) lines.push(`    {${a}, ${b}, ${c}},`);
    lines.push('};');
    powers.push(id);
  }
  lines.push(`inline constexpr std::span<const Term> k${name}[] = {${powers.join(', ')}};`, '');
}
lines.push('}  // namespace astro::vsop87b', '');
writeFileSync('astro/vsop87b_earth.h', lines.join('\n'));
console.log(`${kept} terms`);
