#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <vector>

#include "settings.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;


// A 52-byte record built by hand, little-endian field by field.
Bytes image(std::int32_t left, std::int32_t top, unsigned char south, unsigned char west, std::int16_t lat_deg,
            std::int16_t lat_min, std::int16_t lon_deg, std::int16_t lon_min, double lat, double lon,
            double height, double tz) {
    Bytes b(52, 0xAB);
    auto le = [&](std::size_t at, std::uint64_t v, int n) {
        for (int i = 0; i < n; ++i) b[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    le(0, static_cast<std::uint32_t>(left), 4);
    le(4, static_cast<std::uint32_t>(top), 4);
    b[8] = south;
    b[9] = west;
    le(10, static_cast<std::uint16_t>(lat_deg), 2);
    le(12, static_cast<std::uint16_t>(lat_min), 2);
    le(14, static_cast<std::uint16_t>(lon_deg), 2);
    le(16, static_cast<std::uint16_t>(lon_min), 2);
    for (auto [at, v] : {std::pair{20, lat}, {28, lon}, {36, height}, {44, tz}}) {
        std::uint64_t bits;
        std::memcpy(&bits, &v, 8);
        le(at, bits, 8);
    }
    return b;
}

Bytes read_file(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(f), {});
}

void write_file(const fs::path& p, const Bytes& b) {
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

class SettingsFile : public testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("orbalis_settings_" + std::to_string(::getpid()) + "_" +
                                            testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        path = (dir / kSettingsFile).string();
    }
    void TearDown() override {
        ::chmod(dir.c_str(), 0755);
        fs::remove_all(dir);
    }
    fs::path dir;
    std::string path;
};

void expect_defaults(const CInit& s) {
    EXPECT_EQ(s.left, 0);
    EXPECT_EQ(s.top, 0);
    EXPECT_EQ(s.south, 0);
    EXPECT_EQ(s.west, 0);
    EXPECT_EQ(s.lat_deg, 35);
    EXPECT_EQ(s.lat_min, 0);
    EXPECT_EQ(s.lon_deg, 135);
    EXPECT_EQ(s.lon_min, 0);
    EXPECT_EQ(s.height, 0.0);
    EXPECT_EQ(s.tz_hours, 9.0);
    EXPECT_EQ(s.latitude, 35.0);
    EXPECT_EQ(s.longitude, 135.0);
}

}  // namespace

TEST_F(SettingsFile, SaveWritesTheExactRecordBytes) {
    CInit s{};
    std::memset(&s, 0xAB, sizeof s);  // padding stays as it was
    s.left = -300;
    s.top = 70000;
    s.south = 1;
    s.west = 0;
    s.lat_deg = 33;
    s.lat_min = 52;
    s.lon_deg = 151;
    s.lon_min = 12;
    s.latitude = -(33 + 52 / 60.0);
    s.longitude = 151.2;
    s.height = 58.5;
    s.tz_hours = 10.0;
    ASSERT_TRUE(save_settings(s, path));
    const Bytes expected = image(-300, 70000, 1, 0, 33, 52, 151, 12, -(33 + 52 / 60.0), 151.2, 58.5, 10.0);
    EXPECT_EQ(read_file(path), expected);
    EXPECT_FALSE(fs::exists(path + ".tmp"));
}

TEST_F(SettingsFile, LoadsHandBuiltFileAndDerivesAngles) {
    // Stored doubles are garbage: they are recomputed from degrees, minutes and flags.
    write_file(path, image(200, 150, 1, 7, 35, 30, 12, 15, 99.0, -99.0, 812.25, -3.5));
    CInit s{};
    load_settings(s, path);
    EXPECT_EQ(s.left, 200);
    EXPECT_EQ(s.top, 150);
    EXPECT_EQ(s.south, 1);
    EXPECT_EQ(s.west, 7);
    EXPECT_EQ(s.lat_deg, 35);
    EXPECT_EQ(s.lat_min, 30);
    EXPECT_DOUBLE_EQ(s.latitude, -35.5);
    EXPECT_DOUBLE_EQ(s.longitude, -12.25);
    EXPECT_EQ(s.height, 812.25);
    EXPECT_EQ(s.tz_hours, -3.5);
    write_file(path, image(0, 0, 0, 0, 35, 30, 135, 0, 0, 0, 0, 9));
    load_settings(s, path);
    EXPECT_DOUBLE_EQ(s.latitude, 35.5);
}

TEST_F(SettingsFile, MissingOrShortFileGivesDefaults) {
    CInit s{};
    load_settings(s, path);
    expect_defaults(s);
    Bytes b = image(10, 20, 1, 1, 10, 10, 10, 10, 0, 0, 5, 1);
    b.resize(51);
    write_file(path, b);
    load_settings(s, path);
    expect_defaults(s);
    write_file(path, {});
    load_settings(s, path);
    expect_defaults(s);
}

