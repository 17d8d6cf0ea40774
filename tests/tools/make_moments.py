#!/usr/bin/env python3
"""Writes tests/data/almanac_moments.txt: the reference moments of reference_events.csv and
200 seeded moments (years 1800-2200, latitudes -90..90), one almanac_dump input line each.
The file and the tool's output for it (almanac_golden.jsonl) pin the engine bit for bit."""
import csv
import pathlib
import random

data = pathlib.Path(__file__).resolve().parent.parent / "data"
keys = ["year", "month", "day", "hour", "minute", "second", "tz", "lat", "lon", "height"]
lines = []
with open(data / "reference_events.csv", newline="") as f:
    for row in csv.DictReader(f):
        lines.append(" ".join(row[k] for k in keys))
rng = random.Random(20261209)
for _ in range(200):
    lat = rng.choice([-90.0, 90.0]) if rng.random() < 0.05 else round(rng.uniform(-90, 90), 4)
    lines.append(" ".join(str(v) for v in [
        rng.randint(1800, 2200), rng.randint(1, 12), rng.randint(1, 28), rng.randint(0, 23),
        rng.randint(0, 59), rng.randint(0, 59), rng.choice([-12, -5, -3.5, 0, 1, 5.5, 9, 12.75, 14]),
        lat, round(rng.uniform(-180, 180), 4), rng.choice([0, 0, 35, 1500, 4200])]))
(data / "almanac_moments.txt").write_text("\n".join(lines) + "\n")
