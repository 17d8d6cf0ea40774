#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <future>
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
    void TearDown() override { fs::remove_all(dir); }
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
    EXPECT_EQ(double{s.height}, 0.0);
    EXPECT_EQ(double{s.tz_hours}, 9.0);
    EXPECT_EQ(double{s.latitude}, 35.0);
    EXPECT_EQ(double{s.longitude}, 135.0);
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
    for (const auto& e : fs::directory_iterator(fs::path(path).parent_path()))  // no temporary left
        EXPECT_EQ(e.path().filename().string().find(".tmp-"), std::string::npos) << e.path();
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
    EXPECT_DOUBLE_EQ(double{s.latitude}, -35.5);
    EXPECT_DOUBLE_EQ(double{s.longitude}, -12.25);
    EXPECT_EQ(double{s.height}, 812.25);
    EXPECT_EQ(double{s.tz_hours}, -3.5);
    write_file(path, image(0, 0, 0, 0, 35, 30, 135, 0, 0, 0, 0, 9));
    load_settings(s, path);
    EXPECT_DOUBLE_EQ(double{s.latitude}, 35.5);
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
    EXPECT_EQ(double{s.height}, 0.0);
    EXPECT_EQ(double{s.tz_hours}, 9.0);
    EXPECT_DOUBLE_EQ(double{s.latitude}, 35.5);
    EXPECT_DOUBLE_EQ(double{s.longitude}, -170.0);

    write_file(path, image(0, 0, 0, 0, 90, 30, 180, 1, 0, 0, -100000, 14.5));
    load_settings(s, path);
    EXPECT_EQ(s.lat_deg, 90);
    EXPECT_EQ(s.lat_min, 0);
    EXPECT_EQ(s.lon_deg, 180);
    EXPECT_EQ(s.lon_min, 0);
    EXPECT_EQ(double{s.height}, 0.0);
    EXPECT_EQ(double{s.tz_hours}, 9.0);

    write_file(path, image(0, 0, 0, 0, -1, -1, -5, 60, 0, 0, 999999, -12));
    load_settings(s, path);
    EXPECT_EQ(s.lat_deg, 35);
    EXPECT_EQ(s.lat_min, 0);
    EXPECT_EQ(s.lon_deg, 135);
    EXPECT_EQ(s.lon_min, 0);
    EXPECT_EQ(double{s.height}, 999999.0);
    EXPECT_EQ(double{s.tz_hours}, -12.0);
}