TEST_F(SettingsFile, CorruptFieldsTakeTheirDefaults) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    write_file(path, image(12, 34, 0, 1, 500, 30, 170, 75, 0, 0, std::numeric_limits<double>::infinity(), nan));
    CInit s{};
    load_settings(s, path);
    EXPECT_EQ(s.left, 12);
    EXPECT_EQ(s.top, 34);
    EXPECT_EQ(s.lat_deg, 35);
    EXPECT_EQ(s.lat_min, 30);
    EXPECT_EQ(s.lon_deg, 170);
    EXPECT_EQ(s.lon_min, 0);
    EXPECT_EQ(s.height, 0.0);
    EXPECT_EQ(s.tz_hours, 9.0);
    EXPECT_DOUBLE_EQ(s.latitude, 35.5);
    EXPECT_DOUBLE_EQ(s.longitude, -170.0);

    write_file(path, image(0, 0, 0, 0, 90, 30, 180, 1, 0, 0, -100000, 14.5));
    load_settings(s, path);
    EXPECT_EQ(s.lat_deg, 90);
    EXPECT_EQ(s.lat_min, 0);
    EXPECT_EQ(s.lon_deg, 180);
    EXPECT_EQ(s.lon_min, 0);
    EXPECT_EQ(s.height, 0.0);
    EXPECT_EQ(s.tz_hours, 9.0);

    write_file(path, image(0, 0, 0, 0, -1, -1, -5, 60, 0, 0, 999999, -12));
    load_settings(s, path);
    EXPECT_EQ(s.lat_deg, 35);
    EXPECT_EQ(s.lat_min, 0);
    EXPECT_EQ(s.lon_deg, 135);
    EXPECT_EQ(s.lon_min, 0);
    EXPECT_EQ(s.height, 999999.0);
    EXPECT_EQ(s.tz_hours, -12.0);
}

TEST_F(SettingsFile, UnwritableFolderKeepsTheOldFile) {
    const Bytes old = image(1, 2, 0, 0, 35, 0, 135, 0, 35, 135, 0, 9);
    write_file(path, old);
    ASSERT_EQ(::chmod(dir.c_str(), 0555), 0);
    CInit s{};
    load_settings(s, path);
    s.left = 999;
    if (::access(dir.c_str(), W_OK) == 0) {
        // Running as root: permissions do not stop us, so take away the folder instead.
        ::chmod(dir.c_str(), 0755);
        const std::string missing = (dir / "gone" / kSettingsFile).string();
        testing::internal::CaptureStderr();
        EXPECT_FALSE(save_settings(s, missing));
        EXPECT_NE(testing::internal::GetCapturedStderr().find("orbalis"), std::string::npos);
        // A file that is in the way of the temporary name: the write fails, the old file stays.
        fs::create_directory(path + ".tmp");
        testing::internal::CaptureStderr();
        EXPECT_FALSE(save_settings(s, path));
        testing::internal::GetCapturedStderr();
    } else {
        testing::internal::CaptureStderr();
        EXPECT_FALSE(save_settings(s, path));
        EXPECT_NE(testing::internal::GetCapturedStderr().find("orbalis"), std::string::npos);
    }
    EXPECT_EQ(read_file(path), old);
}

TEST_F(SettingsFile, DefaultsLeavePaddingAlone) {
    CInit s;
    std::memset(&s, 0x5A, sizeof s);
    default_settings(s);
    EXPECT_EQ(s.padding[0], 0x5A);
    EXPECT_EQ(s.padding[1], 0x5A);
    double untouched;
    std::memset(&untouched, 0x5A, sizeof untouched);
    EXPECT_EQ(std::memcmp(&s.latitude, &untouched, 8), 0);
}

TEST(NumberTexts, ParseDecimal) {
    EXPECT_EQ(parse_decimal("+9.5"), 9.5);
    EXPECT_EQ(parse_decimal(" 00"), 0.0);
    EXPECT_EQ(parse_decimal("-3.5 "), -3.5);
    EXPECT_EQ(parse_decimal("1234"), 1234.0);
    EXPECT_EQ(parse_decimal("+5.75"), 5.75);
    for (const char* bad : {"9h", "", "  ", "abc", "1e400", "nan", "inf", "+", "+-1", "1,5", "0x10"})
        EXPECT_FALSE(parse_decimal(bad).has_value()) << bad;
}

TEST(NumberTexts, ShortestDecimal) {
    EXPECT_EQ(shortest_decimal(9), "9");
    EXPECT_EQ(shortest_decimal(5.5), "5.5");
    EXPECT_EQ(shortest_decimal(-5), "-5");
    EXPECT_EQ(shortest_decimal(0), "0");
    EXPECT_EQ(shortest_decimal(0.45000000000000001), "0.45");
}
