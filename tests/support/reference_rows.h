// Rows of the reference files in tests/data, and the engine set up at a row's place and start.
#pragma once

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "almanac.h"
#include "observer.h"

namespace {

using Row = std::map<std::string, std::string>;

std::vector<Row> read_csv(const std::string& name) {
    std::ifstream file(std::string(ORBALIS_TEST_DATA) + "/" + name);
    const auto split = [](const std::string& line) {
        std::vector<std::string> cells;
        std::stringstream in(line + ",");
        for (std::string cell; std::getline(in, cell, ',');) cells.push_back(cell);
        return cells;
    };
    std::string line;
    while (std::getline(file, line) && line.starts_with("#")) {
    }  // a comment above the header
    const std::vector<std::string> header = split(line);
    std::vector<Row> rows;
    while (std::getline(file, line)) {
        const std::vector<std::string> cells = split(line);
        Row r;
        for (std::size_t i = 0; i < header.size() && i < cells.size(); ++i) r[header[i]] = cells[i];
        rows.push_back(r);
    }
    return rows;
}

// "2026-03-03T11:33:40Z" as a UT Julian day.
double jd_of(const std::string& iso) {
    int y, mo, d, h, mi, s;
    if (std::sscanf(iso.c_str(), "%d-%d-%dT%d:%d:%dZ", &y, &mo, &d, &h, &mi, &s) != 6) return NAN;
    return astro::julian_day(y, mo, d + (h + mi / 60.0 + s / 3600.0) / 24);
}

// The engine set up at the row's place and start, zone 0.
[[maybe_unused]] astro::CalcContext context_at(const Row& r) {
    astro::CalcContext ctx;
    ctx.tz_hours = 0;
    astro::set_observer(ctx, std::stod(r.at("lat")), std::stod(r.at("lon")), std::stod(r.at("height")));
    int y, mo, d, h, mi, s;
    std::sscanf(r.at("start_utc").c_str(), "%d-%d-%dT%d:%d:%dZ", &y, &mo, &d, &h, &mi, &s);
    ctx.delta_t = astro::delta_t_seconds(y, mo, d);
    astro::set_time_and_orient(ctx, y, mo, d, h, mi, s);
    return ctx;
}

// The engine started at the row's place and start, zone 0, with the day's events.
[[maybe_unused]] astro::CalcContext started_at(const Row& r) {
    int y, mo, d, h, mi, s;
    std::sscanf(r.at("start_utc").c_str(), "%d-%d-%dT%d:%d:%dZ", &y, &mo, &d, &h, &mi, &s);
    astro::CalcContext ctx;
    astro::CPlnt_Data planets;
    ctx.tz_hours = 0;
    astro::start_at(ctx, planets, {std::stod(r.at("lat")), std::stod(r.at("lon")), std::stod(r.at("height"))},
                    {y, mo, d, h, mi, s});
    return ctx;
}

// Minutes from a reference instant to a UT Julian day.
double minutes_off(double jd_ut, const std::string& iso) { return (jd_ut - jd_of(iso)) * 24 * 60; }

}  // namespace
