#!/usr/bin/env python3
"""Builds places/place_table.cpp, the compiled-in list of the world's populated places.

Source: places/source/cities15000.txt.xz and countryInfo.txt.xz, the GeoNames gazetteer's
"cities15000" dump (every populated place of 15,000 people or more, with coordinates,
elevation, population and IANA time zone) as the npm package cities15000@0.0.1 ships it
(https://registry.npmjs.org/cities15000/-/cities15000-0.0.1.tgz), licensed CC BY 3.0 by
GeoNames (places/source/LICENSE). Zone names that are now links are replaced by the zone
they link to, as the tzdata of the machine that runs this script has them.

Run from the repository's top folder:  python3 places/tools/make_places.py
"""
import lzma
import os
import sys
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
SOURCE = os.path.join(ROOT, "source")
OUT = os.path.join(ROOT, "place_table.cpp")
TZDATA_ZI = "/usr/share/zoneinfo/tzdata.zi"

ALTERNATES_FROM_POPULATION = 250_000  # other spellings kept for the larger places only
FOLD_RANGES = [(0x80, 0x250), (0x1E00, 0x1F00)]  # Latin letters the search folds to ASCII
SPECIAL = {"ß": "ss", "æ": "ae", "œ": "oe", "ø": "o", "đ": "d", "ł": "l", "þ": "th", "ð": "d",
           "ı": "i", "ħ": "h", "ŧ": "t", "ŋ": "n", "ĸ": "k", "ŀ": "l", "ǆ": "dz", "ǉ": "lj",
           "ǌ": "nj", "ʼ": "", "ǀ": ""}
PUNCTUATION = {"-": " ", "'": "", "`": "", ".": "", "’": "", "‘": ""}


def fold_char(ch):
    """What one character becomes in a search key; the C++ side uses the same table."""
    if ch in PUNCTUATION:
        return PUNCTUATION[ch]
    if ord(ch) < 0x80:
        return ch.lower()
    low = ch.lower()
    if len(low) != 1:
        low = ch
    if low in SPECIAL:
        return SPECIAL[low]
    if any(a <= ord(ch) < b for a, b in FOLD_RANGES):
        plain = "".join(c for c in unicodedata.normalize("NFKD", low) if not unicodedata.combining(c))
        plain = "".join(SPECIAL.get(c, c) for c in plain)
        if plain.isascii():
            return plain.lower()
    return ch


def fold(text):
    return " ".join("".join(fold_char(c) for c in text).split())


def is_latin(text):
    return all(ord(c) < 0x250 or 0x1E00 <= ord(c) < 0x1F00 or c in "’‘" for c in text)


def read_lines(name):
    with lzma.open(os.path.join(SOURCE, name), "rt", encoding="utf-8") as f:
        return [line.rstrip("\n") for line in f]


def zone_links():
    links = {}
    if os.path.exists(TZDATA_ZI):
        for line in open(TZDATA_ZI, encoding="utf-8"):
            parts = line.split()
            if len(parts) == 3 and parts[0] == "L":
                links[parts[2]] = parts[1]
    return links


def countries():
    out = {}
    for line in read_lines("countryInfo.txt.xz"):
        if line.startswith("#") or not line.strip():
            continue
        cols = line.split("\t")
        out[cols[0]] = cols[4]
    return out


def places(country_names, links):
    rows = []
    for line in read_lines("cities15000.txt.xz"):
        c = line.split("\t")
        name, ascii_name, alternates = c[1], c[2], c[3]
        country, population, zone = c[8], int(c[14] or 0), links.get(c[17], c[17])
        if not zone or country not in country_names:
            continue
        height = c[15] if c[15] else c[16]
        height = int(height) if height and int(height) != -9999 else None
        key = fold(name)
        alts = []
        spellings = [ascii_name]
        if population >= ALTERNATES_FROM_POPULATION:
            spellings += alternates.split(",")
        for a in spellings:
            k = fold(a)
            if (a and is_latin(a) and len(k) > 2 and not any(ch.isdigit() for ch in a)
                    and k != key and k not in alts):
                alts.append(k)
        rows.append(dict(name=name, key=key, alts=alts, country=country, zone=zone,
                         lat=round(float(c[4]) * 1e5), lon=round(float(c[5]) * 1e5),
                         height=height, population=population))
    rows.sort(key=lambda r: (-r["population"], r["name"]))
    return rows