namespace {

// The names in a folder, sorted.
std::vector<std::string> names_in(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A tmpfs of its own for the test, where the test may mount one (root); else the reason.
struct ScratchMount {
    explicit ScratchMount(const fs::path& at, const std::string& options) : point(at) {
        fs::create_directories(point);
        const std::string cmd = "mount -t tmpfs -o " + options + " orbalis-test " + point.string() + " 2>/dev/null";
        mounted = ::geteuid() == 0 && std::system(cmd.c_str()) == 0;
    }
    ~ScratchMount() {
        if (mounted && std::system(("umount " + point.string()).c_str()) != 0)
            std::printf("could not unmount %s\n", point.c_str());
    }
    fs::path point;
    bool mounted = false;
};

}  // namespace

TEST_F(SettingsFile, SaveNeverFollowsPlantedLinks) {
    const fs::path outside = dir / "outside";
    fs::create_directories(outside);
    const Bytes victim = {1, 2, 3};
    write_file(outside / "victim", victim);
    // Links under the old fixed name and under names of the temporary's form.
    fs::create_symlink(outside / "victim", path + ".tmp");
    fs::create_symlink(outside / "created", path + ".tmp-aaaaaaaa");
    CInit s{};
    default_settings(s);
    derive_angles(s);
    ASSERT_TRUE(save_settings(s, path));
    EXPECT_EQ(read_file(outside / "victim"), victim);
    EXPECT_FALSE(fs::exists(outside / "created"));
    EXPECT_EQ(fs::file_size(path), 52u);
    EXPECT_FALSE(fs::is_symlink(path));
    EXPECT_EQ(names_in(dir), (std::vector<std::string>{"orbalis.ini", "orbalis.ini.tmp", "orbalis.ini.tmp-aaaaaaaa",
                                                        "outside"}));
}

// A save killed half way leaves its uniquely named temporary file; the next save clears
// those no save can still be writing.
TEST_F(SettingsFile, SaveClearsTemporariesOfKilledSaves) {
    write_file(path + ".tmp-oldoldol", {1});
    fs::last_write_time(path + ".tmp-oldoldol", fs::file_time_type::clock::now() - std::chrono::minutes(5));
    write_file(path + ".tmp-newnewne", {2});
    write_file(dir / "other.ini.tmp-oldoldol", {3});
    fs::last_write_time(dir / "other.ini.tmp-oldoldol", fs::file_time_type::clock::now() - std::chrono::minutes(5));
    CInit s{};
    default_settings(s);
    ASSERT_TRUE(save_settings(s, path));
    EXPECT_EQ(names_in(dir), (std::vector<std::string>{"orbalis.ini", "orbalis.ini.tmp-newnewne", "other.ini.tmp-oldoldol"}));
}

TEST_F(SettingsFile, SaveKeepsThePermissions) {
    CInit s{};
    default_settings(s);
    ASSERT_TRUE(save_settings(s, path));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    s.left = 5;
    ASSERT_TRUE(save_settings(s, path));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// A FIFO or a device under the name is not waited on: defaults at once, one line said.
TEST_F(SettingsFile, SpecialFilesReadAsMissing) {
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    CInit s{};
    s.left = 77;
    auto loading = std::async(std::launch::async, [&] { return load_settings(s, path); });
    if (loading.wait_for(std::chrono::seconds(1)) != std::future_status::ready) {
        const int release = ::open(path.c_str(), O_WRONLY);  // lets the blocked open return
        loading.wait();
        ::close(release);
        FAIL() << "load_settings waited on a FIFO";
    }
    EXPECT_NE(loading.get().find("not a regular file"), std::string::npos);
    expect_defaults(s);
    CInit d{};
    EXPECT_NE(load_settings(d, "/dev/zero").find("not a regular file"), std::string::npos);
    expect_defaults(d);
}

// Every failure keeps the old file, removes the temporary one and says why.
TEST_F(SettingsFile, FailedSavesKeepTheOldFileAndSayWhy) {
    const Bytes old = image(1, 2, 0, 0, 35, 0, 135, 0, 35, 135, 0, 9);
    CInit s{};
    default_settings(s);
    s.left = 999;
    auto expect_failure = [&](const std::string& at, const char* reason) {
        const SaveOutcome r = save_settings(s, at);
        EXPECT_FALSE(r) << at;
        EXPECT_NE(r.error.find(reason), std::string::npos) << r.error;
    };
    // A folder under the file's name.
    fs::create_directories(dir / "taken" / kSettingsFile / "inside");
    expect_failure((dir / "taken" / kSettingsFile).string(), "rename");
    EXPECT_EQ(names_in(dir / "taken"), std::vector<std::string>{kSettingsFile});
    // A missing folder is made; one that cannot be (a file stands in its way) is not.
    CInit again{};
    ASSERT_TRUE(save_settings(s, (dir / "new" / "orbalis" / kSettingsFile).string()));
    load_settings(again, (dir / "new" / "orbalis" / kSettingsFile).string());
    EXPECT_EQ(again.left, 999);
    EXPECT_EQ(fs::status(dir / "new" / "orbalis").permissions() & fs::perms::all, fs::perms::owner_all);
    write_file(dir / "file", old);
    expect_failure((dir / "file" / "orbalis" / kSettingsFile).string(), "Not a directory");

    // A folder that cannot be written: by permissions, or for root a read-only file system.
    ScratchMount ro(dir / "ro", "size=64k");
    const fs::path ro_dir = ro.mounted ? ro.point : dir / "locked";
    fs::create_directories(ro_dir);
    write_file(ro_dir / kSettingsFile, old);
    if (ro.mounted) {
        ASSERT_EQ(std::system(("mount -o remount,ro " + ro.point.string()).c_str()), 0);
        expect_failure((ro_dir / kSettingsFile).string(), "Read-only file system");
    } else if (::geteuid() != 0) {
        ASSERT_EQ(::chmod(ro_dir.c_str(), 0555), 0);
        expect_failure((ro_dir / kSettingsFile).string(), "Permission denied");
        ::chmod(ro_dir.c_str(), 0755);
    } else {
        std::printf("skipped the read-only case: running as root and cannot mount a file system\n");
    }
    EXPECT_EQ(read_file(ro_dir / kSettingsFile), old);

    // A full file system.
    ScratchMount full(dir / "full", "size=12k");
    if (!full.mounted) {
        std::printf("skipped the full-disk case: cannot mount a small file system (needs root)\n");
        return;
    }
    write_file(full.point / kSettingsFile, old);
    // Fills the small file system; dd ends with "no space", which is the point.
    [[maybe_unused]] const int filled =
        std::system(("dd if=/dev/zero of=" + (full.point / "filler").string() + " bs=1k count=64 2>/dev/null").c_str());
    expect_failure((full.point / kSettingsFile).string(), "No space left on device");
    EXPECT_EQ(read_file(full.point / kSettingsFile), old);
    EXPECT_EQ(names_in(full.point), (std::vector<std::string>{"filler", kSettingsFile}));
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

TEST_F(SettingsFile, DefaultLocation) {
    const fs::path cwd = fs::current_path();
    fs::current_path(dir);
    std::string note;
    EXPECT_EQ(default_settings_location("/x/config", "/home/u", note), "/x/config/orbalis/orbalis.ini");
    EXPECT_EQ(default_settings_location(nullptr, "/home/u", note), "/home/u/.config/orbalis/orbalis.ini");
    EXPECT_EQ(default_settings_location("relative", "/home/u", note), "/home/u/.config/orbalis/orbalis.ini");
    write_file(dir / kSettingsFile, Bytes(52, 0));  // a file of an earlier version, or of make run
    EXPECT_EQ(default_settings_location("/x/config", "/home/u", note), kSettingsFile);
    EXPECT_EQ(note, "");
    // A file another account left in a shared folder is passed over, and said.
    constexpr uid_t kNobody = 65534;
    if (::geteuid() == 0 && ::chown(kSettingsFile, kNobody, kNobody) == 0) {
        ::chmod(kSettingsFile, 0666);
        EXPECT_EQ(default_settings_location("/x/config", "/home/u", note), "/x/config/orbalis/orbalis.ini");
        EXPECT_NE(note.find("another user"), std::string::npos) << note;
    } else {
        std::printf("skipped the planted-file case: only root can give a file to another user\n");
    }
    fs::current_path(cwd);
}

// A settings file kept as a link (into a folder of dotfiles) stays a link, and its target
// gets the new bytes with its own mode; a dangling link is replaced as a file would be.
TEST_F(SettingsFile, SaveWritesThroughALink) {
    fs::create_directories(dir / "dotfiles");
    const fs::path target = dir / "dotfiles" / "orbalis.ini";
    write_file(target, Bytes(52, 0));
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    fs::create_symlink(target, path);
    CInit s{};
    default_settings(s);
    s.left = 321;
    ASSERT_TRUE(save_settings(s, path));
    EXPECT_TRUE(fs::is_symlink(path));
    CInit back{};
    load_settings(back, target.string());
    EXPECT_EQ(back.left, 321);
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(names_in(dir / "dotfiles"), std::vector<std::string>{"orbalis.ini"});
    fs::remove(path);
    fs::create_symlink(dir / "nowhere", path);
    ASSERT_TRUE(save_settings(s, path));
    EXPECT_FALSE(fs::is_symlink(path));
    EXPECT_FALSE(fs::exists(dir / "nowhere"));
}

// The temporary holds the record before it takes a mode that others may read: the
// folder's events for it come in that order.
TEST_F(SettingsFile, TemporaryIsPrivateUntilWritten) {
    write_file(path, Bytes(52, 0));
    ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, dir.c_str(), IN_CREATE | IN_MODIFY | IN_ATTRIB), 0);
    CInit s{};
    default_settings(s);
    ASSERT_TRUE(save_settings(s, path));
    alignas(inotify_event) char buf[4096];
    const ssize_t n = ::read(watch, buf, sizeof buf);
    ::close(watch);
    std::string order;
    for (ssize_t at = 0; at < n;) {
        const auto* e = reinterpret_cast<const inotify_event*>(buf + at);
        if (e->len > 0 && std::string(e->name).find(".tmp-") != std::string::npos)
            order += (e->mask & IN_CREATE) ? "c" : (e->mask & IN_MODIFY) ? "w" : "m";
        at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
    }
    EXPECT_EQ(order.substr(0, 3), "cwm") << order;  // created, written, then its mode
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
}

// Whether a save can be made is known at the start, without touching the file.
TEST_F(SettingsFile, CanSaveAsksTheFolder) {
    EXPECT_TRUE(can_save((dir / "made" / kSettingsFile).string()));
    EXPECT_TRUE(names_in(dir / "made").empty());
    fs::create_directories(dir / "taken" / kSettingsFile);
    EXPECT_NE(can_save((dir / "taken" / kSettingsFile).string()).error.find("Is a directory"), std::string::npos);
    write_file(dir / "file", {1});
    EXPECT_NE(can_save((dir / "file" / kSettingsFile).string()).error.find("Not a directory"), std::string::npos);
}

// Each field at the edges of its range: kept inside, the default beyond.
TEST_F(SettingsFile, RangeEdgesOnLoad) {
    const struct {
        std::int16_t lat_deg, lat_min, lon_deg, lon_min;
        double tz;
        std::int16_t want_lat_deg, want_lat_min, want_lon_deg, want_lon_min;
        double want_tz;
    } rows[] = {
        {89, 59, 179, 59, 14.0, 89, 59, 179, 59, 14.0},   // Kiribati's +14 and the last minutes
        {90, 0, 180, 0, -12.0, 90, 0, 180, 0, -12.0},
        {89, 60, 179, 60, 14.25, 89, 0, 179, 0, 9.0},    // 60' and beyond +14: defaults
        {91, 0, 181, 0, -12.5, 35, 0, 135, 0, 9.0},
        {90, 30, 180, 30, 12.75, 90, 0, 180, 0, 12.75},  // no minutes beyond the limits
    };
    for (const auto& r : rows) {
        write_file(path, image(0, 0, 0, 0, r.lat_deg, r.lat_min, r.lon_deg, r.lon_min, 0, 0, 0, r.tz));
        CInit s{};
        load_settings(s, path);
        SCOPED_TRACE(testing::Message() << r.lat_deg << " " << r.lat_min << " " << r.lon_deg << " " << r.lon_min);
        EXPECT_EQ(s.lat_deg, r.want_lat_deg);
        EXPECT_EQ(s.lat_min, r.want_lat_min);
        EXPECT_EQ(s.lon_deg, r.want_lon_deg);
        EXPECT_EQ(s.lon_min, r.want_lon_min);
        EXPECT_EQ(double{s.tz_hours}, r.want_tz);
    }
}
