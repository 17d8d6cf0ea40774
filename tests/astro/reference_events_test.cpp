// The engine's events, phase and age against an independent rigorous ephemeris, through
// the almanac_dump tool exactly as the clock computes them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Reference {
    std::string place, input;
    std::map<std::string, std::string> cells;
};

std::vector<std::string> split(const std::string& line, char sep) {
    std::vector<std::string> out;
    std::stringstream in(line);
    std::string cell;
    while (std::getline(in, cell, sep)) out.push_back(cell);
    if (!line.empty() && line.back() == sep) out.emplace_back();
    return out;
}

std::vector<Reference> read_reference() {
    std::ifstream file(std::string(ORBALIS_TEST_DATA) + "/reference_events.csv");
    std::string line;
    std::getline(file, line);
    const std::vector<std::string> header = split(line, ',');
    std::vector<Reference> rows;
    while (std::getline(file, line)) {
        if (line.empty()) continue;
        const auto cells = split(line, ',');
        Reference r;
        for (std::size_t i = 0; i < header.size() && i < cells.size(); ++i) r.cells[header[i]] = cells[i];
        r.place = r.cells["place"];
        for (const char* k : {"year", "month", "day", "hour", "minute", "second", "tz", "lat", "lon", "height"})
            r.input += r.cells[k] + " ";
        rows.push_back(r);
    }
    return rows;
}

// Value of "key": in one JSON line of the tool's output.
std::string json_value(const std::string& json, const std::string& key) {
    const std::string tag = "\"" + key + "\":";
    const auto pos = json.find(tag);
    if (pos == std::string::npos) return {};
    const auto start = pos + tag.size();
    const auto end = json.find_first_of(",}", start);
    return json.substr(start, end - start);
}

std::vector<std::string> run_dump(const std::vector<Reference>& rows) {
    const std::string in_path = testing::TempDir() + "almanac_in.txt";
    {
        std::ofstream in(in_path);
        for (const auto& r : rows) in << r.input << "\n";
    }
    const std::string cmd = std::string(ALMANAC_DUMP) + " < " + in_path;
    std::FILE* p = popen(cmd.c_str(), "r");
    std::vector<std::string> out;
    char buf[4096];
    while (p != nullptr && std::fgets(buf, sizeof buf, p) != nullptr) out.emplace_back(buf);
    if (p != nullptr) {
        EXPECT_EQ(pclose(p), 0);
    }
    return out;
}

// Each crossing is refined to the second on the engine's own altitude: what is left is the
// ephemeris's difference, under 0.1 minute at every latitude of the table.
constexpr double kEventMinutes = 0.5;

}  // namespace

TEST(ReferenceEvents, EveryRowWithinTolerance) {
    const auto rows = read_reference();
    ASSERT_EQ(rows.size(), 48u);
    const auto out = run_dump(rows);
    ASSERT_EQ(out.size(), rows.size());
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const Reference& r = rows[k];
        const std::string& json = out[k];
        SCOPED_TRACE(r.place + " " + r.input);
        for (const char* ev : {"sunrise", "sunset", "twilight_begin", "twilight_end", "moonrise", "moonset"}) {
            const std::string expected = r.cells.at(ev);
            const double got = std::stod(json_value(json, ev));
            const bool moon = std::string(ev).rfind("moon", 0) == 0;
            const bool found = moon ? got != -1 : json_value(json, std::string(ev) + "_found") == "true";
            ASSERT_EQ(found, !expected.empty()) << ev;
            if (expected.empty()) continue;
            EXPECT_NEAR(got * 60, std::stod(expected) * 60, kEventMinutes) << ev;
        }
        const double phase = std::stod(json_value(json, "moon_phase_angle"));
        EXPECT_NEAR(std::remainder(phase - std::stod(r.cells.at("moon_phase_angle")), 360.0), 0.0, 0.05);
        const std::string age_shown = json_value(json, "age_text");
        EXPECT_EQ(age_shown.rfind("\"Age=", 0), 0u) << age_shown;
        const double age = std::stod(json_value(json, "moon_age"));
        const double ref_age = std::stod(r.cells.at("moon_age"));
        EXPECT_GE(age, ref_age - 0.12);
        EXPECT_LE(age, ref_age + 0.01);
    }
}

// The engine's whole output for 248 moments (the rows above and 200 seeded ones, 1800 to
// 2200, pole to pole) is pinned bit for bit: a change of the code's shape must not move a
// single digit. tests/tools/make_moments.py made the input; the output is the tool's.
TEST(ReferenceEvents, OutputPinnedBitForBit) {
    const std::string data(ORBALIS_TEST_DATA);
    const std::string cmd = std::string(ALMANAC_DUMP) + " < " + data + "/almanac_moments.txt";
    std::FILE* p = popen(cmd.c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::ifstream golden(data + "/almanac_golden.jsonl");
    std::string expected;
    char buf[8192];
    int line = 0;
    while (std::fgets(buf, sizeof buf, p) != nullptr) {
        ++line;
        ASSERT_TRUE(std::getline(golden, expected)) << "more lines than pinned, line " << line;
        std::string got(buf);
        if (!got.empty() && got.back() == '\n') got.pop_back();
        ASSERT_EQ(got, expected) << "line " << line;
    }
    EXPECT_EQ(pclose(p), 0);
    EXPECT_EQ(line, 248);
    EXPECT_FALSE(std::getline(golden, expected)) << "fewer lines than pinned";
}