class Text:
    """All strings of the table in one block, each ended by a NUL, each stored once."""

    def __init__(self):
        self.pieces, self.at, self.size = [], {}, 0

    def add(self, s):
        if s not in self.at:
            self.at[s] = self.size
            self.pieces.append(s)
            self.size += len(s.encode("utf-8")) + 1
        return self.at[s]


def c_string(s):
    return '"' + s.replace("\\", "\\\\").replace('"', '\\"') + '\\0"'


def fold_table():
    """Code point -> key text for every Latin letter the search folds (C++ side)."""
    entries = []
    for a, b in FOLD_RANGES:
        for cp in range(a, b):
            ch = chr(cp)
            if unicodedata.category(ch)[0] not in "LP" and ch not in PUNCTUATION:
                continue
            folded = fold_char(ch)
            if folded != ch and folded.isascii():
                entries.append((cp, folded))
    for ch in "’‘":
        entries.append((ord(ch), PUNCTUATION[ch]))
    return sorted(entries)


def main():
    links = zone_links()
    names = countries()
    rows = places(names, links)
    text = Text()
    zones = sorted({r["zone"] for r in rows})
    codes = sorted({r["country"] for r in rows})
    zone_index = {z: i for i, z in enumerate(zones)}
    code_index = {c: i for i, c in enumerate(codes)}
    alt_keys = []
    out = []
    w = out.append
    w("// Generated by places/tools/make_places.py from the GeoNames gazetteer (CC BY 3.0,")
    w("// see places/source). Do not edit: run the script.")
    w('#include "place_table.h"')
    w("")
    w("// One block of text, far longer than the 4095 characters a compiler must take at least.")
    w('#pragma GCC diagnostic ignored "-Woverlength-strings"')
    w("")
    w("namespace places::table {")
    w("")
    row_lines = []
    for r in rows:
        first = len(alt_keys)
        alt_keys += [text.add(k) for k in r["alts"]]
        height = r["height"] if r["height"] is not None else "kNoHeight"
        row_lines.append("    {%d, %d, %d, %d, %d, %d, %d, %d, %d, %s}," % (
            text.add(r["name"]), text.add(r["key"]), first, r["population"], r["lat"], r["lon"],
            len(r["alts"]), zone_index[r["zone"]], code_index[r["country"]], height))
    zone_offsets = [text.add(z) for z in zones]
    country_lines = ["    {%d, %d, %d, %d}," % (text.add(c), text.add(names[c]), text.add(c.lower()),
                                                 text.add(fold(names[c]))) for c in codes]
    w("const Row kRows[] = {")
    out += row_lines
    w("};")
    w("const std::size_t kRowCount = std::size(kRows);")
    w("")
    w("const std::uint32_t kAltKeys[] = {")
    for i in range(0, len(alt_keys), 12):
        w("    " + " ".join("%d," % k for k in alt_keys[i:i + 12]))
    w("};")
    w("")
    w("const std::uint32_t kZones[] = {")
    for i in range(0, len(zone_offsets), 12):
        w("    " + " ".join("%d," % k for k in zone_offsets[i:i + 12]))
    w("};")
    w("const std::size_t kZoneCount = std::size(kZones);")
    w("")
    w("const Country kCountries[] = {")
    out += country_lines
    w("};")
    w("const std::size_t kCountryCount = std::size(kCountries);")
    w("")
    w("const FoldEntry kFold[] = {")
    for cp, folded in fold_table():
        w('    {0x%04X, "%s"},' % (cp, folded))
    w("};")
    w("const std::size_t kFoldCount = std::size(kFold);")
    w("")
    w("const char kText[] =")
    line = "    "
    for piece in text.pieces:
        lit = c_string(piece)
        if len(line) + len(lit) > 110:
            w(line.rstrip())
            line = "    "
        line += lit + " "
    w(line.rstrip() + ";")
    w("")
    w("}  // namespace places::table")
    with open(OUT, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")
    print("%d places, %d other spellings, %d zones, %d countries, %d bytes of text -> %s" % (
        len(rows), len(alt_keys), len(zones), len(codes), text.size, os.path.relpath(OUT)), file=sys.stderr)


if __name__ == "__main__":
    main()
